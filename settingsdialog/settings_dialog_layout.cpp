// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_layout.h"

#include "engine/zone_catalogue.h"
#include "platform/image_file.h"
#include "settingsdialog/settings_dialog_link_label.h"
#include "settingsdialog/settings_dialog_tab_control.h"
#include "settingsdialog/settings_dialog_text_box.h"
#include "settingsdialog/settings_dialog_wrapping_check_box.h"
#include "settingsdialog/updown_arrows.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>

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

const QString kOffsetTip = u"Enter the time difference between this time zone and GMT. E.g. France would have a "
                           "difference of +1 and Arizona, USA would have a difference of -7"_s;

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
// The zone rows and the custom-zone frame spread over the height the exact
// row added, so the first tab ends where the others do.
constexpr int kZoneRowPitch = 270;

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
        {c.okButton, u"okButton"_s, u"&OK"_s, 3240, 38, u"Click here to save changes and exit"_s},
        {c.cancelButton, u"cancelButton"_s, u"&Cancel"_s, 4320, 40, u"Click here to exit without saving changes"_s},
        {c.applyButton, u"applyButton"_s, u"&Apply"_s, 5400, 39, u"Click here to save changes"_s},
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
    auto *intro = b.onPage<QLabel>(u"zonesIntroLabel"_s, page, twipRect(120, 405, 6135, 660),
                                   u"From the list below, check which time zones you wish to see shown with "
                                   "Horalux. If you remove the check from a time zone, then that zone will be "
                                   "skipped by Horalux."_s);
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
                                        QString::fromUtf8(zone->boxCaption));
        box->setToolTip(u"Check to enable this time zone, uncheck to disable it."_s);
        b.order(box, position);
        c.zoneBoxes.insert(key, box);
    }

    auto *frame = b.onPage<QGroupBox>(u"customZonesGroup"_s, page, twipRect(120, 4440, 6135, 1275),
                                      u"Custom Time Zones. Please type in the name of your own time zone"_s);
    const QFont narrow = designFont(u"Liberation Sans Narrow"_s);
    struct Row {
        LimitedTextBox *&name;
        LimitedTextBox *&offset;
        QPushButton *&reset;
        int number;
        int top;
        int nameOrder;
        int resetOrder;
    };
    const Row rows[] = {
        {c.customName1Edit, c.customOffset1Edit, c.resetCustom1Button, 1, 390, 24, 53},
        {c.customName2Edit, c.customOffset2Edit, c.resetCustom2Button, 2, 810, 26, 54},
    };
    for (const Row &row : rows) {
        const QString n = QString::number(row.number);
        row.name = b.make<LimitedTextBox>(u"customName%1Edit"_s.arg(n), frame, twipRect(120, row.top, 3375, 270), 30);
        row.name->setText(customZonePlaceholder());
        row.name->setFont(narrow);
        row.name->setToolTip(
            u"Enter any name you wish in here, this can be your town/city, country or even your name"_s);
        b.order(row.name, row.nameOrder);

        QLabel *offsetLabel = b.label(u"customOffset%1Label"_s.arg(row.number), frame,
                                      twipRect(3600, row.top, 675, 225), u"GMT offset"_s);
        offsetLabel->setFont(narrow);
        offsetLabel->setToolTip(kOffsetTip);

        row.offset =
            b.make<LimitedTextBox>(u"customOffset%1Edit"_s.arg(n), frame, twipRect(4440, row.top, 615, 270), 5);
        row.offset->setText(u"0"_s);
        row.offset->setAlignment(Qt::AlignCenter);
        row.offset->setFont(narrow);
        row.offset->setToolTip(kOffsetTip);
        b.order(row.offset, row.nameOrder + 1);

        row.reset =
            b.make<QPushButton>(u"resetCustom%1Button"_s.arg(n), frame, twipRect(5160, row.top, 855, 255), u"Reset"_s);
        row.reset->setToolTip(u"Click here to delete this custom time zone"_s);
        row.reset->setAutoDefault(false);
        b.order(row.reset, row.resetOrder);
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

    QGroupBox *delay = frame(u"delayGroup"_s, u"Time delay between time zones being shown"_s, 480, 735);
    c.scanDelayEdit = b.make<LimitedTextBox>(u"scanDelayEdit"_s, delay, twipRect(120, 330, 735, 320), 2);
    c.scanDelayEdit->setAlignment(Qt::AlignCenter);
    b.order(c.scanDelayEdit, 44);
    c.scanDelayArrows = b.make<UpDownArrows>(u"scanDelayArrows"_s, delay, twipRect(840, 330, 195, 320));
    c.scanDelayArrows->setToolTip(u"Click either the up or down arrow to adjust the zone scan frequency"_s);
    b.order(c.scanDelayArrows, 28);
    b.label(u"scanDelayLabel"_s, delay, twipRect(1200, 390, 3855, 255),
            u"This is the time in seconds between time zone scans"_s);

    QGroupBox *general = frame(u"generalGroup"_s, u"General"_s, 1280, 1030);
    c.startWithDesktopCheck =
        checkBox(b.make<QCheckBox>(u"startWithDesktopCheck"_s, general, twipRect(120, 270, 5415, 255),
                                   u"Make Horalux load with windows"_s),
                 29, u"Check this box to either enable or disable the clock loading with windows"_s);
    c.alwaysOnTopCheck = checkBox(b.make<QCheckBox>(u"alwaysOnTopCheck"_s, general, twipRect(120, 510, 5415, 255),
                                                    u"Make Horalux always on top (of other windows)"_s),
                                  30, u"Check this box to make Horalux always on top"_s);
    c.twentyFourHourCheck = checkBox(b.make<QCheckBox>(u"twentyFourHourCheck"_s, general, twipRect(120, 750, 5415, 255),
                                                       u"Use a 24 hour clock instead of the standard 12 hour clock"_s),
                                     31, u"Click here to make the clock 24 hour instead of 12 hour (or vice versa)"_s);

    QGroupBox *sync = frame(u"timeSyncGroup"_s,
                            u"Syncronize the system time using the Internet (more accurate time zones)"_s, 2400, 615);
    c.timeSyncCheck =
        checkBox(b.make<QCheckBox>(u"timeSyncCheck"_s, sync, twipRect(120, 300, 5895, 255),
                                   u"Enable the system time to be syncronised to the Internet time servers"_s),
                 32, u"Check this box to enable the time to be checked and set by the Internet Time servers"_s);

    QGroupBox *effects = frame(u"sceneryGroup"_s, u"Use graphical effects"_s, 3120, 615);
    c.sceneryCheck =
        checkBox(b.make<QCheckBox>(u"sceneryCheck"_s, effects, twipRect(120, 300, 5895, 255),
                                   u"Use different background graphics to coincide with the time of zone"_s),
                 33, u"Check this box to enable different background graphics"_s);

    QGroupBox *dst = frame(u"daylightSavingGroup"_s, u"DST Settings"_s, 3840, 1335);
    c.daylightSavingCheck = checkBox(
        b.make<WrappingCheckBox>(
            u"daylightSavingCheck"_s, dst, twipRect(120, 300, 5895, 975),
            u"Automatically adjust the time for countries that support DST. E.g. in the UK, between April and "
            "October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you "
            "specifically want to see the time in an accurate scientific manner, then leave this option checked."_s),
        34, u"Check this box to enable automatic adjustments for DST"_s);

    QGroupBox *exact = frame(u"exactZonesGroup"_s, u"Exact time zones"_s, 5235, 615);
    c.exactZonesCheck =
        checkBox(b.make<QCheckBox>(u"exactZonesCheck"_s, exact, twipRect(120, 300, 5895, 255),
                                   u"Use each zone's own clock rules (time-zone database)"_s),
                 35, u"Check this box to show each zone's exact local time, with its own daylight-saving dates"_s);
}

void buildAboutPage(Builder &b, SettingsDialogControls &c)
{
    constexpr int page = 2;
    auto *about = b.onPage<QGroupBox>(u"aboutGroup"_s, page, twipRect(120, 360, 6135, 2775));
    c.logo = b.make<QLabel>(u"logo"_s, about, twipRect(120, 240, 2520, 2460));
    // The logo is built in; without it the place stays empty.
    const QString logo = u":/horalux/logo.png"_s;
    if (QFile::exists(logo))
        c.logo->setPixmap(QIcon(logo).pixmap(c.logo->size()));
    c.versionLabel = b.label(u"versionLabel"_s, about, twipRect(3000, 1320, 2775, 255), u"This is version 1.1.1"_s);
    c.helpLink = b.link(u"helpLink"_s, about, twipRect(3000, 2160, 3015, 255),
                        u"Click here for Instructions and Help"_s, u"Click here for instructions and help"_s);

    auto *updates = b.onPage<QGroupBox>(u"updatesGroup"_s, page, twipRect(120, 3360, 6135, 2340), u"Updates"_s);
    b.label(u"updatesLabel"_s, updates, twipRect(120, 300, 5895, 735),
            u"Updates to Horalux are free of charge and you can update the clock as often as you like. If you "
            "download an update and find that the clock isn`t working, then go to the Horalux home page and "
            "download the latest full version."_s);
    c.updateLink =
        b.link(u"updateLink"_s, updates, twipRect(120, 1080, 4095, 255),
               u"Click here to update your copy of Horalux now"_s, u"Click here to update your copy of Horalux"_s);
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
    window->setWindowTitle(u"Settings"_s);
    window->setFixedSize(px(6390), px(5640 + kExactRowTwips + kBottomMarginTwips));
    window->setFont(designFont(u"Liberation Sans"_s));
    setWindowIcon(window);

    SettingsDialogControls c;
    Builder b;
    c.tabControl = b.make<SettingsTabControl>(u"tabControl"_s, window, twipRect(0, 0, 6375, 5295 + kExactRowTwips));
    for (const QString &caption : {u"Time Zones"_s, u"Settings"_s, u"About"_s})
        c.tabControl->addTab(new QWidget, caption);
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
