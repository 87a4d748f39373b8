// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"
#include "engine/zone_catalogue.h"
#include "settings_dialog_test_world.h"
#include "settingsdialog/settings_dialog_wrapping_check_box.h"
#include "update/download_dialog.h"
#include "update/download_format.h"

#include "http/curl_http.h"
#include "platform/real/qt_event_pump.h"
#include "platform/tick_counter.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTranslator>

using namespace settings_dialog_test;

namespace {

// Installs a language for one test and takes it away again.
class Language {
public:
    explicit Language(const QString &name) : loaded(translations::install(*QCoreApplication::instance(), QLocale(name)))
    {
    }
    ~Language() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); }
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    const QString loaded;
};

QString translated(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

// What of a text control cannot be seen at its fixed size, or empty.
QString cutText(QWidget *control)
{
    const QFontMetrics metrics(control->font());
    if (auto *box = qobject_cast<WrappingCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const int left = indicator.right() + 1 + box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        const QRect room(left, 0, box->width() - left, box->height());
        const QRect wanted = metrics.boundingRect(room, Qt::AlignLeft | Qt::TextWordWrap, box->text());
        return wanted.width() <= room.width() && wanted.height() <= room.height() ? QString() : box->text();
    }
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (label->text().isEmpty())
            return {};
        const QRect room = label->contentsRect();
        const bool fits = label->wordWrap()
            ? label->heightForWidth(room.width()) <= room.height() && label->minimumSizeHint().width() <= room.width()
            : label->sizeHint().width() <= label->width();
        return fits ? QString() : label->text();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        if (button->text().isEmpty())
            return {};
        // A push button's size hint has a floor of its own: what must fit is
        // its text inside the frame the style draws.
        if (auto *push = qobject_cast<QPushButton *>(button)) {
            QStyleOptionButton option;
            option.initFrom(push);
            const QRect room = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            return metrics.size(Qt::TextShowMnemonic, push->text()).width() <= room.width() ? QString() : push->text();
        }
        return button->sizeHint().width() <= button->width() ? QString() : button->text();
    }
    if (auto *group = qobject_cast<QGroupBox *>(control)) {
        const int wanted = metrics.horizontalAdvance(group->title()) + 2 * metrics.averageCharWidth();
        return wanted <= group->width() ? QString() : group->title();
    }
    return {};
}

class StillTicks final : public platform::TickCounter {
public:
    quint32 tickCount() const override { return 0; }
};

class Translations : public DialogWorld, public ::testing::WithParamInterface<std::string> {};

// English and every language the build lists.
std::vector<std::string> languages()
{
    std::vector<std::string> all {"en"};
    for (const QString &language : QStringLiteral(HORALUX_LANGUAGES).split(u','))
        all.push_back(language.toStdString());
    return all;
}

} // namespace

TEST_P(Translations, EachLanguageIsLoadedForItsLocaleWithQtsOwn)
{
    const QString language = QString::fromStdString(GetParam());
    const Language installed(language);
    if (language == QLatin1String("en")) {
        EXPECT_TRUE(installed.loaded.isEmpty()) << "English is the program's own";
        EXPECT_EQ(translated("ClockMenu", "&Exit"), QStringLiteral("&Exit"));
        return;
    }
    ASSERT_EQ(installed.loaded, language);
    EXPECT_NE(translated("ClockMenu", "&Exit"), QStringLiteral("&Exit"));
    EXPECT_NE(translated("Zones", "United Kingdom"), QStringLiteral("United Kingdom"));
    EXPECT_NE(translated("QPlatformTheme", "&Yes"), QStringLiteral("&Yes")) << "Qt's own buttons";
}

TEST(ChooseLanguage, TheFirstSpokenOfTheUsersLanguagesUnlessEnglishComesFirst)
{
    const struct {
        QStringList uiLanguages;
        const char *chosen;
    } cases[] = {
        {{QStringLiteral("de-AT")}, "de"},
        {{QStringLiteral("it-IT"), QStringLiteral("fr-FR")}, "fr"},
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, ""},
        {{QStringLiteral("pt-BR")}, ""},
        {{QStringLiteral("ja")}, "ja"},
        {{QStringLiteral("C")}, ""},
        {{}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(translations::chooseLanguage(c.uiLanguages), QLatin1String(c.chosen))
            << c.uiLanguages.join(u',').toStdString();
}

// The dialog and the clock's labels keep their fixed sizes: a translation must fit them.
TEST_P(Translations, EveryTextOfTheDialogFitsItsControl)
{
    const Language installed(QString::fromStdString(GetParam()));
    open();
    dialog->show();
    QStringList cut;
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
        const QString text = cutText(control);
        if (!text.isEmpty())
            cut << control->objectName() + QStringLiteral(": ") + text;
    }
    QTabBar *tabs = dialog->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->tabRect(tab).right() >= tabs->parentWidget()->width())
            cut << QStringLiteral("tab: ") + tabs->tabText(tab);
    }
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral("\n")).toStdString();

    // Pictures of each tab for a reviewer who reads the language.
    const QString shots = qEnvironmentVariable("HORALUX_SCREENSHOT_DIR");
    for (int tab = 0; !shots.isEmpty() && tab < tabs->count(); ++tab) {
        dialog->tabs()->setCurrentIndex(tab);
        QDir().mkpath(shots);
        EXPECT_TRUE(dialog->grab().save(
            QStringLiteral("%1/dialog-%2-%3.png").arg(shots, QString::fromStdString(GetParam())).arg(tab)));
    }

    // The zone label of the clock: 2100 twips in Liberation Sans 8.25 pt.
    QFont zoneFont(QStringLiteral("Liberation Sans"));
    zoneFont.setPointSizeF(8.25);
    const QFontMetrics metrics(zoneFont);
    for (const PresetZone &zone : zone_catalogue::presets())
        EXPECT_LE(metrics.horizontalAdvance(zone_catalogue::shownName(zone)), 2100 / 15) << zone.key;
}

// The download window's progress lines, at their longest, within its fixed progress label.
TEST_P(Translations, TheLongestProgressFitsTheDownloadWindow)
{
    const Language installed(QString::fromStdString(GetParam()));
    platform::QtEventPump events;
    platform::CurlHttp http {events};
    StillTicks ticks;
    DownloadDialog download {http, messages, ticks, events};
    const struct {
        qint64 received, total, elapsedMs;
    } cases[] = {
        {511'500'000, 1'023'000'000, 215'940'000}, // 59 hours 59 minutes left, two sizes in MB
        {900'000, -1, 700},                        // the total unknown
        {1'000, 1'023'000'000, 59'000},            // the time left at its widest
    };
    for (const auto &c : cases) {
        const auto progress = transferProgress(c.received, c.total, c.elapsedMs, QStringLiteral("horaluxupdate.exe"));
        ASSERT_TRUE(progress);
        download.progressLabel().setText(QString(progress->progressText).replace(u'\r', u'\n'));
        EXPECT_EQ(cutText(&download.progressLabel()), QString()) << c.received;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Translations, ::testing::ValuesIn(languages()),
                         [](const auto &info) { return info.param; });
