#pragma once

// What the benchmarks of big computations log into, and how soon such a
// computation ends once a stop is asked for.
#include <chrono>
#include <functional>
#include <future>
#include <string_view>
#include <thread>

#include "core/StepLog.h"
#include "core/StopSignal.h"

namespace korvane {

// Keeps nothing: the lines are only counted, as a null device would.
class CountingStepLog : public StepLog {
  public:
    void ClearStepLog() override { bytes_ = 0; }
    void AppendStepLog(std::string_view line) override { bytes_ += line.size() + 1; }
    std::size_t Bytes() const { return bytes_; }

  private:
    std::size_t bytes_ = 0;
};

// Runs work on a thread of its own, watching a stop, asks for the stop
// `after` into it, and returns the seconds from the request to the work's
// end (which a stop ends by ComputationStopped).
inline double SecondsToStop(std::chrono::milliseconds after,
                            const std::function<void(StepLog& log)>& work) {
    using Clock = std::chrono::steady_clock;
    StopSignal stop;
    auto done = std::async(std::launch::async, [&] {
        const WatchStopSignal watch(stop);
        CountingStepLog log;
        try {
            work(log);
        } catch (const ComputationStopped&) {
        }
        return Clock::now();
    });
    std::this_thread::sleep_for(after);
    const Clock::time_point requested = Clock::now();
    stop.Request();
    return std::chrono::duration<double>(done.get() - requested).count();
}

}  // namespace korvane
