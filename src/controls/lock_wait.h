// Saves that must be done before the program goes on (closing the calculator,
// the currency window's Save) wait for the settings folder's lock while the
// windows still paint and a signal to end still ends the run; keys and clicks
// wait meanwhile, and are taken afterwards in their order.
#pragma once

#include <functional>

#include "calc/write_result.h"

namespace tivorum {

// Runs `attempt` until the folder lock lets it through, retrying for up to
// kLockPatience; then its last result (busy, with the message for the user).
[[nodiscard]] WriteResult saveWaitingForLock(const std::function<WriteResult()>& attempt);

}  // namespace tivorum
