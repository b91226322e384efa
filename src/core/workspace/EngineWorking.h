#pragma once

#include <optional>
#include <string>

#include "core/StepLog.h"
#include "core/engine/Engine.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The computations of the 演算 menu on a part of an expression: each is
// introduced by naming what it finds, then logged exactly as the command
// logs it, on the same log (the command's clearing of the log is passed
// over).
class EngineWorking {
  public:
    EngineWorking(StepLog& log, const LogStyle& style) : log_(log), engine_(style) {}

    // The inverse by the reduction of [A | I]; nothing, after the command's
    // refusal and a line naming name, when a is singular.
    std::optional<WorkMatrix> Inverse(const WorkMatrix& a, const std::string& aName,
                                      const std::string& name);
    // The reduced row echelon form.
    WorkMatrix Rref(const WorkMatrix& a, const std::string& aName, const std::string& name);
    // The determinant of a square matrix by the reduction.
    ComplexFraction Determinant(const WorkMatrix& a, const std::string& name);

  private:
    // Passes every line on; a computation's clearing of the log is not passed.
    class Continued : public StepLog {
      public:
        explicit Continued(StepLog& log) : log_(log) {}
        void ClearStepLog() override {}
        void AppendStepLog(std::string_view line) override { log_.AppendStepLog(line); }

      private:
        StepLog& log_;
    };

    StepLog& log_;
    Engine engine_;
};

}  // namespace korvane
