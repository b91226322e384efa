#include "core/jordan/GeneralisedChains.h"

#include <string>

#include "core/StopSignal.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/SubscriptText.h"
#include "core/engine/SurdNumbers.h"
#include "core/jordan/JordanNumbers.h"

namespace korvane {

namespace {

std::string ColumnName(int column) {
    std::string name = "p";
    name += SubscriptNumber(column + 1);
    return name;
}

template <EngineField F>
BasicVector<F> Times(const BasicWorkMatrix<F>& m, const BasicVector<F>& x) {
    return Apply<F>(ColumnsOf(m), x);
}

// Whether candidate lies outside the span of the vectors.
template <EngineField F>
bool Independent(const std::vector<BasicVector<F>>& vectors, const BasicVector<F>& candidate) {
    std::vector<BasicVector<F>> all = vectors;
    all.push_back(candidate);
    const int rows = static_cast<int>(candidate.size());
    const int before = vectors.empty() ? 0 : RankOf(MatrixOfColumns<F>(vectors, rows));
    return RankOf(MatrixOfColumns<F>(all, rows)) > before;
}

// The vectors of the chains chosen so far that lie at height k: N^(j-k)u
// for a top u of a chain of length j > k.
template <EngineField F>
std::vector<BasicVector<F>> AtHeight(const std::vector<BasicChain<F>>& chains, int k) {
    std::vector<BasicVector<F>> vectors;
    for (const BasicChain<F>& chain : chains) {
        if (static_cast<int>(chain.size()) >= k) vectors.push_back(chain[static_cast<std::size_t>(k - 1)]);
    }
    return vectors;
}

// Walks down from the top: the columns it gets are numbered from the
// eigenvector up, so the top is the chain's last column.
template <EngineField F>
BasicChain<F> LoggedChainDown(const BasicWorkMatrix<F>& shifted, const std::string& name,
                              const BasicVector<F>& top, int k, int firstColumn, StepLog& log) {
    BasicChain<F> chain(static_cast<std::size_t>(k));
    chain[static_cast<std::size_t>(k - 1)] = top;
    log.AppendStepLog(ColumnName(firstColumn + k - 1) + " = " + VectorText<F>(top));
    for (int h = k - 1; h >= 1; --h) {
        StopPoint();
        chain[static_cast<std::size_t>(h - 1)] = Times(shifted, chain[static_cast<std::size_t>(h)]);
        log.AppendStepLog(ColumnName(firstColumn + h - 1) + " = (" + name + ")" +
                          ColumnName(firstColumn + h) + " = " +
                          VectorText<F>(chain[static_cast<std::size_t>(h - 1)]));
    }
    const BasicVector<F> bottom = Times(shifted, chain.front());
    const bool eigen = IsZeroVector<F>(bottom);
    log.AppendStepLog("(" + name + ")" + ColumnName(firstColumn) + " = " + VectorText<F>(bottom) +
                      (eigen ? " なので、" + ColumnName(firstColumn) + " は固有ベクトルです。"
                             : " となり、" + ColumnName(firstColumn) + " は固有ベクトルになりません。"));
    return chain;
}

}  // namespace

template <EngineField F>
std::vector<BasicChain<F>> LoggedChains(const BasicWorkMatrix<F>& a, const typename F::Number& eigenvalue,
                                        const BasicPowerRanks<F>& ranks, int firstColumn, StepLog& log) {
    const BasicWorkMatrix<F> shifted = MinusScalarIdentity(a, eigenvalue);
    const std::string name = MinusValueName(eigenvalue);
    std::vector<BasicChain<F>> chains;
    int column = firstColumn;
    for (int k = ranks.LargestBlock(); k >= 1; --k) {
        const int wanted = ranks.blockCounts[static_cast<std::size_t>(k)];
        if (wanted == 0) continue;
        const std::string power = ShiftedPowerName(eigenvalue, k);
        const std::vector<BasicVector<F>> kernel = ranks.KernelOfPower(k);
        log.AppendStepLog("大きさ" + std::to_string(k) + "の細胞の鎖の先頭を選びます。上の行階段基本形から、" +
                          power + " の核は、");
        log.AppendStepLog(SpanText<F>(kernel));
        std::string avoided = k > 1 ? ShiftedPowerName(eigenvalue, k - 1) + " の核" : "";
        if (!AtHeight<F>(chains, k).empty()) avoided += (avoided.empty() ? "" : "と") + std::string("先に選んだ鎖のベクトル");
        log.AppendStepLog(avoided.empty()
                              ? "です。この基底から" + std::to_string(wanted) + "個のベクトルを選びます。"
                              : "です。この基底から、" + avoided + "の張る空間に含まれないベクトルを" +
                                    std::to_string(wanted) + "個選びます。");
        std::vector<BasicVector<F>> spanned = ranks.KernelOfPower(k - 1);
        for (const BasicVector<F>& v : AtHeight<F>(chains, k))
            spanned.push_back(v);
        int chosen = 0;
        for (const BasicVector<F>& candidate : kernel) {
            if (chosen == wanted) break;
            StopPoint();
            if (!Independent<F>(spanned, candidate)) continue;
            spanned.push_back(candidate);
            chains.push_back(LoggedChainDown(shifted, name, candidate, k, column, log));
            column += k;
            ++chosen;
        }
    }
    return chains;
}

template std::vector<BasicChain<ComplexRationals>> LoggedChains(const WorkMatrix&, const ComplexFraction&,
                                                                const PowerRanks&, int, StepLog&);
template std::vector<BasicChain<SurdNumbers>> LoggedChains(const BasicWorkMatrix<SurdNumbers>&,
                                                           const Surd&,
                                                           const BasicPowerRanks<SurdNumbers>&, int,
                                                           StepLog&);

}  // namespace korvane
