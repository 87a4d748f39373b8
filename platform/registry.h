// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

// A string-valued key/value store in the shape of the Windows registry. The
// only entry the clock uses is its start-with-the-desktop entry.
class Registry {
public:
    virtual ~Registry() = default;

    virtual QString GetRegString(RegistryRoot root, const QString &path, const QString &valueName,
                                 const QString &defaultValue = QString()) = 0;
    // False, with why in words for the user, when the value was not stored
    // (on disk, where it lives in a file).
    virtual bool SetRegString(RegistryRoot root, const QString &path, const QString &valueName, const QString &data,
                              QString *problem = nullptr) = 0;
};

} // namespace platform
