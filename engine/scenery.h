// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

#include <optional>

// Colours are kept as 0x00BBGGRR values, the form the settings and the
// original artwork use; widgets turn them into real colours.
namespace colours {
constexpr quint32 Black = 0x00000000;
constexpr quint32 White = 0x00FFFFFF;
constexpr quint32 Yellow = 0x0000FFFF;
} // namespace colours

struct LabelColours {
    quint32 local;
    quint32 time;
    quint32 zone;

    friend bool operator==(const LabelColours &, const LabelColours &) = default;
};

struct SceneryRow {
    QTime from;                          // included; the row runs to the next row's start
    const char *picture;                 // file name in the program's folder
    std::optional<LabelColours> colours; // none: the labels stay black
};

namespace scenery {

// The row for a zone's time of day.
const SceneryRow &forTimeOfDay(const QTime &time);

// Whether a time of day still lies in the window of a row forTimeOfDay gave,
// without a lookup: the tick asks it every second.
bool covers(const SceneryRow &row, const QTime &time);

} // namespace scenery
