// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host_resolver.h"
#include "sntp_client.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace cmdtime {

// SNTP carries no authentication: anyone on the path, or one server gone
// wrong, can tell of any time at all. A step larger than this is made only
// when a second server address tells the same time.
inline constexpr std::chrono::seconds largestUnconfirmedStep {1000};
inline constexpr std::chrono::seconds confirmationTolerance {1};
// Each of them may take the whole timeout: this bounds the run.
inline constexpr std::size_t mostConfirmationAttempts = 3;

struct StepConfirmation {
    bool confirmed = false;
    std::chrono::nanoseconds offset {0}; // with confirmed: the confirming answer's
    std::string confirmedBy;             // with confirmed: that address
    std::string refusal; // without confirmed: why, as it follows "a step of ... is more than 1000 s and "
};

// Asks the addresses other than the first, the one that measured
// firstOffset, in turn until one answers; that answer decides. An address
// never confirms itself, however it is spelt or however often it is listed.
StepConfirmation confirmStep(const SntpQuery& query, const std::vector<SocketAddress>& addresses,
                             std::chrono::nanoseconds firstOffset);

} // namespace cmdtime
