// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "posix/file_descriptor.h"

#include <QString>

namespace platform {

// The socket a later start knocks on, beside the single-instance lock.
inline constexpr char kActivationSocketName[] = "horalux.socket";

// Listens on kActivationSocketName in the folder `folder` is open on, never
// blocking. Call only while holding the single-instance lock: a socket left
// by a clock that died is removed first. False, with listener not valid and
// problem saying why, when it cannot be had.
bool listenForActivation(int folder, posix::FileDescriptor &listener, QString *problem);

// Asks the clock listening in `folder` to come to the front: one byte, sent
// without waiting, so a clock that hangs cannot hold up the caller. False,
// and problem says why, when no one could be told.
bool requestActivation(int folder, QString *problem);

// Takes every waiting knock off `listener`; true when there was one.
bool takeActivationRequests(int listener);

} // namespace platform
