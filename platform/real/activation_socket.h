// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "posix/file_descriptor.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace platform {

// The socket a later start knocks on, beside the single-instance lock.
inline constexpr char kActivationSocketName[] = "horalux.socket";

// Listens on kActivationSocketName in the folder `folder` is open on, never
// blocking. Call only while holding the single-instance lock: a socket left
// by a clock that died is removed first. False, with listener not valid and
// problem saying why, when it cannot be had.
bool listenForActivation(int folder, posix::FileDescriptor &listener, QString *problem);

// The longest activation token passed on; a longer one is dropped.
inline constexpr int kMaxActivationToken = 255;

// Asks the clock listening in `folder` to come to the front, passing on
// `token` (it may be empty) and closing: sent without waiting, so a clock
// that hangs cannot hold up the caller. False, and problem says why, when no
// one could be told.
bool requestActivation(int folder, const QByteArray &token, QString *problem);

// Takes every waiting knock off `listener`, each a connection to read its
// token from, open, the caller's to close.
std::vector<int> takeActivationRequests(int listener);

// Reads what has come of a knock's token without waiting. True once the
// knocker has closed (or sent too much, or failed): then `token` is whole,
// or empty when it was not fit to pass on.
bool readActivationToken(int connection, QByteArray &token);

} // namespace platform
