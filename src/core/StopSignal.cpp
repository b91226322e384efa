#include "core/StopSignal.h"

namespace korvane {

namespace {

// The signal the calling thread's computation watches, if any. One per
// thread, so the window's worker can be stopped while another thread (a
// test, the event loop) computes unwatched.
thread_local const StopSignal* watched = nullptr;

}  // namespace

WatchStopSignal::WatchStopSignal(const StopSignal& signal) : outer_(watched) {
    watched = &signal;
}

WatchStopSignal::~WatchStopSignal() {
    watched = outer_;
}

void StopPoint() {
    if (watched != nullptr && watched->Requested()) throw ComputationStopped();
}

}  // namespace korvane
