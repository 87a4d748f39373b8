// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <limits>
#include <optional>
#include <span>

// Every setting the clock keeps, each defined once: where it lives, what a
// missing value reads as, and which texts mean something. Values are always
// text; a switch or a flag is compared exactly and case-sensitively with one
// literal, never parsed, so "true" is not "True".
namespace settings_schema {

enum class Kind {
    Switch, // "True" or "False"
    Flag,   // "1" or "0"
    Number, // decimal text
    Date,   // the user's short date; its reader passes today as the default
    Text,   // as typed
};

// The numbers a Number setting accepts; anything else reads as no number.
struct NumberRule {
    double lowest = -std::numeric_limits<double>::max();
    double highest = std::numeric_limits<double>::max();
    // Only the whole part counts (7.9 seconds are 7), and it is the whole part
    // that must lie in range.
    bool wholeUnits = false;
    // Typed by a person, so the user's own decimal separator counts as well as
    // the dot; otherwise the program wrote it and only the dot counts.
    bool typed = false;
};

struct Setting {
    QString section;
    QString key;
    QString defaultText;
    Kind kind = Kind::Text;
    NumberRule number {};
};

inline const QString App = QStringLiteral("Horalux");

enum class SwitchState { True, False, Neither };

const QString &switchText(bool on);
const QString &flagText(bool on);

// What a switch's text says: exactly "True", exactly "False", or neither.
SwitchState switchState(const QString &text);
// A flag is set only by exactly "1".
bool flagSet(const QString &text);
// The number a Number setting's text holds, or nothing when the text is no
// number its rule accepts.
std::optional<double> numberIn(const Setting &setting, const QString &text);
// As numberIn, with the setting's own default standing in for a text it
// does not accept.
double numberOrDefault(const Setting &setting, const QString &text);
// The number a missing Number setting reads as.
double defaultNumber(const Setting &setting);

} // namespace settings_schema

// The table. Readers take these and go through TypedSettings; no other code
// spells a key, a section or a default.
namespace setting {

using settings_schema::Kind;
using settings_schema::Setting;

namespace section {
inline const QString Data = QStringLiteral("data");
// The window's own keys were always written under this spelling; the store
// matches sections regardless of case, so both reach the same values.
inline const QString DataCapital = QStringLiteral("Data");
inline const QString Version = QStringLiteral("version");
} // namespace section

// Seconds between zones, whole seconds only. Any number the rotation timer
// can run counts (it takes up to 65 535 ms, and 0 would stop it); other text
// counts as 20. The dialog itself keeps to 5 to 60.
inline const Setting Scan {
    section::Data, QStringLiteral("scan"), QStringLiteral("20"), Kind::Number, {1, 65535 / 1000, true, true}};
// Readers differ: the tick shows 12 hours only for exactly "False", the
// dialog ticks its box only for exactly "True", start-up fills an empty one.
inline const Setting TwentyFourHour {section::Data, QStringLiteral("24hr"), QStringLiteral("False"), Kind::Switch};
// Off only for exactly "False" on the clock.
inline const Setting DaylightSaving {section::Data, QStringLiteral("dst"), QStringLiteral("True"), Kind::Switch};
// Time-of-day scenery only for exactly "True".
inline const Setting Graphic {section::Data, QStringLiteral("graphic"), QStringLiteral("True"), Kind::Switch};
// Internet time only for exactly "True".
inline const Setting Sync {section::Data, QStringLiteral("sync"), QStringLiteral("True"), Kind::Switch};
// "True" raises the window, "False" lowers it, any other text leaves it be.
inline const Setting OnTop {section::DataCapital, QStringLiteral("ontop"), QStringLiteral("False"), Kind::Switch};
// The time-zone database for every zone, the default; any text but "True"
// keeps the fixed offsets and the one shared summer rule of old.
inline const Setting Exact {section::Data, QStringLiteral("exact"), QStringLiteral("True"), Kind::Switch};
// The window's left and top edges in twips, single-precision numbers.
inline const Setting FormX {section::DataCapital,
                            QStringLiteral("FormX"),
                            QStringLiteral("200"),
                            Kind::Number,
                            {-std::numeric_limits<float>::max(), std::numeric_limits<float>::max()}};
inline const Setting FormY {section::DataCapital,
                            QStringLiteral("FormY"),
                            QStringLiteral("200"),
                            Kind::Number,
                            {-std::numeric_limits<float>::max(), std::numeric_limits<float>::max()}};
// The day of the last update check.
inline const Setting LastUpdateCheck {section::Data, QStringLiteral("lastupdatecheck"), QString(), Kind::Date};
// The notice before the first Internet access has been shown; shown only
// while exactly "False".
inline const Setting InternetNoticeShown {section::Data, QStringLiteral("check"), QStringLiteral("False"),
                                          Kind::Switch};
// The newest signed version list seen: its date (yyyyMMddTHHmmssZ, UTC) and
// its entry, below which nothing is downloaded.
inline const Setting VersionListDate {section::Data, QStringLiteral("versionlistdate"), QString(), Kind::Text};
inline const Setting VersionListEntry {section::Data, QStringLiteral("versionlisted"), QString(), Kind::Text};

// A preset zone takes part in the rotation only for exactly "1".
Setting zoneEnabled(const QString &zoneKey);
// Custom zone N (tzN, diffN, zoneN), 1..zone_catalogue::CustomCount: its
// name (empty or missing: no such zone) and its GMT offset in hours as typed.
Setting customName(int customNumber);
Setting customOffset(int customNumber);
// The time-zone database id the custom zone was chosen as; empty when the
// user typed the zone themselves.
Setting customZoneId(int customNumber);
// A version the update list offered: "1" once the user has been told of it.
Setting versionOffered(const QString &version);

// Every setting above whose key is fixed.
std::span<const Setting *const> fixedSettings();

} // namespace setting
