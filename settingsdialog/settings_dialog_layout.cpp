// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_layout.h"

#include "engine/zone_catalogue.h"
#include "platform/image_file.h"
#include "settingsdialog/settings_dialog_link_label.h"
#include "settingsdialog/settings_dialog_tab_control.h"
#include "settingsdialog/settings_dialog_text_box.h"
#include "settingsdialog/settings_dialog_wrapping_check_box.h"
#include "settingsdialog/tab_bar_accessible.h"
#include "settingsdialog/updown_arrows.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

#include <iterator>
#include <map>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The design is in twips, 15 to the device-independent pixel.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QString offsetTip()
{
    return QCoreApplication::translate("TimeZonesTab",
                                       "Enter the time difference between this time zone and GMT. E.g. France would "
                                       "have a difference of +1 and Arizona, USA would have a difference of -7");
}

QFont designFont(const QString &family, bool underline = false)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setUnderline(underline);
    return font;
}

// Builds the controls one by one, keeping each focusable one's place in the
// keyboard order until they are all there to be chained.
class Builder {
public:
    template <typename Control, typename... Args>
    Control *make(const QString &name, QWidget *parent, const QRect &place, Args &&...args)
    {
        auto *control = new Control(std::forward<Args>(args)..., parent);
        control->setObjectName(name);
        control->setGeometry(place);
        return control;
    }

    template <typename Control, typename... Args>
    Control *onPage(const QString &name, int page, const QRect &place, Args &&...args)
    {
        auto *control = new Control(std::forward<Args>(args)...);
        control->setObjectName(name);
        tabs->place(control, page, place);
        return control;
    }

    void order(QWidget *control, int position) { m_order.emplace(position, control); }

    void chainKeyboardOrder()
    {
        QWidget *previous = nullptr;
        for (const auto &[position, control] : m_order) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }

    QLabel *label(const QString &name, QWidget *parent, const QRect &place, const QString &caption)
    {
        auto *label = make<QLabel>(name, parent, place, caption);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }

    LinkLabel *link(const QString &name, QWidget *parent, const QRect &place, const QString &caption,
                    const QString &tip)
    {
        auto *link = make<LinkLabel>(name, parent, place);
        link->setText(caption);
        link->setToolTip(tip);
        link->setFont(designFont(u"Liberation Sans"_s, true));
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        link->setPalette(palette);
        return link;
    }

    SettingsTabControl *tabs = nullptr;

private:
    std::map<int, QWidget *> m_order;
};

// The exact-clock frame adds one row below the daylight-saving frame; the tab
// control, the buttons and the window grow by it.
constexpr int kExactRowTwips = 600;
constexpr int kButtonTop = 5320 + kExactRowTwips;
// Below the buttons, so their lower edge is not the window's (at scale 2 it
// fell outside the window).
constexpr int kBottomMarginTwips = 120;
// The zone rows as close as their boxes allow, so the custom-zone frame has
// room for a note under each name box.
constexpr int kZoneRowPitch = 255;

void buildButtons(Builder &b, QWidget *window, SettingsDialogControls &c)
{
    struct ButtonDesign {
        QPushButton *&button;
        QString name;
        QString caption;
        int left;
        int order;
        QString tip;
    };
    const ButtonDesign buttons[] = {
        //: A button of fixed width: keep it short.
        {c.okButton, u"okButton"_s, QCoreApplication::translate("SettingsDialog", "&OK"), 3240, 38,
         QCoreApplication::translate("SettingsDialog", "Click here to save changes and exit")},
        //: A button of fixed width: keep it short.
        {c.cancelButton, u"cancelButton"_s, QCoreApplication::translate("SettingsDialog", "&Cancel"), 4320, 40,
         QCoreApplication::translate("SettingsDialog", "Click here to exit without saving changes")},
        //: A button of fixed width: keep it short.
        {c.applyButton, u"applyButton"_s, QCoreApplication::translate("SettingsDialog", "&Apply"), 5400, 39,
         QCoreApplication::translate("SettingsDialog", "Click here to save changes")},
    };
    for (const ButtonDesign &design : buttons) {
        design.button =
            b.make<QPushButton>(design.name, window, twipRect(design.left, kButtonTop, 975, 320), design.caption);
        design.button->setToolTip(design.tip);
        design.button->setAutoDefault(false);
        b.order(design.button, design.order);
    }
}

void buildTimeZonesPage(Builder &b, SettingsDialogControls &c)
{
    constexpr int page = 0;
    auto *intro =
        b.onPage<QLabel>(u"zonesIntroLabel"_s, page, twipRect(120, 405, 6135, 660),
                         QCoreApplication::translate("TimeZonesTab",
                                                     "From the list below, check which time zones you wish to see "
                                                     "shown with Horalux. If you remove the check from a time zone, "
                                                     "then that zone will be skipped by Horalux."));
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setWordWrap(true);

    // Caption order: the first column top to bottom, then the second, which
    // is also the keyboard order.
    for (const PresetZone *zone : zone_catalogue::presetsBy(&PresetZone::boxOrder)) {
        const QString key = QLatin1String(zone->key);
        const int position = zone->boxOrder;
        const int left = position < 12 ? 120 : 3240;
        const int top = 1080 + kZoneRowPitch * (position % 12);
        auto *box = b.onPage<QCheckBox>(key + u"ZoneCheck"_s, page, twipRect(left, top, zone->boxWidth, 255),
                                        zone_catalogue::shownBoxCaption(*zone));
        box->setToolTip(
            QCoreApplication::translate("TimeZonesTab", "Check to enable this time zone, uncheck to disable it."));
        b.order(box, position);
        c.zoneBoxes.insert(key, box);
    }

    auto *frame =
        b.onPage<QGroupBox>(u"customZonesGroup"_s, page, twipRect(120, 4260, 6135, 1455),
                            QCoreApplication::translate(
                                "TimeZonesTab", "Custom Time Zones. Please type in the name of your own time zone"));
    const QFont narrow = designFont(u"Liberation Sans Narrow"_s);
    // Each custom zone's row on the frame, in twips, and its place in the
    // keyboard order (its offset box follows its name box).
    struct RowPlace {
        int top;
        int nameOrder;
        int resetOrder;
    };
    constexpr RowPlace kRowPlaces[] = {{390, 24, 53}, {870, 26, 54}};
    static_assert(std::size(kRowPlaces) == zone_catalogue::CustomCount, "place each custom zone's row on the frame");
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number) {
        const RowPlace &place = kRowPlaces[std::size_t(number - 1)];
        CustomZoneControls &row = c.customZones[std::size_t(number - 1)];
        const QString n = QString::number(number);
        row.nameEdit =
            b.make<LimitedTextBox>(u"customName%1Edit"_s.arg(n), frame, twipRect(120, place.top, 3375, 270), 30);
        row.nameEdit->setText(customZonePlaceholder());
        row.nameEdit->setFont(narrow);
        // The frame's title would name every row's boxes alike.
        row.nameEdit->setAccessibleName(
            QCoreApplication::translate("TimeZonesTab", "Name of custom time zone %1").arg(number));
        row.nameEdit->setToolTip(QCoreApplication::translate(
            "TimeZonesTab", "Enter any name you wish in here, this can be your town/city, country or even your name"));
        b.order(row.nameEdit, place.nameOrder);

        QLabel *offsetLabel = b.label(u"customOffset%1Label"_s.arg(number), frame, twipRect(3600, place.top, 675, 225),
                                      //: A label of fixed width before a small box: keep it short.
                                      QCoreApplication::translate("TimeZonesTab", "GMT offset"));
        offsetLabel->setFont(narrow);
        offsetLabel->setToolTip(offsetTip());

        row.offsetEdit =
            b.make<LimitedTextBox>(u"customOffset%1Edit"_s.arg(n), frame, twipRect(4440, place.top, 615, 270), 5);
        row.offsetEdit->setText(u"0"_s);
        row.offsetEdit->setAlignment(Qt::AlignCenter);
        row.offsetEdit->setFont(narrow);
        row.offsetEdit->setToolTip(offsetTip());
        row.offsetEdit->setAccessibleName(
            QCoreApplication::translate("TimeZonesTab", "GMT offset of custom time zone %1").arg(number));
        b.order(row.offsetEdit, place.nameOrder + 1);

        row.resetButton =
            b.make<QPushButton>(u"resetCustom%1Button"_s.arg(n), frame, twipRect(5160, place.top, 855, 255),
                                //: A button of fixed width that clears a custom time zone: keep it short.
                                QCoreApplication::translate("TimeZonesTab", "Reset"));
        row.resetButton->setToolTip(
            QCoreApplication::translate("TimeZonesTab", "Click here to delete this custom time zone"));
        row.resetButton->setAccessibleName(
            QCoreApplication::translate("TimeZonesTab", "Reset custom time zone %1").arg(number));
        row.resetButton->setAutoDefault(false);
        b.order(row.resetButton, place.resetOrder);

        row.placeNote =
            b.label(u"customPlace%1Note"_s.arg(n), frame, twipRect(120, place.top + 270, 5895, 195), QString());
        row.placeNote->setFont(narrow);
        row.placeNote->hide();
    }
}

void buildSettingsPage(Builder &b, SettingsDialogControls &c)
{
    constexpr int page = 1;
    auto frame = [&](const QString &name, const QString &caption, int top, int height) {
        return b.onPage<QGroupBox>(name, page, twipRect(120, top, 6135, height), caption);
    };
    auto checkBox = [&](QCheckBox *box, int order, const QString &tip) {
        box->setToolTip(tip);
        b.order(box, order);
        return box;
    };

    QGroupBox *delay =
        frame(u"delayGroup"_s, QCoreApplication::translate("SettingsTab", "Time delay between time zones being shown"),
              480, 735);
    c.scanDelayEdit = b.make<LimitedTextBox>(u"scanDelayEdit"_s, delay, twipRect(120, 330, 735, 320), 2);
    c.scanDelayEdit->setAlignment(Qt::AlignCenter);
    c.scanDelayEdit->setAccessibleName(QCoreApplication::translate("SettingsTab", "Seconds between time zones"));
    b.order(c.scanDelayEdit, 44);
    c.scanDelayArrows = b.make<UpDownArrows>(u"scanDelayArrows"_s, delay, twipRect(840, 330, 195, 320));
    c.scanDelayArrows->setToolTip(QCoreApplication::translate(
        "SettingsTab", "Click either the up or down arrow to adjust the zone scan frequency"));
    c.scanDelayArrows->setAccessibleName(QCoreApplication::translate("SettingsTab", "Change the delay"));
    c.scanDelayArrows->setAccessibleDescription(
        QCoreApplication::translate("SettingsTab", "The Up and Down keys add or take away a second"));
    c.scanDelayArrows->upButton()->setAccessibleName(QCoreApplication::translate("SettingsTab", "Increase delay"));
    c.scanDelayArrows->downButton()->setAccessibleName(QCoreApplication::translate("SettingsTab", "Decrease delay"));
    b.order(c.scanDelayArrows, 28);
    b.label(u"scanDelayLabel"_s, delay, twipRect(1200, 390, 3855, 255),
            QCoreApplication::translate("SettingsTab", "This is the time in seconds between time zone scans"));

    QGroupBox *general = frame(u"generalGroup"_s,
                               //: The title of a group of check boxes.
                               QCoreApplication::translate("SettingsTab", "General"), 1280, 1030);
    c.startWithDesktopCheck =
        checkBox(b.make<QCheckBox>(u"startWithDesktopCheck"_s, general, twipRect(120, 270, 5415, 255),
                                   QCoreApplication::translate("SettingsTab", "Make Horalux load with windows")),
                 29,
                 QCoreApplication::translate(
                     "SettingsTab", "Check this box to either enable or disable the clock loading with windows"));
    c.alwaysOnTopCheck = checkBox(
        b.make<QCheckBox>(u"alwaysOnTopCheck"_s, general, twipRect(120, 510, 5415, 255),
                          QCoreApplication::translate("SettingsTab", "Make Horalux always on top (of other windows)")),
        30, QCoreApplication::translate("SettingsTab", "Check this box to make Horalux always on top"));
    c.twentyFourHourCheck = checkBox(
        b.make<QCheckBox>(
            u"twentyFourHourCheck"_s, general, twipRect(120, 750, 5415, 255),
            QCoreApplication::translate("SettingsTab", "Use a 24 hour clock instead of the standard 12 hour clock")),
        31,
        QCoreApplication::translate("SettingsTab",
                                    "Click here to make the clock 24 hour instead of 12 hour (or vice versa)"));

    QGroupBox *sync =
        frame(u"timeSyncGroup"_s,
              QCoreApplication::translate("SettingsTab",
                                          "Syncronize the system time using the Internet (more accurate time zones)"),
              2400, 615);
    c.timeSyncCheck = checkBox(
        b.make<QCheckBox>(u"timeSyncCheck"_s, sync, twipRect(120, 300, 5895, 255),
                          QCoreApplication::translate(
                              "SettingsTab", "Enable the system time to be syncronised to the Internet time servers")),
        32,
        QCoreApplication::translate(
            "SettingsTab", "Check this box to enable the time to be checked and set by the Internet Time servers"));

    QGroupBox *effects =
        frame(u"sceneryGroup"_s, QCoreApplication::translate("SettingsTab", "Use graphical effects"), 3120, 615);
    c.sceneryCheck = checkBox(
        b.make<QCheckBox>(u"sceneryCheck"_s, effects, twipRect(120, 300, 5895, 255),
                          QCoreApplication::translate(
                              "SettingsTab", "Use different background graphics to coincide with the time of zone")),
        33, QCoreApplication::translate("SettingsTab", "Check this box to enable different background graphics"));

    QGroupBox *dst =
        frame(u"daylightSavingGroup"_s, QCoreApplication::translate("SettingsTab", "DST Settings"), 3840, 1335);
    c.daylightSavingCheck = checkBox(
        b.make<WrappingCheckBox>(
            u"daylightSavingCheck"_s, dst, twipRect(120, 300, 5895, 975),
            QCoreApplication::translate(
                "SettingsTab",
                "Automatically adjust the time for countries that support DST. E.g. in the UK, between April and "
                "October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you "
                "specifically want to see the time in an accurate scientific manner, then leave this option "
                "checked.")),
        34, QCoreApplication::translate("SettingsTab", "Check this box to enable automatic adjustments for DST"));

    QGroupBox *exact =
        frame(u"exactZonesGroup"_s, QCoreApplication::translate("SettingsTab", "Exact time zones"), 5235, 615);
    c.exactZonesCheck = checkBox(
        b.make<QCheckBox>(u"exactZonesCheck"_s, exact, twipRect(120, 300, 5895, 255), exactZonesCaption(false)), 35,
        QCoreApplication::translate(
            "SettingsTab", "Check this box to show each zone's exact local time, with its own daylight-saving dates"));
}

void buildAboutPage(Builder &b, SettingsDialogControls &c)
{
    constexpr int page = 2;
    auto *about = b.onPage<QGroupBox>(u"aboutGroup"_s, page, twipRect(120, 360, 6135, 2775));
    about->setAccessibleName(QCoreApplication::translate("AboutTab", "About Horalux"));
    c.logo = b.make<QLabel>(u"logo"_s, about, twipRect(120, 240, 2520, 2460));
    c.logo->setAccessibleName(QCoreApplication::translate("AboutTab", "Horalux logo"));
    // The logo is built in; without it the place stays empty.
    const QString logo = u":/horalux/logo.png"_s;
    if (QFile::exists(logo))
        c.logo->setPixmap(QIcon(logo).pixmap(c.logo->size()));
    c.versionLabel = b.label(u"versionLabel"_s, about, twipRect(3000, 1320, 2775, 255), QString());
    c.helpLink = b.link(u"helpLink"_s, about, twipRect(3000, 2160, 3015, 255),
                        QCoreApplication::translate("AboutTab", "Click here for Instructions and Help"),
                        QCoreApplication::translate("AboutTab", "Click here for instructions and help"));
    // The links come after the tab bar and before OK, as each page's own controls do.
    b.order(c.helpLink, 36);

    auto *updates = b.onPage<QGroupBox>(u"updatesGroup"_s, page, twipRect(120, 3360, 6135, 2340),
                                        //: The title of the group about updating the program.
                                        QCoreApplication::translate("AboutTab", "Updates"));
    b.label(u"updatesLabel"_s, updates, twipRect(120, 300, 5895, 735),
            QCoreApplication::translate(
                "AboutTab",
                "Updates to Horalux are free of charge and you can update the clock as often as you like. If you "
                "download an update and find that the clock isn`t working, then go to the Horalux home page and "
                "download the latest full version."));
    c.updateLink = b.link(u"updateLink"_s, updates, twipRect(120, 1080, 4095, 255),
                          QCoreApplication::translate("AboutTab", "Click here to update your copy of Horalux now"),
                          QCoreApplication::translate("AboutTab", "Click here to update your copy of Horalux"));
    b.order(c.updateLink, 37);
}

void setWindowIcon(QWidget *window)
{
    QIcon icon;
    for (const QString &file : {u":/horalux/icon-16.png"_s, u":/horalux/icon-32.png"_s}) {
        if (QFile::exists(file))
            icon.addPixmap(platform::readPixmap(file, "png"));
    }
    if (!icon.isNull())
        window->setWindowIcon(icon);
}

} // namespace

SettingsDialogControls buildSettingsDialog(QWidget *window)
{
    window->setWindowTitle(QCoreApplication::translate("SettingsDialog", "Settings", "window title"));
    window->setFixedSize(px(6390), px(5640 + kExactRowTwips + kBottomMarginTwips));
    window->setFont(designFont(u"Liberation Sans"_s));
    setWindowIcon(window);

    SettingsDialogControls c;
    Builder b;
    tab_bar_accessible::install();
    c.tabControl = b.make<SettingsTabControl>(u"tabControl"_s, window, twipRect(0, 0, 6375, 5295 + kExactRowTwips));
    c.tabControl->addTab(new QWidget, QCoreApplication::translate("SettingsDialog", "Time Zones", "tab"));
    c.tabControl->addTab(new QWidget, QCoreApplication::translate("SettingsDialog", "Settings", "tab"));
    c.tabControl->addTab(new QWidget, QCoreApplication::translate("SettingsDialog", "About", "tab"));
    b.tabs = c.tabControl;
    // The tab bar takes the focus, not the tab control: chaining a control
    // that holds others would carry its pages' controls along, and the tab
    // control, first in the window, would pass the focus to its bar a
    // second time on each round.
    c.tabControl->setFocusProxy(nullptr);
    c.tabControl->setFocusPolicy(Qt::NoFocus);
    b.order(c.tabControl->tabBar(), 41);

    buildButtons(b, window, c);
    buildTimeZonesPage(b, c);
    buildSettingsPage(b, c);
    buildAboutPage(b, c);
    b.chainKeyboardOrder();
    c.tabControl->setCurrentIndex(0);
    return c;
}
