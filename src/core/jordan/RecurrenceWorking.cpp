#include "core/jordan/RecurrenceWorking.h"

#include <string>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixPrinting.h"
#include "core/jordan/JordanForm.h"
#include "core/jordan/JordanNumbers.h"
#include "core/jordan/ModeText.h"
#include "core/jordan/PowerForm.h"
#include "core/methods/CommandFrame.h"

namespace korvane {

namespace {

std::string Term(char name, std::string_view index) {
    std::string text(1, name);
    text += '(';
    text += index;
    text += ')';
    return text;
}

WorkMatrix CompanionMatrix(const Recurrence& recurrence) {
    const int k = static_cast<int>(recurrence.coefficients.size());
    WorkMatrix a;
    a.Resize(k, k);
    for (int r = 0; r + 1 < k; ++r)
        a.Set(r + 1, r, CpxOne());
    for (int c = 0; c < k; ++c)
        a.Set(c, k - 1, recurrence.coefficients[static_cast<std::size_t>(c)]);
    return a;
}

// "(a(n), a(n+1))"
std::string StateText(const Recurrence& recurrence) {
    std::string text = "(";
    for (std::size_t j = 0; j < recurrence.coefficients.size(); ++j) {
        if (j > 0) text += ", ";
        text += Term(recurrence.name, j == 0 ? "n" : "n+" + std::to_string(j));
    }
    return text + ")";
}

std::vector<ComplexFraction> TermsByRecurrence(const Recurrence& recurrence, int count) {
    std::vector<ComplexFraction> terms = recurrence.initial;
    const std::size_t k = recurrence.coefficients.size();
    while (static_cast<int>(terms.size()) < count) {
        StopPoint();
        ComplexFraction next = CpxZero();
        for (std::size_t j = 0; j < k; ++j)
            next = CpxSum(next, CpxMul(recurrence.coefficients[j], terms[terms.size() - k + j]));
        terms.push_back(next);
    }
    terms.resize(static_cast<std::size_t>(count));
    return terms;
}

template <EngineField F>
std::string ListText(const BasicVector<F>& values) {
    std::string text;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) text += ", ";
        F::AppendText(text, values[k]);
    }
    return text;
}

template <EngineField F>
void CheckTerms(const Recurrence& recurrence, const BasicModeSum<F>& general, StepLog& log) {
    BasicVector<F> expected;
    for (const ComplexFraction& term : TermsByRecurrence(recurrence, kCheckedTerms))
        expected.push_back(FromComplex<F>(term));
    BasicVector<F> found;
    for (int n = 0; n < kCheckedTerms; ++n)
        found.push_back(general.PowerValue(n));
    const std::string range = Term(recurrence.name, "0") + ", …, " +
                              Term(recurrence.name, std::to_string(kCheckedTerms - 1));
    log.AppendStepLog("検算として、漸化式から順に求めた " + range + " は " + ListText<F>(expected) +
                      " で、");
    const bool same = found == expected;
    log.AppendStepLog(same ? "一般項の式の値に一致します。" : "一般項の式の値 " + ListText<F>(found) +
                                                                 " に一致しません。");
    if (!same) throw Error("一般項の検算が合いませんでした。");
}

// a(n) as the first entry of Aⁿx(0), then checked against the terms the
// recurrence gives.
template <EngineField F>
void LoggedGeneralTerm(const Recurrence& recurrence, const BasicWorkMatrix<F>& a,
                       const BasicJordanForm<F>& form, StepLog& log) {
    const BasicPowerForm<F> power = LoggedPowerForm(a, form, log);
    BasicModeSum<F> general;
    for (std::size_t c = 0; c < recurrence.initial.size(); ++c)
        general.AddScaled(power.modes.front()[c], FromComplex<F>(recurrence.initial[c]));
    log.AppendStepLog(Term(recurrence.name, "n") + " は A^nx(0) の第1成分なので、一般項は、");
    log.AppendStepLog(Term(recurrence.name, "n") + " = " + PowerText(general));
    std::string closing = "です。";
    closing += ValidityText(power.from);
    log.AppendStepLog(closing);
    CheckTerms(recurrence, general, log);
}

}  // namespace

bool LinearRecurrence(const Recurrence& recurrence, StepLog& log) {
    log.ClearStepLog();
    log.AppendStepLog("漸化式 " + RecurrenceText(recurrence) + "（" + InitialValuesText(recurrence) +
                      "）の一般項を求めます。");
    const WorkMatrix a = CompanionMatrix(recurrence);
    log.AppendStepLog("x(n) = " + StateText(recurrence) + " とおくと x(n+1) = Ax(n) で、A は次の行列です。");
    PrintNamed("A", a, log);
    const ExactVector start(recurrence.initial.begin(), recurrence.initial.end());
    log.AppendStepLog("よって、x(n) = A^nx(0)、x(0) = " + VectorText(start) + " です。");
    return WithJordanForm(a, "一般項", log, [&](const auto& field, const auto& form) {
        LoggedGeneralTerm(recurrence, field, form, log);
    });
}

}  // namespace korvane
