// e^{tA} in closed form from the Jordan form, and the solution of x' = Ax.
#include <string>

#include "core/jordan/JordanCommands.h"
#include "core/jordan/JordanForm.h"
#include "core/jordan/ModeMatrices.h"
#include "core/jordan/ModeText.h"
#include "core/jordan/JordanNumbers.h"
#include "core/methods/CommandFrame.h"

namespace korvane {

namespace {

bool IsRealMatrix(const WorkMatrix& a) {
    for (int r = 0; r <= a.LastRow(); ++r) {
        for (int c = 0; c <= a.LastCol(); ++c) {
            if (!CpxIsZero(ComplexFraction{a.At(c, r).im, CpxZero().im})) return false;
        }
    }
    return true;
}

template <EngineField F>
bool HasNonrealEigenvalue(const BasicJordanForm<F>& form) {
    for (const BasicJordanBlock<F>& block : form.blocks) {
        if (!F::IsZero(ImaginaryPart(block.eigenvalue))) return true;
    }
    return false;
}

void ExplainBlockExponentials(StepLog& log) {
    log.AppendStepLog(
        "ジョルダン細胞 J(λ, k) について、e^(tJ(λ,k)) は、対角線から j 本上の成分がすべて "
        "t^j·e^(λt) を j! で割ったものである上三角行列です。");
}

// e^{0A} = I and d/dt e^{tA} = A·e^{tA}, both exactly on the closed forms.
template <EngineField F>
void CheckExponential(const BasicWorkMatrix<F>& a, const BasicModeMatrix<F>& exponential, StepLog& log) {
    const int n = a.LastRow() + 1;
    const bool start =
        SameMatrix(ModeValues(exponential, [](const BasicModeSum<F>& s) { return s.ValueAtZero(); }),
                   IdentityMatrix<F>(n));
    const bool derivative = ShiftedModes(exponential) == NumbersTimesModes(a, exponential);
    log.AppendStepLog("検算として、t = 0 とおくと" +
                      std::string(start ? "単位行列 I になり、" : "単位行列 I になりません。") +
                      "各成分を t で微分した行列は " +
                      (derivative ? "Ae^(tA) に一致します。" : "Ae^(tA) に一致しません。"));
    if (!start || !derivative) throw Error("e^(tA) の式の検算が合いませんでした。");
}

template <EngineField F>
void SolveInitialValue(const BasicModeMatrix<F>& exponential, const ExactVector& x0, bool real,
                       StepLog& log) {
    std::string line = "x' = Ax, x(0) = (";
    for (std::size_t k = 0; k < x0.size(); ++k) {
        if (k > 0) line += ',';
        line += CpxText(x0[k]);
    }
    line += ") の解は x(t) = e^(tA)x(0) なので、";
    log.AppendStepLog(line);
    BasicVector<F> start;
    for (const ComplexFraction& entry : x0)
        start.push_back(FromComplex<F>(entry));
    const std::vector<BasicModeSum<F>> x = ModesTimes(exponential, start);
    BasicModeMatrix<F> column;
    for (const BasicModeSum<F>& entry : x)
        column.push_back({entry});
    log.AppendStepLog("x(t) =");
    PrintModeMatrix(column, ExponentialText<F>, log);
    if (real) {
        log.AppendStepLog("実数の形で書くと、");
        log.AppendStepLog("x(t) =");
        PrintModeMatrix(column, RealExponentialText<F>, log);
    }
    log.AppendStepLog("です。");
}

// e^{tA} = Pe^{tJ}P⁻¹ from the Jordan form, its real form for a real
// matrix with nonreal eigenvalues, the check, and x(t) for x0.
template <EngineField F>
void LoggedExponential(const BasicWorkMatrix<F>& a, const BasicJordanForm<F>& form, bool realMatrix,
                       const std::optional<ExactVector>& x0, StepLog& log) {
    log.AppendStepLog("P^-1AP = J なので、A = PJP^-1 から e^(tA) = Pe^(tJ)P^-1 です。");
    ExplainBlockExponentials(log);
    log.AppendStepLog("e^(tJ) =");
    PrintModeMatrix(ModesOfJ(form), ExponentialText<F>, log);
    const BasicModeMatrix<F> exponential = ModesOfA(form);
    log.AppendStepLog("よって、");
    log.AppendStepLog("e^(tA) = Pe^(tJ)P^-1 =");
    PrintModeMatrix(exponential, ExponentialText<F>, log);
    log.AppendStepLog("です。");
    const bool real = realMatrix && HasNonrealEigenvalue(form);
    if (real) {
        log.AppendStepLog(
            "A は実行列なので、共役な固有値 a ± bi の項の組は、e^((a+bi)t) = e^(at)(cos(bt) + "
            "i·sin(bt)) から実数の形にまとめられます。");
        log.AppendStepLog("e^(tA) =");
        PrintModeMatrix(exponential, RealExponentialText<F>, log);
        log.AppendStepLog("です。");
    }
    CheckExponential(a, exponential, log);
    if (x0) {
        bool realStart = true;
        for (const ComplexFraction& entry : *x0)
            realStart = realStart && CpxIsZero(ComplexFraction{entry.im, CpxZero().im});
        SolveInitialValue(exponential, *x0, real && realStart, log);
    }
}

}  // namespace

bool MatrixExponential(const CellGrid& grid, const std::optional<ExactVector>& x0, StepLog& log) {
    WorkMatrix a;
    if (!StartOnSquare(grid, log, a, "正方行列でないので、e^(tA) を求められません。")) return false;
    if (x0 && static_cast<int>(x0->size()) != a.LastRow() + 1) {
        log.AppendStepLog("初期値 x(0) の成分の個数が行列の次数と違うので、x(t) を求められません。");
        return false;
    }
    return WithJordanForm(a, "e^(tA) の式", log, [&](const auto& field, const auto& form) {
        LoggedExponential(field, form, IsRealMatrix(a), x0, log);
    });
}

}  // namespace korvane
