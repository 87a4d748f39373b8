// SPDX-License-Identifier: GPL-3.0-or-later
#include "caller_rights.h"

#include <sys/auxv.h>
#include <unistd.h>

namespace cmdtime {

bool runsWithMoreRightsThanCaller()
{
    // The kernel's own verdict on this exec: AT_SECURE is set for setuid and
    // setgid programs and for file capabilities that raised a non-root
    // caller's rights, but not for capabilities the caller already held
    // (root, or ambient ones handed down on purpose). Comparing capability
    // sets ourselves could not tell those apart.
    if (::getauxval(AT_SECURE) != 0)
        return true;
    // A privileged parent that kept a raised effective id for us.
    return ::getuid() != ::geteuid() || ::getgid() != ::getegid();
}

} // namespace cmdtime
