#include "core/BackgroundComputation.h"

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <exception>
#include <new>

#include "mklibs/Integer.h"

namespace korvane {

void BackgroundComputation::CountingLog::ClearStepLog() {
    log_.ClearStepLog();
}

void BackgroundComputation::CountingLog::AppendStepLog(std::string_view line) {
    log_.AppendStepLog(line);
    // Every row-operation sentence names a row as "…行目"; matrix lines and
    // the other sentences never do.
    if (line.find("行目") != std::string_view::npos) steps_.fetch_add(1, std::memory_order_relaxed);
}

BackgroundComputation::BackgroundComputation(const CellGrid& grid, StepLog& log, Work work)
    : log_(log, steps_) {
    outcome_ = std::async(std::launch::async,
                          [this, grid, work = std::move(work)] { return Run(grid, work); });
}

BackgroundComputation::~BackgroundComputation() {
    if (outcome_.valid()) {
        stop_.Request();
        outcome_.wait();
    }
}

namespace {

// The work yields to the thread that started it: where the two share a core,
// the window keeps answering while the work goes on.
void YieldToOtherThreads() {
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

}  // namespace

BackgroundComputation::Outcome BackgroundComputation::Run(CellGrid grid, const Work& work) {
    YieldToOtherThreads();
    const WatchStopSignal watch(stop_);
    Outcome outcome;
    outcome.grid = grid;
    try {
        outcome.changed = work(grid, log_);
        if (outcome.changed) outcome.grid = std::move(grid);
    } catch (const ComputationStopped&) {
        outcome.stopped = true;
    } catch (const std::bad_alloc&) {
        outcome.error = "メモリが足りないため、計算を続けられません。";
    } catch (const std::exception& e) {
        outcome.error = e.what();
    }
    // The thread ends with the work: what FLINT kept for it would be lost.
    ReleaseThreadNumbers();
    return outcome;
}

bool BackgroundComputation::Done() const {
    return WaitFor(std::chrono::milliseconds(0));
}

bool BackgroundComputation::WaitFor(std::chrono::milliseconds timeout) const {
    return outcome_.wait_for(timeout) == std::future_status::ready;
}

BackgroundComputation::Outcome BackgroundComputation::Take() {
    return outcome_.get();
}

}  // namespace korvane
