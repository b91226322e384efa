#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The log pane's lines: every computation writes its steps here.
class StepLog {
  public:
    virtual ~StepLog() = default;
    virtual void ClearStepLog() = 0;
    virtual void AppendStepLog(std::string_view line) = 0;
};

// A StepLog kept in memory, for the command-line front end and tests.
class MemoryStepLog : public StepLog {
  public:
    void ClearStepLog() override { lines_.clear(); }
    void AppendStepLog(std::string_view line) override { lines_.emplace_back(line); }

    const std::vector<std::string>& Lines() const { return lines_; }
    // Every line followed by '\n'.
    std::string Text() const;

  private:
    std::vector<std::string> lines_;
};

}  // namespace korvane
