#pragma once

// The matrices of closed forms the Jordan form gives: Jⁿ or e^{tJ} block
// by block, and P·(that)·P⁻¹, each entry a ModeSum; and how they print.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/StepLog.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/jordan/JordanForm.h"
#include "core/jordan/ModeSum.h"

namespace korvane {

// J's modes: entry (i, i+j) of a block of λ is M(λ, j).
ModeMatrix ModesOfJ(const JordanForm& form);
// P·J's modes·P⁻¹: Aⁿ or e^{tA}.
ModeMatrix ModesOfA(const JordanForm& form);
// m·x for a vector of numbers.
std::vector<ModeSum> ModesTimes(const ModeMatrix& m, const ExactVector& x);
// a·m for a matrix of numbers a.
ModeMatrix NumbersTimesModes(const WorkMatrix& a, const ModeMatrix& m);
// Every entry shifted (ModeSum::Shifted).
ModeMatrix ShiftedModes(const ModeMatrix& m);
// The numbers value(entry) of every entry.
WorkMatrix ModeValues(const ModeMatrix& m,
                      const std::function<ComplexFraction(const ModeSum&)>& value);

// Each entry written by text, then printed.
void PrintModeMatrix(const ModeMatrix& m, const std::function<std::string(const ModeSum&)>& text,
                     StepLog& log);

}  // namespace korvane
