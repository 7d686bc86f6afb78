#pragma once

// Work started beside the calling thread.

#include <future>
#include <memory>
#include <system_error>
#include <type_traits>
#include <utility>

namespace vantrel::platform {

// Starts `work` on a thread of its own when `worthAThread`; otherwise, or when no thread can be
// had, it runs on the thread that asks the future for its result. The future's destructor waits
// for a started thread.
template <class Work>
std::future<std::invoke_result_t<std::decay_t<Work>&>> startBeside(bool worthAThread, Work&& work) {
    // Shared, so that the work is still whole for the second way when the first could not start.
    auto shared = std::make_shared<std::decay_t<Work>>(std::forward<Work>(work));
    auto run = [shared] { return (*shared)(); };
    if (worthAThread) {
        try {
            return std::async(std::launch::async, run);
        } catch (const std::system_error&) {
        }
    }
    return std::async(std::launch::deferred, run);
}

} // namespace vantrel::platform
