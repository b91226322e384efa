#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include "core/CellGrid.h"
#include "core/StepLog.h"
#include "core/StopSignal.h"

namespace korvane {

// One command's work on its own thread, on a copy of the grid, logging into
// a StepLog that must be safe to write from that thread. The owner looks at
// Done() (or waits a moment) and then takes the outcome; it may ask for a
// stop at any time. Destroying it stops the work and waits for its thread.
class BackgroundComputation {
  public:
    // Changes the grid it is given and says whether it did.
    using Work = std::function<bool(CellGrid& grid, StepLog& log)>;

    struct Outcome {
        CellGrid grid;  // the grid after the work; the start grid unless changed
        bool changed = false;
        bool stopped = false;  // ended by RequestStop
        std::string error;     // the message of the error that ended it, if any
    };

    BackgroundComputation(const CellGrid& grid, StepLog& log, Work work);
    ~BackgroundComputation();
    BackgroundComputation(const BackgroundComputation&) = delete;
    BackgroundComputation& operator=(const BackgroundComputation&) = delete;

    void RequestStop() { stop_.Request(); }
    bool Done() const;
    // Waits up to timeout for the work to end; true when it has.
    bool WaitFor(std::chrono::milliseconds timeout) const;
    // The row operations logged so far (sentences that name a row).
    std::size_t Steps() const { return steps_.load(std::memory_order_relaxed); }
    // Once Done(): the outcome, taken once.
    Outcome Take();

  private:
    // Passes every line on, counting the row operations among them.
    class CountingLog : public StepLog {
      public:
        CountingLog(StepLog& log, std::atomic<std::size_t>& steps) : log_(log), steps_(steps) {}
        void ClearStepLog() override;
        void AppendStepLog(std::string_view line) override;

      private:
        StepLog& log_;
        std::atomic<std::size_t>& steps_;
    };

    Outcome Run(CellGrid grid, const Work& work);

    StopSignal stop_;
    std::atomic<std::size_t> steps_{0};
    CountingLog log_;
    std::future<Outcome> outcome_;
};

}  // namespace korvane
