// Aⁿ in closed form from the Jordan form, and Aⁿ for one integer n.
#include <string>

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"
#include "core/jordan/JordanCommands.h"
#include "core/jordan/JordanForm.h"
#include "core/jordan/PowerForm.h"
#include "core/jordan/ModeMatrices.h"
#include "core/jordan/ModeText.h"
#include "core/methods/CommandFrame.h"
#include "core/workspace/PowerWorking.h"

namespace korvane {

namespace {

constexpr int kCheckedPowers = 6;

template <EngineField F>
bool IsDiagonal(const BasicJordanForm<F>& form) {
    for (const BasicJordanBlock<F>& block : form.blocks) {
        if (block.size > 1) return false;
    }
    return true;
}

// The size of the largest block of eigenvalue 0; 0 when it is none.
template <EngineField F>
int NilpotentIndex(const BasicJordanForm<F>& form) {
    int largest = 0;
    for (const BasicJordanBlock<F>& block : form.blocks) {
        if (F::IsZero(block.eigenvalue)) largest = std::max(largest, block.size);
    }
    return largest;
}

template <EngineField F>
void ExplainBlockPowers(const BasicJordanForm<F>& form, StepLog& log) {
    if (IsDiagonal(form)) {
        log.AppendStepLog("J は対角行列なので、J^n は対角成分をそれぞれ n 乗した行列です。");
        return;
    }
    log.AppendStepLog(
        "ジョルダン細胞 J(λ, k) の n 乗は、対角線から j 本上の成分がすべて C(n,j)λ^(n-j) の"
        "上三角行列です。ここで二項係数 C(n,j) は n(n-1)…(n-j+1) を j! で割ったもので、"
        "C(n,1) = n です。");
}

template <EngineField F>
void CheckPowers(const BasicWorkMatrix<F>& a, const BasicModeMatrix<F>& power, int nilpotent,
                 StepLog& log) {
    log.AppendStepLog("検算として、n = 0, 1, …, " + std::to_string(kCheckedPowers) +
                      " について、A を繰り返し掛けた積と、この式の値を比べます。");
    if (nilpotent > 0) {
        log.AppendStepLog("n < " + std::to_string(nilpotent) +
                          " では、固有値 0 の細胞の項 C(n,j)0^(n-j)（n = j のとき 1）も加えます。");
    }
    BasicWorkMatrix<F> product = IdentityMatrix<F>(a.LastRow() + 1);
    bool all = true;
    for (int n = 0; n <= kCheckedPowers; ++n) {
        StopPoint();
        if (n > 0) product = Product(product, a);
        const BasicWorkMatrix<F> value =
            ModeValues(power, [n](const BasicModeSum<F>& s) { return s.PowerValue(n); });
        const bool same = SameMatrix(value, product);
        all = all && same;
        log.AppendStepLog("A^" + std::to_string(n) + " =");
        PrintWorkMatrix(product, log);
        log.AppendStepLog(same ? "で、式の値に一致します。" : "で、式の値に一致しません。");
    }
    if (!all) throw Error("Aⁿ の式の検算が合いませんでした。");
}

}  // namespace

template <EngineField F>
BasicPowerForm<F> LoggedPowerForm(const BasicWorkMatrix<F>& a, const BasicJordanForm<F>& form,
                                  StepLog& log) {
    log.AppendStepLog(IsDiagonal(form) ? "A は対角化できて P^-1AP = J なので、A = PJP^-1 から A^n = PJ^nP^-1 です。"
                                       : "P^-1AP = J なので、A = PJP^-1 から A^n = PJ^nP^-1 です。");
    ExplainBlockPowers(form, log);
    log.AppendStepLog("J^n =");
    PrintModeMatrix(ModesOfJ(form), PowerText<F>, log);
    BasicPowerForm<F> power{ModesOfA(form), NilpotentIndex(form)};
    log.AppendStepLog("よって、");
    log.AppendStepLog("A^n = PJ^nP^-1 =");
    PrintModeMatrix(power.modes, PowerText<F>, log);
    std::string closing = "です。";
    closing += ValidityText(power.from);
    log.AppendStepLog(closing);
    CheckPowers(a, power.modes, power.from, log);
    return power;
}

template BasicPowerForm<ComplexRationals> LoggedPowerForm(const WorkMatrix&, const JordanForm&, StepLog&);
template BasicPowerForm<SurdNumbers> LoggedPowerForm(const BasicWorkMatrix<SurdNumbers>&,
                                                     const BasicJordanForm<SurdNumbers>&, StepLog&);

std::string ValidityText(int from) {
    if (from == 0) return "この式は n ≥ 0 で成り立ちます。";
    const std::string bound = std::to_string(from);
    return "固有値 0 の細胞の項 C(n,j)0^(n-j) は n ≥ " + bound + " で 0 なので、この式は n ≥ " + bound +
           " で成り立ちます。";
}

bool PowerClosedForm(const CellGrid& grid, StepLog& log) {
    WorkMatrix a;
    if (!StartOnSquare(grid, log, a, "正方行列でないので、A^n を求められません。")) return false;
    return WithJordanForm(a, "A^n の式", log,
                          [&log](const auto& field, const auto& form) { LoggedPowerForm(field, form, log); });
}

bool PowerOfMatrix(const CellGrid& grid, std::int64_t n, StepLog& log) {
    WorkMatrix a;
    if (!StartOnSquare(grid, log, a, "正方行列でないので、A^n を求められません。")) return false;
    if (n > kMaxPowerExponent || n < -kMaxPowerExponent) {
        log.AppendStepLog("指数の絶対値が" + std::to_string(kMaxPowerExponent) +
                          "を超えるので、計算しません。");
        return false;
    }
    const std::string power = "A^" + std::to_string(n);
    if (n == 0 || n == 1) {
        log.AppendStepLog(n == 0 ? "A^0 = I です。" : "A^1 = A です。");
        PrintNamed(power, n == 0 ? IdentityMatrix(a.LastRow() + 1) : a, log);
        return true;
    }
    WorkMatrix base = a;
    if (n < 0) {
        const std::optional<WorkMatrix> inverse = InverseOf(a);
        if (!inverse) {
            log.AppendStepLog("A は正則でないので、A^" + std::to_string(n) + " はありません。");
            return false;
        }
        PrintNamed("A^-1", *inverse, log);
        base = *inverse;
    }
    const std::int64_t exponent = n < 0 ? -n : n;
    const WorkMatrix result = exponent == 1 ? base : PowerWorking(log).Power(base, exponent, "A", n < 0);
    log.AppendStepLog("よって、");
    PrintNamed(power, result, log);
    return true;
}

}  // namespace korvane
