// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The running program's version: three 16-bit numbers.
struct ProgramVersion {
    quint16 major = 0;
    quint16 minor = 0;
    quint16 revision = 0;

    // 1.0.7
    QString dotted() const;
    // 107: the three numbers one after the other.
    QString digits() const;

    // The version this program was built as.
    static ProgramVersion current();
};
