// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_confirmation.h"

#include "seconds_text.h"

#include <algorithm>

namespace cmdtime {

StepConfirmation confirmStep(const SntpQuery& query, const std::vector<SocketAddress>& addresses,
                             std::chrono::nanoseconds firstOffset)
{
    StepConfirmation confirmation;
    // The first address measured firstOffset: it cannot confirm it.
    std::vector<SocketAddress> asked(addresses.begin(), addresses.begin() + std::min<std::size_t>(addresses.size(), 1));
    std::string failures;
    for (const SocketAddress& address : addresses) {
        if (asked.size() > mostConfirmationAttempts)
            break;
        if (std::ranges::any_of(asked, [&](const SocketAddress& a) { return sameHost(a, address); }))
            continue;
        asked.push_back(address);
        const std::string name = addressText(address);
        const SntpResult answer = askServer(query, address, name, std::chrono::steady_clock::now() + query.timeout);
        if (!answer.ok) {
            failures += (failures.empty() ? "" : "; ") + answer.failure;
            continue;
        }
        if (std::chrono::abs(answer.offset - firstOffset) > confirmationTolerance) {
            confirmation.refusal = name + " gave " + formatOffset(answer.offset);
            return confirmation;
        }
        confirmation.confirmed = true;
        confirmation.offset = answer.offset;
        confirmation.confirmedBy = name;
        return confirmation;
    }
    if (asked.size() <= 1)
        confirmation.refusal = "needs a second server address to agree, but " + query.host + " has only one";
    else
        confirmation.refusal = "no second address confirmed it (" + failures + ")";
    return confirmation;
}

} // namespace cmdtime
