#include "core/jordan/PowerRanks.h"

#include "core/StopSignal.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/ResultTexts.h"
#include "core/engine/RowReduction.h"
#include "core/engine/SubscriptText.h"
#include "core/engine/SurdNumbers.h"
#include "core/jordan/JordanNumbers.h"

namespace korvane {

namespace {

// Takes a reduction's lines and keeps none: the jordan working prints only
// the reduced form of each power.
class UnloggedSteps : public StepLog {
  public:
    void ClearStepLog() override {}
    void AppendStepLog(std::string_view) override { StopPoint(); }
};

template <EngineField F>
BasicWorkMatrix<F> Reduced(BasicWorkMatrix<F> matrix) {
    UnloggedSteps steps;
    BasicReductionTally<F> tally;
    BasicRowReduction<F>(matrix, steps, tally).RowReduce(0, 0);
    return matrix;
}

template <EngineField F>
int PivotCount(const BasicWorkMatrix<F>& reduced) {
    const PivotRows pivots = FindPivotRows(reduced);
    int count = 0;
    for (int c = 0; c <= reduced.LastCol(); ++c) {
        if (pivots[c] >= 0) ++count;
    }
    return count;
}

std::string Number(int n) {
    return std::to_string(n);
}

// "(r₁ - r₂) - (r₂ - r₃) = (3 - 2) - (2 - 2) = 1"
template <EngineField F>
void LogBlockCount(const BasicPowerRanks<F>& found, int k, StepLog& log) {
    const std::vector<int>& r = found.ranks;
    const int next = k + 1 < static_cast<int>(r.size()) ? r[k + 1] : r.back();
    std::string line = "大きさ" + Number(k) + "のジョルダン細胞の個数は、(" + RankName(k - 1) +
                       " - " + RankName(k) + ") - (" + RankName(k) + " - " + RankName(k + 1) +
                       ") = (" + Number(r[k - 1]) + " - " + Number(r[k]) + ") - (" +
                       Number(r[k]) + " - " + Number(next) + ") = " +
                       Number(found.blockCounts[k]) + "です。";
    log.AppendStepLog(line);
}

}  // namespace

template <class Value>
std::string ShiftedPowerName(const Value& eigenvalue, int k) {
    const std::string base = MinusValueName(eigenvalue);
    if (k == 1) return base;
    std::string name = base == "A" ? base : "(";
    if (base != "A") {
        name += base;
        name += ')';
    }
    name += '^';
    name += Number(k);
    return name;
}

std::string RankName(int k) {
    std::string name = "r";
    name += SubscriptNumber(k);
    return name;
}

template <EngineField F>
int RankOf(BasicWorkMatrix<F> matrix) {
    return PivotCount(Reduced(std::move(matrix)));
}

template <EngineField F>
BasicWorkMatrix<F> MatrixOfColumns(const std::vector<BasicVector<F>>& columns, int rows) {
    BasicWorkMatrix<F> m;
    m.Resize(static_cast<int>(columns.size()), rows);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (int r = 0; r < rows; ++r)
            m.Set(static_cast<int>(c), r, columns[c][static_cast<std::size_t>(r)]);
    }
    return m;
}

template <EngineField F>
std::vector<BasicVector<F>> BasicPowerRanks<F>::KernelOfPower(int k) const {
    if (k == 0) return {};
    const BasicWorkMatrix<F>& m = reduced[static_cast<std::size_t>(k)];
    return KernelBasis(m, m.LastCol() + 1);
}

template <EngineField F>
BasicPowerRanks<F> LoggedPowerRanks(const BasicWorkMatrix<F>& a, const typename F::Number& eigenvalue,
                                    int algebraic, StepLog& log) {
    const int n = a.LastRow() + 1;
    const BasicWorkMatrix<F> shifted = MinusScalarIdentity(a, eigenvalue);
    const std::string name = MinusValueName(eigenvalue);
    log.AppendStepLog("固有値 λ = " + FieldText<F>(eigenvalue) + "（代数的重複度" + Number(algebraic) +
                      "）について、" + name + " の累乗の階数 " + RankName(1) + ", " +
                      RankName(2) + ", … を、" + RankName(0) + " = " + Number(n) + " から、" +
                      Number(n) + " - " + Number(algebraic) + " = " + Number(n - algebraic) +
                      " になるまで求めます。");
    BasicPowerRanks<F> found;
    found.ranks.push_back(n);
    found.reduced.emplace_back();
    BasicWorkMatrix<F> power = shifted;
    for (int k = 1; found.ranks.back() > n - algebraic; ++k) {
        if (k > 1) power = Product(power, shifted);
        StopPoint();
        log.AppendStepLog(ShiftedPowerName(eigenvalue, k) + " =");
        PrintWorkMatrix(power, log);
        log.AppendStepLog("を行基本変形で行階段基本形にすると、");
        found.reduced.push_back(Reduced(power));
        PrintWorkMatrix(found.reduced.back(), log);
        found.ranks.push_back(PivotCount(found.reduced.back()));
        const std::string powerName = ShiftedPowerName(eigenvalue, k);
        const bool bare = powerName.find(' ') == std::string::npos;
        log.AppendStepLog("となるので、" + RankName(k) + " = rank" +
                          (bare ? " " + powerName : "(" + powerName + ")") + " = " +
                          Number(found.ranks.back()) + "です。");
    }
    const int largest = found.LargestBlock();
    log.AppendStepLog(RankName(largest) + " = " + Number(n - algebraic) +
                      "となったので、ここで止めます。大きさ k 以上のジョルダン細胞の個数は rₖ₋₁ - rₖ "
                      "なので、");
    found.blockCounts.assign(static_cast<std::size_t>(largest) + 1, 0);
    for (int k = 1; k <= largest; ++k) {
        const int next = k < largest ? found.ranks[k + 1] : found.ranks.back();
        found.blockCounts[k] = (found.ranks[k - 1] - found.ranks[k]) - (found.ranks[k] - next);
        LogBlockCount(found, k, log);
    }
    return found;
}

#define KORVANE_POWER_RANKS(F)                                                                  \
    template struct BasicPowerRanks<F>;                                                         \
    template std::string ShiftedPowerName(const F::Number&, int);                              \
    template BasicPowerRanks<F> LoggedPowerRanks(const BasicWorkMatrix<F>&, const F::Number&, int, \
                                                 StepLog&);                                    \
    template int RankOf(BasicWorkMatrix<F>);                                                    \
    template BasicWorkMatrix<F> MatrixOfColumns(const std::vector<BasicVector<F>>&, int);

KORVANE_POWER_RANKS(ComplexRationals)
KORVANE_POWER_RANKS(SurdNumbers)

#undef KORVANE_POWER_RANKS

}  // namespace korvane
