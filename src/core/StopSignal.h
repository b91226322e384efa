#pragma once

#include <atomic>

#include "mklibs/Errors.h"

namespace korvane {

// Ends a computation that was asked to stop; what() is the line the log
// closes with.
class ComputationStopped : public Error {
  public:
    ComputationStopped() : Error("計算を中止しました。") {}
};

// A request to stop, made from any thread and seen by the computation that
// watches it. The computation looks between entries, so even an operation
// on huge entries ends soon after the request.
class StopSignal {
  public:
    void Request() noexcept { requested_.store(true, std::memory_order_relaxed); }
    void Clear() noexcept { requested_.store(false, std::memory_order_relaxed); }
    bool Requested() const noexcept { return requested_.load(std::memory_order_relaxed); }

  private:
    std::atomic<bool> requested_{false};
};

// While it lives, the calling thread's computations watch signal: StopPoint
// throws ComputationStopped once a stop is requested. Scopes nest; the inner
// one wins until it ends.
class WatchStopSignal {
  public:
    explicit WatchStopSignal(const StopSignal& signal);
    ~WatchStopSignal();
    WatchStopSignal(const WatchStopSignal&) = delete;
    WatchStopSignal& operator=(const WatchStopSignal&) = delete;

  private:
    const StopSignal* outer_;
};

// Called by long computations between small pieces of work (an entry, a
// printed row). Does nothing on a thread that watches no signal.
void StopPoint();

}  // namespace korvane
