#pragma once

// Aⁿ = PJⁿP⁻¹ as a matrix of closed forms in n, shared by the power and
// the recurrence workings.
#include <string>

#include "core/StepLog.h"
#include "core/jordan/JordanForm.h"
#include "core/jordan/ModeSum.h"

namespace korvane {

template <EngineField F>
struct BasicPowerForm {
    BasicModeMatrix<F> modes;  // every mode, those of eigenvalue 0 too
    // The written form (without the modes of 0) holds for n ≥ from: the
    // size of the largest block of eigenvalue 0, or 0.
    int from = 0;
};

// Jⁿ and Aⁿ logged, then checked against repeated multiplication for
// n = 0, …, 6; throws when the check fails.
template <EngineField F>
BasicPowerForm<F> LoggedPowerForm(const BasicWorkMatrix<F>& a, const BasicJordanForm<F>& form,
                                  StepLog& log);

// "この式は n ≥ 0 で成り立ちます。" or why it holds from n = from on.
std::string ValidityText(int from);

}  // namespace korvane
