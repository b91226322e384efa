#pragma once

// A log that asks for a stop once it holds so many lines, as a user's stop
// button might at any moment.
#include <cstddef>
#include <string_view>

#include "core/StepLog.h"
#include "core/StopSignal.h"

namespace korvane::test {

class StoppingLog : public MemoryStepLog {
  public:
    StoppingLog(std::size_t stopAt, StopSignal& stop) : stopAt_(stopAt), stop_(stop) {}
    void AppendStepLog(std::string_view line) override {
        MemoryStepLog::AppendStepLog(line);
        if (Lines().size() == stopAt_) stop_.Request();
    }

  private:
    std::size_t stopAt_;
    StopSignal& stop_;
};

}  // namespace korvane::test
