// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog.h"

#include "engine/zone_catalogue.h"
#include "settingsdialog/main_window_link.h"
#include "settingsdialog/settings_dialog_link_label.h"
#include "settingsdialog/settings_dialog_tab_control.h"
#include "settingsdialog/settings_dialog_text_box.h"
#include "settingsdialog/updown_arrows.h"

#include "platform/message_box.h"
#include "platform/services.h"
#include "platform/settings_store.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

SettingsDialog::SettingsDialog(const platform::Services &services, platform::MessageBoxes &messages,
                               MainWindowLink &mainWindow, QWidget *parent)
    : QDialog(parent),
      m_store(services.settings),
      m_messages(messages),
      m_controls(buildSettingsDialog(this)),
      m_timeZones(m_controls, TypedSettings(services.settings), mainWindow),
      m_settingsTab(m_controls, TypedSettings(services.settings), services.autostart, services.desktop, messages,
                    mainWindow, this),
      m_about(m_controls)
{
    setObjectName(u"SettingsDialog"_s);
    // A fixed-size dialog to the window manager too: a close button, nothing
    // to minimise, maximise or resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    connectHandlers();
    loadAll();
}

QTabWidget *SettingsDialog::tabs() const
{
    return m_controls.tabControl;
}

void SettingsDialog::connectHandlers()
{
    const SettingsDialogControls &c = m_controls;
    connect(c.applyButton, &QPushButton::clicked, this, &SettingsDialog::onApplyClicked);
    connect(c.okButton, &QPushButton::clicked, this, &SettingsDialog::onOkClicked);
    connect(c.cancelButton, &QPushButton::clicked, this, &SettingsDialog::onCancelClicked);
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number) {
        const CustomZoneControls &row = c.customZones[std::size_t(number - 1)];
        connect(row.resetButton, &QPushButton::clicked, this, [this, number] { m_timeZones.resetCustomZone(number); });
        // textChanged, not textEdited: the handlers run for the program's own
        // changes too, which loading and Reset rely on.
        connect(row.nameEdit, &QLineEdit::textChanged, this, [this, number] { m_timeZones.customNameChanged(number); });
        connect(row.offsetEdit, &QLineEdit::textChanged, this,
                [this, number] { m_timeZones.customOffsetChanged(number); });
        row.nameEdit->installEventFilter(this);
        row.offsetEdit->installEventFilter(this);
    }
    connect(c.scanDelayArrows, &UpDownArrows::upClick, this, &SettingsDialog::stepDelayUp);
    connect(c.scanDelayArrows, &UpDownArrows::downClick, this, &SettingsDialog::stepDelayDown);
    // The links' work waits and handles events, and the dialog may be closed
    // and deleted meanwhile: each runs from a copy that outlives the dialog.
    connect(c.updateLink, &LinkLabel::clicked, this, [this] {
        if (const std::function<void()> work = onUpdateLinkClicked)
            work();
    });
    connect(c.helpLink, &LinkLabel::clicked, this, [this] {
        if (const std::function<void()> work = onHelpLinkClicked)
            work();
    });
}

void SettingsDialog::loadAll()
{
    m_controls.tabControl->setCurrentIndex(0);
    m_about.load();
    m_settingsTab.load();
    m_timeZones.load();
}

SettingsDialog::Applied SettingsDialog::applyAll()
{
    m_timeZones.checkTypedNames();
    if (!m_settingsTab.applyDelay())
        return Applied::DialogGone;
    m_timeZones.applyZones([this] { m_settingsTab.apply24Hour(); });
    if (!m_timeZones.anyZoneChecked()) {
        // The store must agree with the message, or the clock has nothing to show.
        m_timeZones.turnOnUnitedKingdom();
        const QPointer<SettingsDialog> alive(this);
        m_messages.show(tr("You must select AT LEAST one of the time zones to be displayed. United Kingdom has now "
                           "been turned on."),
                        //: The title of a message box about a choice the user must make.
                        tr("Error!"), platform::MessageBoxes::Icon::Information);
        if (!alive)
            return Applied::DialogGone;
    }
    QStringList problems;
    QString problem;
    if (!m_settingsTab.applySwitches(&problem))
        problems << problem;
    if (!m_store.flush(&problem))
        problems << problem;
    if (problems.isEmpty())
        return Applied::Saved;
    const QPointer<SettingsDialog> alive(this);
    //: %1 is one line per setting that could not be stored, with the reason.
    m_messages.show(tr("Your settings could not all be saved. The clock uses them now, but they will be lost when it "
                       "ends.\n\n%1\n\nMake room on the disk or make the folder writable, then press Apply again.")
                        .arg(problems.join(u'\n')),
                    tr("Settings not saved"), platform::MessageBoxes::Icon::Exclamation);
    return alive ? Applied::NotSaved : Applied::DialogGone;
}

void SettingsDialog::applyAndClose()
{
    if (applyAll() == Applied::Saved)
        close();
}

void SettingsDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        onCancelClicked();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // The buttons are no auto-defaults: Enter in a box or on a check box
        // must not press OK behind the user's back.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // The suggestions' list takes the focus while the user is still typing.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            for (int number = 1; number <= zone_catalogue::CustomCount; ++number) {
                if (watched == m_controls.customZones[std::size_t(number - 1)].nameEdit)
                    m_timeZones.checkTypedName(number);
            }
        }
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() != QEvent::FocusIn)
        return QDialog::eventFilter(watched, event);
    // Coming back from another window or a context menu is no new visit to
    // the box: the user's cursor stays where it was.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        // Typing then replaces the whole text. The click that gives the focus
        // places the cursor after this runs, so select once more after it.
        auto *box = static_cast<QLineEdit *>(watched);
        box->selectAll();
        if (reason == Qt::MouseFocusReason)
            QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}
