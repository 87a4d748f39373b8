// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/program_version.h"

#include "horalux_version.h"

QString ProgramVersion::dotted() const
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString ProgramVersion::digits() const
{
    return QStringLiteral("%1%2%3").arg(major).arg(minor).arg(revision);
}

ProgramVersion ProgramVersion::current()
{
    return {quint16(horalux_version::Major), quint16(horalux_version::Minor), quint16(horalux_version::Revision)};
}
