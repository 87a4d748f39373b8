#pragma once

#include "settings/settings_dialog_layout.h"

#include <QDialog>

#include <functional>

namespace platform {
class Desktop;
class MessageBoxes;
class Registry;
struct Services;
class SettingsStore;
} // namespace platform
class MainWindowLink;
class QTabWidget;

// The settings dialog. It loads every value from the settings store when it
// is created; the switches, zone boxes and delay are written only by Apply
// (and OK), while the custom zones are written on every keystroke and stay
// written whatever button closes the dialog. Modeless: the clock runs on.
class frm_settings final : public QDialog {
    Q_OBJECT
public:
    static constexpr int AboutTab = 2;

    frm_settings(const platform::Services &services, platform::MessageBoxes &messages, MainWindowLink &mainWindow,
                 QWidget *parent = nullptr);

    QTabWidget *tabs() const;

    // What the About tab's two links do; nothing while unset.
    std::function<void()> onUpdateLinkClicked;
    std::function<void()> onHelpLinkClicked;

protected:
    // Serves the four custom zone boxes' _GotFocus handlers.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter presses the focused button, Esc is Cancel; nothing else.
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct CustomZone {
        int number;
        LimitedTextBox *name;
        LimitedTextBox *offset;
        QString nameKey;
        QString offsetKey;
    };

    void connectHandlers();

    void Form_Load();
    void com_apply_Click();
    void com_ok_Click();
    void com_cancel_Click();
    void Command1_Click() { resetCustomZone(m_custom1); }
    void Command2_Click() { resetCustomZone(m_custom2); }
    void txt_tz1_Change() { customNameChanged(m_custom1); }
    void txt_tz2_Change() { customNameChanged(m_custom2); }
    void txt_diff1_Change() { customOffsetChanged(m_custom1); }
    void txt_diff2_Change() { customOffsetChanged(m_custom2); }
    void UpDown1_UpClick();
    void UpDown1_DownClick();

    void customNameChanged(const CustomZone &zone);
    void customOffsetChanged(const CustomZone &zone);
    void resetCustomZone(const CustomZone &zone);
    bool startsWithDesktop() const;

    QString setting(const QString &key, const QString &defaultValue) const;
    void save(const QString &key, const QString &value);
    void saveSwitch(const QString &key, const QCheckBox *box);

    platform::SettingsStore &m_settings;
    platform::Registry &m_registry;
    platform::Desktop &m_desktop;
    platform::MessageBoxes &m_messages;
    MainWindowLink &m_mainWindow;
    SettingsDialogControls m_controls;
    CustomZone m_custom1;
    CustomZone m_custom2;
};
