// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsstore/ini_format.h"

#include <QString>

namespace faults {

// One save of the numbered sequence the fault loops run. A number always gives
// the same save, so the process that kills a saver knows what it was told.
struct NumberedSave {
    QString section;
    QString key;
    QString value;
};

// Mostly a few hot names (as the clock saves its own settings over and over),
// the rest spread over keyCount names; names and values include texts that
// need escaping, other letter cases of a name, and values of every length.
// Every value holds its number, so each save changes the file.
NumberedSave numberedSave(quint32 number, int keyCount);

// What the file must hold after saves 1..n: applied in order to a document.
inline void applySave(settings::IniDocument &document, const NumberedSave &save)
{
    document.set(save.section, save.key, save.value);
}

} // namespace faults
