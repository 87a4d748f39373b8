#include "settings/settings_dialog.h"

#include "settings/autostart_registry.h"
#include "settings/main_window_link.h"
#include "settings/settings_dialog_delay.h"
#include "settings/settings_dialog_link_label.h"
#include "settings/settings_dialog_tab_control.h"
#include "settings/settings_dialog_text_box.h"
#include "settings/updown_arrows.h"

#include "engine/zone_catalogue.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/settings_store.h"

#include "horalux_version.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kApp = u"Horalux"_s;
const QString kSection = u"data"_s;
const QString kRunPath = uR"(Software\Microsoft\Windows\CurrentVersion\Run)"_s;
const QString kRunValue = u"Horalux"_s;
const QString kTrue = u"True"_s;
const QString kFalse = u"False"_s;

const QString k24Hour = u"24hr"_s;
// Apply writes the 12/24-hour switch among the zone boxes, after the zone
// with this place in the apply order.
constexpr int k24HourAfterApplyOrder = 1;

} // namespace

frm_settings::frm_settings(const platform::Services &services, platform::MessageBoxes &messages,
                           MainWindowLink &mainWindow, QWidget *parent)
    : QDialog(parent),
      m_settings(services.settings),
      m_registry(services.registry),
      m_desktop(services.desktop),
      m_messages(messages),
      m_mainWindow(mainWindow),
      m_controls(buildSettingsDialog(this)),
      m_custom1 {1, m_controls.txt_tz1, m_controls.txt_diff1, u"tz1"_s, u"diff1"_s},
      m_custom2 {2, m_controls.txt_tz2, m_controls.txt_diff2, u"tz2"_s, u"diff2"_s}
{
    setObjectName(u"frm_settings"_s);
    // A fixed-size dialog to the window manager too: a close button, nothing
    // to minimise, maximise or resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    connectHandlers();
    Form_Load();
}

QTabWidget *frm_settings::tabs() const
{
    return m_controls.SSTab1;
}

void frm_settings::connectHandlers()
{
    const SettingsDialogControls &c = m_controls;
    connect(c.com_apply, &QPushButton::clicked, this, &frm_settings::com_apply_Click);
    connect(c.com_ok, &QPushButton::clicked, this, &frm_settings::com_ok_Click);
    connect(c.com_cancel, &QPushButton::clicked, this, &frm_settings::com_cancel_Click);
    connect(c.Command1, &QPushButton::clicked, this, &frm_settings::Command1_Click);
    connect(c.Command2, &QPushButton::clicked, this, &frm_settings::Command2_Click);
    // textChanged, not textEdited: the handlers run for the program's own
    // changes too, which loading and Reset rely on.
    connect(c.txt_tz1, &QLineEdit::textChanged, this, &frm_settings::txt_tz1_Change);
    connect(c.txt_tz2, &QLineEdit::textChanged, this, &frm_settings::txt_tz2_Change);
    connect(c.txt_diff1, &QLineEdit::textChanged, this, &frm_settings::txt_diff1_Change);
    connect(c.txt_diff2, &QLineEdit::textChanged, this, &frm_settings::txt_diff2_Change);
    connect(c.UpDown1, &UpDownArrows::upClick, this, &frm_settings::UpDown1_UpClick);
    connect(c.UpDown1, &UpDownArrows::downClick, this, &frm_settings::UpDown1_DownClick);
    // The links' work waits and handles events, and the dialog may be closed
    // and deleted meanwhile: each runs from a copy that outlives the dialog.
    connect(c.Label8, &LinkLabel::clicked, this, [this] {
        if (const std::function<void()> work = onUpdateLinkClicked)
            work();
    });
    connect(c.Label9, &LinkLabel::clicked, this, [this] {
        if (const std::function<void()> work = onHelpLinkClicked)
            work();
    });
    for (QLineEdit *box : {c.txt_tz1, c.txt_diff1, c.txt_tz2, c.txt_diff2})
        box->installEventFilter(this);
}

QString frm_settings::setting(const QString &key, const QString &defaultValue) const
{
    return m_settings.GetSetting(kApp, kSection, key, defaultValue);
}

void frm_settings::save(const QString &key, const QString &value)
{
    m_settings.SaveSetting(kApp, kSection, key, value);
}

void frm_settings::saveSwitch(const QString &key, const QCheckBox *box)
{
    save(key, box->isChecked() ? kTrue : kFalse);
}

bool frm_settings::startsWithDesktop() const
{
    const QString stored = m_registry.GetRegString(platform::RegistryRoot::LocalMachine, kRunPath, kRunValue);
    return stored.toLower() == settings::expectedAutostartData(m_desktop.startCommand()).toLower();
}

void frm_settings::Form_Load()
{
    const SettingsDialogControls &c = m_controls;
    c.SSTab1->setCurrentIndex(0);
    c.lab_version->setText(u"This is version "_s + QString::fromLatin1(horalux_version::Dotted));
    c.txt_scan->setText(setting(u"scan"_s, u"20"_s));
    if (setting(u"ontop"_s, kFalse) == kTrue)
        c.chk_ontop->setChecked(true);

    // Offsets first, so that filling a name writes back the stored offset.
    for (const CustomZone *zone : {&m_custom1, &m_custom2}) {
        const QString offset = setting(zone->offsetKey, QString());
        if (!offset.isEmpty())
            zone->offset->setText(offset);
    }
    for (const CustomZone *zone : {&m_custom1, &m_custom2}) {
        const QString name = setting(zone->nameKey, QString());
        if (!name.isEmpty())
            zone->name->setText(name);
    }

    if (startsWithDesktop())
        c.chk_lww->setChecked(true);
    if (setting(k24Hour, kFalse) == kTrue)
        c.chk_24hr->setChecked(true);
    if (setting(u"sync"_s, kTrue) == kTrue)
        c.chk_sync->setChecked(true);
    if (setting(u"dst"_s, kTrue) == kTrue)
        c.chk_dst->setChecked(true);
    if (setting(u"graphic"_s, kTrue) == kTrue)
        c.chk_effects->setChecked(true);
    if (setting(u"exact"_s, kFalse) == kTrue)
        c.chk_exact->setChecked(true);
    for (const PresetZone *zone : zone_catalogue::presetsBy(&PresetZone::boxLoadOrder)) {
        const QString key = QLatin1String(zone->key);
        if (setting(key, u"1"_s) == u"1")
            c.zoneBoxes.value(key)->setChecked(true);
    }
}

void frm_settings::com_apply_Click()
{
    const SettingsDialogControls &c = m_controls;
    // A message box runs events, and an update started meanwhile closes (and so
    // deletes) this dialog: then the rest of Apply has nothing left to read.
    const QPointer<frm_settings> alive(this);

    // The user's own locale decides the decimal separator.
    if (!settings::delayAccepted(c.txt_scan->text(), QLocale())) {
        m_messages.show(u"Sorry, your Time delay is set to an invalid number. You must choose a number between 5 "
                        "and 60. I have now set it to 20 for you"_s,
                        u"Error"_s, platform::MessageBoxes::Icon::Information);
        if (!alive)
            return;
        save(u"scan"_s, u"20"_s);
        c.txt_scan->setText(u"20"_s);
    } else {
        save(u"scan"_s, c.txt_scan->text());
    }

    for (const PresetZone *zone : zone_catalogue::presetsBy(&PresetZone::boxApplyOrder)) {
        const QString key = QLatin1String(zone->key);
        save(key, c.zoneBoxes.value(key)->isChecked() ? u"1"_s : u"0"_s);
        if (zone->boxApplyOrder == k24HourAfterApplyOrder)
            saveSwitch(k24Hour, c.chk_24hr);
    }

    const bool anyZone = std::any_of(c.zoneBoxes.cbegin(), c.zoneBoxes.cend(),
                                     [](const QCheckBox *box) { return box->isChecked(); });
    if (!anyZone) {
        // The store must agree with the message, or the clock has nothing to show.
        c.zoneBoxes.value(u"uk"_s)->setChecked(true);
        save(u"uk"_s, u"1"_s);
        m_messages.show(u"You must select AT LEAST one of the time zones to be displayed. United Kingdom has now "
                        "been turned on."_s,
                        u"Error!"_s, platform::MessageBoxes::Icon::Information);
        if (!alive)
            return;
    }

    m_registry.SetRegString(platform::RegistryRoot::LocalMachine, kRunPath, kRunValue,
                            c.chk_lww->isChecked() ? settings::expectedAutostartData(m_desktop.startCommand())
                                                   : QString(u""_s));

    saveSwitch(u"ontop"_s, c.chk_ontop);
    m_mainWindow.ontop();

    saveSwitch(u"sync"_s, c.chk_sync);

    const QString dayPicture = m_desktop.programFolder() + u"/day.bmp"_s;
    saveSwitch(u"graphic"_s, c.chk_effects);
    if (!c.chk_effects->isChecked())
        m_mainWindow.loadBackgroundPicture(dayPicture);
    saveSwitch(u"dst"_s, c.chk_dst);
    if (!c.chk_dst->isChecked())
        m_mainWindow.loadBackgroundPicture(dayPicture);
    saveSwitch(u"exact"_s, c.chk_exact);
}

void frm_settings::com_ok_Click()
{
    const QPointer<frm_settings> alive(this);
    com_apply_Click();
    if (alive)
        close();
}

void frm_settings::com_cancel_Click()
{
    close();
}

void frm_settings::customNameChanged(const CustomZone &zone)
{
    const QString name = zone.name->text();
    save(zone.nameKey, name);
    save(zone.offsetKey, zone.offset->text());
    // An emptied name leaves the rotation, so its menu entry goes as well.
    m_mainWindow.setCustomMenuEntryVisible(zone.number, !name.isEmpty());
    m_mainWindow.setCustomMenuEntryCaption(zone.number, name);
}

void frm_settings::customOffsetChanged(const CustomZone &zone)
{
    save(zone.offsetKey, zone.offset->text());
}

void frm_settings::resetCustomZone(const CustomZone &zone)
{
    zone.name->setText(customZonePlaceholder());
    zone.offset->setText(u"0"_s);
    m_settings.DeleteSetting(kApp, kSection, zone.nameKey);
    m_settings.DeleteSetting(kApp, kSection, zone.offsetKey);
    m_mainWindow.setCustomMenuEntryVisible(zone.number, false);
}

void frm_settings::UpDown1_UpClick()
{
    m_controls.txt_scan->setText(settings::delayAfterUpArrow(m_controls.txt_scan->text(), QLocale()));
}

void frm_settings::UpDown1_DownClick()
{
    m_controls.txt_scan->setText(settings::delayAfterDownArrow(m_controls.txt_scan->text(), QLocale()));
}

void frm_settings::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        com_cancel_Click();
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

bool frm_settings::eventFilter(QObject *watched, QEvent *event)
{
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
