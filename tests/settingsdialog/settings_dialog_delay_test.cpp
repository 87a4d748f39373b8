// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_delay.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;
using settings::delayAccepted;
using settings::delayAfterDownArrow;
using settings::delayAfterUpArrow;
using settings::delayNumber;

namespace {

const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct NumberCase {
    QString text;
    QLocale locale;
    std::optional<double> number;
};

TEST(DelayNumber, ReadsPlainDecimalsWithTheLocalesSeparatorOnly)
{
    const NumberCase cases[] = {
        {u"20"_s, kC, 20},
        {u" 20 "_s, kC, 20},
        {u"+6"_s, kC, 6},
        {u"-3"_s, kC, -3},
        {u"5e1"_s, kC, 50},
        {u"7.5"_s, kEnglish, 7.5},
        {u"7,5"_s, kGerman, 7.5},
        {u"7.5"_s, kGerman, std::nullopt},
        {u"7,5"_s, kEnglish, std::nullopt},
        {u"1,000"_s, kEnglish, std::nullopt},
        {u""_s, kC, std::nullopt},
        {u"ab"_s, kC, std::nullopt},
        {u"2o"_s, kC, std::nullopt},
        {u"0x10"_s, kC, std::nullopt},
        {u"nan"_s, kC, std::nullopt},
        {u"inf"_s, kC, std::nullopt},
        {u"-inf"_s, kGerman, std::nullopt},
    };
    for (const NumberCase &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + c.locale.name().toStdString());
        EXPECT_EQ(delayNumber(c.text, c.locale), c.number);
    }
}

TEST(DelayNumber, AcceptsAboveFourAndBelowSixtyOne)
{
    const std::pair<QString, bool> cases[] = {
        {u"4"_s, false},  {u"4.5"_s, true}, {u"5"_s, true},    {u"60"_s, true}, {u"60.9"_s, true},
        {u"61"_s, false}, {u"99"_s, false}, {u"-20"_s, false}, {u""_s, false},  {u"ab"_s, false},
    };
    for (const auto &[text, accepted] : cases)
        EXPECT_EQ(delayAccepted(text, kC), accepted) << text.toStdString();
    EXPECT_TRUE(delayAccepted(u"4,5"_s, kGerman));
    EXPECT_FALSE(delayAccepted(u"4.5"_s, kGerman));
}

TEST(DelayArrows, StepAndWrapWithinFiveToSixty)
{
    struct ArrowCase {
        QString before;
        QString up;
        QString down;
    };
    const ArrowCase cases[] = {
        {u"20"_s, u"21"_s, u"19"_s},    {u"60"_s, u"5"_s, u"59"_s},     {u"59"_s, u"60"_s, u"58"_s},
        {u"5"_s, u"6"_s, u"60"_s},      {u"6"_s, u"7"_s, u"5"_s},       {u"99"_s, u"5"_s, u"98"_s},
        {u"-3"_s, u"-2"_s, u"60"_s},    {u"7.5"_s, u"8.5"_s, u"6.5"_s}, {u"59.5"_s, u"60.5"_s, u"58.5"_s},
        {u"60.5"_s, u"5"_s, u"59.5"_s}, {u""_s, u"5"_s, u"60"_s},       {u"ab"_s, u"5"_s, u"60"_s},
    };
    for (const ArrowCase &c : cases) {
        SCOPED_TRACE(c.before.toStdString());
        EXPECT_EQ(delayAfterUpArrow(c.before, kC), c.up);
        EXPECT_EQ(delayAfterDownArrow(c.before, kC), c.down);
    }
}

TEST(DelayArrows, WriteTheLocalesFormWithoutGrouping)
{
    EXPECT_EQ(delayAfterUpArrow(u"7,5"_s, kGerman), u"8,5");
    EXPECT_EQ(delayAfterUpArrow(u"7.5"_s, kGerman), u"5") << "not a number in German";
    EXPECT_EQ(delayAfterDownArrow(u"1001"_s, kEnglish), u"1000");
}

} // namespace
