#include "core/engine/SolutionText.h"

#include <string>
#include <vector>

#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RationalFunctions.h"
#include "core/engine/ResultTexts.h"
#include "core/engine/SurdNumbers.h"

namespace korvane {

namespace {

std::string Number(std::int32_t n) {
    return std::to_string(n);
}

// The reduced system for one right-hand side, in the column rhsCol.
template <EngineField F>
struct ReducedSystem {
    using Vector = BasicVector<F>;
    const std::vector<Vector>& original;  // the columns of (A | B)
    const BasicWorkMatrix<F>& reduced;
    PivotRows pivots;
    std::int32_t unknowns;
    std::int32_t rank;  // of A
    std::int32_t rhsCol;
    std::string bName;  // "b" or "b2"
};

// The first row below A's pivot rows that reads 0 = c with c ≠ 0, or -1.
template <EngineField F>
std::int32_t ContradictoryRow(const ReducedSystem<F>& s) {
    for (std::int32_t r = s.rank; r <= s.reduced.LastRow(); ++r) {
        if (!F::IsZero(s.reduced.At(s.rhsCol, r))) return r;
    }
    return -1;
}

// The solution with every free variable zero.
template <EngineField F>
BasicVector<F> ParticularSolution(const ReducedSystem<F>& s) {
    BasicVector<F> p;
    for (std::int32_t j = 0; j < s.unknowns; ++j)
        p.push_back(s.pivots[j] < 0 ? F::Zero() : s.reduced.At(s.rhsCol, s.pivots[j]));
    return p;
}

std::string ParameterNames(std::size_t count, std::string_view separator) {
    std::string names;
    for (std::size_t k = 1; k <= count; ++k) {
        if (k > 1) names += separator;
        names += 't';
        names += std::to_string(k);
    }
    return names;
}

template <EngineField F>
void CheckParticular(const ReducedSystem<F>& s, const BasicVector<F>& p, std::string_view lead,
                     StepLog& log) {
    const BasicVector<F> ap = Apply<F>(s.original, p);
    const bool matches = ap == s.original[static_cast<std::size_t>(s.rhsCol)];
    log.AppendStepLog("検算：" + std::string(lead) + "x = " + VectorText<F>(p) +
                      " を代入すると、Ax = " + VectorText<F>(ap) + " となり、" + s.bName +
                      (matches ? " に一致します。" : " に一致しません。"));
}

// Each vector spanning the solutions of Ax = 0, put into A on its own line.
template <EngineField F>
void CheckKernel(const ReducedSystem<F>& s, const std::vector<BasicVector<F>>& basis,
                 StepLog& log) {
    const std::string span = SpanText<F>(basis);
    log.AppendStepLog("また、" + span + " を張るベクトルを代入すると、");
    bool allZero = true;
    for (const BasicVector<F>& v : basis) {
        const BasicVector<F> av = Apply<F>(s.original, v);
        allZero = allZero && IsZeroVector<F>(av);
        std::string line = "A";
        line += VectorText<F>(v);
        line += " = ";
        line += VectorText<F>(av);
        log.AppendStepLog(line);
    }
    log.AppendStepLog(allZero ? "となり、どれも 0 なので、" + span +
                                    " の各ベクトル v は Av = 0 を満たします。"
                              : "となり、0 でないものがあるので、" + span +
                                    " の各ベクトル v が Av = 0 を満たすとは言えません。");
}

template <EngineField F>
void UniqueSolution(const ReducedSystem<F>& s, const BasicVector<F>& x, StepLog& log) {
    log.AppendStepLog("階数がどちらも未知数の個数" + Number(s.unknowns) + "に等しいので、");
    log.AppendStepLog("解はただ一つです。");
    log.AppendStepLog("よって、解は、");
    log.AppendStepLog("x = " + VectorText<F>(x));
    log.AppendStepLog("です。");
    CheckParticular(s, x, "", log);
}

template <EngineField F>
void InfinitelyManySolutions(const ReducedSystem<F>& s, const BasicVector<F>& p,
                             StepLog& log) {
    const std::vector<std::int32_t> free = FreeColumns(s.reduced, s.unknowns);
    const std::vector<BasicVector<F>> basis = KernelBasis(s.reduced, s.unknowns);
    log.AppendStepLog("階数がどちらも" + Number(s.rank) + "で、未知数の個数" + Number(s.unknowns) +
                      "より小さいので、");
    log.AppendStepLog("解は無数にあります。");
    std::string freeNames;
    for (std::size_t k = 0; k < free.size(); ++k)
        freeNames += (k > 0 ? ", x" : "x") + Number(free[k] + 1);
    const std::string parameters = ParameterNames(free.size(), ", ");
    log.AppendStepLog("自由変数 " + freeNames + (free.size() > 1 ? " をそれぞれ " : " を ") +
                      parameters + "（任意の数）とおくと、解は、");
    std::string general = "x = " + VectorText<F>(p);
    for (std::size_t k = 0; k < basis.size(); ++k)
        general += " + t" + std::to_string(k + 1) + VectorText<F>(basis[k]);
    log.AppendStepLog(general);
    log.AppendStepLog("です。");
    log.AppendStepLog("すなわち、解の全体は " + VectorText<F>(p) + " + " + SpanText<F>(basis) +
                      " です。");
    CheckParticular(s, p, ParameterNames(free.size(), " = ") + " = 0 とした解 ", log);
    CheckKernel(s, basis, log);
}

// What one right-hand side came to.
enum class SolutionKind { kNone, kUnique, kMany };
template <EngineField F>
struct OneSolution {
    SolutionKind kind = SolutionKind::kNone;
    BasicVector<F> x;  // kUnique
};

// Logs the case and the solutions for one right-hand side.
template <EngineField F>
OneSolution<F> SolveOne(const ReducedSystem<F>& s, StepLog& log) {
    const std::int32_t contradiction = ContradictoryRow(s);
    if (contradiction >= 0) {
        log.AppendStepLog(Number(contradiction + 1) +
                          "行目は 0 = " + FieldText<F>(s.reduced.At(s.rhsCol, contradiction)) +
                          " を表し、成り立たないので、");
        log.AppendStepLog("解はありません。");
        return {};
    }
    const BasicVector<F> p = ParticularSolution(s);
    if (s.rank == s.unknowns) {
        UniqueSolution(s, p, log);
        return {SolutionKind::kUnique, p};
    }
    InfinitelyManySolutions(s, p, log);
    return {SolutionKind::kMany, {}};
}

// The conclusion for X when some column has no solution or many.
void NoSingleX(const std::vector<std::string>& unsolvable, std::size_t freeCount,
               StepLog& log) {
    if (!unsolvable.empty()) {
        std::string names;
        for (const std::string& name : unsolvable)
            names += (names.empty() ? "" : ", ") + name;
        log.AppendStepLog("よって、" + names + " について解がないので、AX = B の解 X はありません。");
        return;
    }
    log.AppendStepLog("よって、どの列にも解があり、その解が無数にあるので、AX = B の解 X は無数に"
                      "あります。X の各列は上で求めたその列の解で、任意の数 " +
                      ParameterNames(freeCount, ", ") + " は列ごとに別々にとります。");
}

template <EngineField F>
std::int32_t AugmentedRank(const ReducedSystem<F>& s) {
    return s.rank + (ContradictoryRow(s) >= 0 ? 1 : 0);
}

}  // namespace

template <EngineField F>
void SolutionText(const std::vector<BasicVector<F>>& originalColumns,
                  const BasicWorkMatrix<F>& reduced, std::int32_t unknowns, StepLog& log) {
    const std::int32_t sides = reduced.LastCol() + 1 - unknowns;
    ReducedSystem<F> s{originalColumns, reduced, FindPivotRows(reduced), unknowns, 0, unknowns, "b"};
    for (std::int32_t c = 0; c < unknowns; ++c)
        s.rank += s.pivots[c] >= 0 ? 1 : 0;
    if (sides == 1) {
        log.AppendStepLog("係数行列 A の階数は" + Number(s.rank) +
                          "、拡大係数行列 (A | b) の階数は" + Number(AugmentedRank(s)) +
                          "、未知数の個数は" + Number(unknowns) + "です。");
        SolveOne(s, log);
        return;
    }
    log.AppendStepLog("係数行列 A の階数は" + Number(s.rank) + "、未知数の個数は" +
                      Number(unknowns) + "です。");
    std::vector<BasicVector<F>> solutions;
    std::vector<std::string> unsolvable;
    for (std::int32_t j = 0; j < sides; ++j) {
        s.rhsCol = unknowns + j;
        s.bName = 'b';
        s.bName += Number(j + 1);
        log.AppendStepLog("B の" + Number(j + 1) + "列目を " + s.bName +
                          " として、Ax = " + s.bName + " を解きます。拡大係数行列 (A | " + s.bName +
                          ") の階数は" + Number(AugmentedRank(s)) + "です。");
        OneSolution<F> one = SolveOne(s, log);
        if (one.kind == SolutionKind::kUnique) solutions.push_back(std::move(one.x));
        if (one.kind == SolutionKind::kNone) unsolvable.push_back(s.bName);
    }
    if (static_cast<std::int32_t>(solutions.size()) != sides) {
        NoSingleX(unsolvable, static_cast<std::size_t>(unknowns - s.rank), log);
        return;
    }
    BasicWorkMatrix<F> x;
    x.Resize(sides, unknowns);
    for (std::int32_t j = 0; j < sides; ++j) {
        for (std::int32_t r = 0; r < unknowns; ++r)
            x.Set(j, r, solutions[static_cast<std::size_t>(j)][static_cast<std::size_t>(r)]);
    }
    log.AppendStepLog("よって、AX = B の解は、");
    PrintWorkMatrix(x, log);
    log.AppendStepLog("です。");
}

template void SolutionText<ComplexRationals>(const std::vector<BasicVector<ComplexRationals>>&,
                                             const WorkMatrix&, std::int32_t, StepLog&);
template void SolutionText<SurdNumbers>(const std::vector<BasicVector<SurdNumbers>>&,
                                        const BasicWorkMatrix<SurdNumbers>&, std::int32_t,
                                        StepLog&);

template void SolutionText<RationalFunctions>(
    const std::vector<BasicVector<RationalFunctions>>&, const BasicWorkMatrix<RationalFunctions>&,
    std::int32_t, StepLog&);

}  // namespace korvane
