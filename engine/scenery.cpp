// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenery.h"

#include <array>

namespace scenery {

namespace {

constexpr LabelColours kNightColours {colours::White, colours::Yellow, colours::White};

const std::array<SceneryRow, 7> &rows()
{
    static const std::array<SceneryRow, 7> table {{
        {QTime(0, 0), "nighttime.bmp", kNightColours},
        {QTime(5, 0), "night.bmp", std::nullopt},
        {QTime(7, 0), "eve.bmp", std::nullopt},
        {QTime(8, 0), "day.bmp", std::nullopt},
        {QTime(19, 0), "eve.bmp", std::nullopt},
        {QTime(21, 0), "night.bmp", std::nullopt},
        {QTime(23, 0), "nighttime.bmp", kNightColours},
    }};
    return table;
}

} // namespace

const SceneryRow &forTimeOfDay(const QTime &time)
{
    const auto &table = rows();
    const SceneryRow *match = &table.front();
    for (const SceneryRow &row : table) {
        if (time >= row.from)
            match = &row;
    }
    return *match;
}

bool covers(const SceneryRow &row, const QTime &time)
{
    const auto &table = rows();
    if (time < row.from)
        return false;
    const SceneryRow *next = &row + 1;
    return next == table.data() + table.size() || time < next->from;
}

} // namespace scenery
