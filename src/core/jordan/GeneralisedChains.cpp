#include "core/jordan/GeneralisedChains.h"

#include <string>

#include "core/StopSignal.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/SubscriptText.h"

namespace korvane {

namespace {

std::string ColumnName(int column) {
    std::string name = "p";
    name += SubscriptNumber(column + 1);
    return name;
}

ExactVector Times(const WorkMatrix& m, const ExactVector& x) {
    return Apply(ColumnsOf(m), x);
}

// Whether candidate lies outside the span of the vectors.
bool Independent(const std::vector<ExactVector>& vectors, const ExactVector& candidate) {
    std::vector<ExactVector> all = vectors;
    all.push_back(candidate);
    const int rows = static_cast<int>(candidate.size());
    const int before = vectors.empty() ? 0 : RankOf(MatrixOfColumns(vectors, rows));
    return RankOf(MatrixOfColumns(all, rows)) > before;
}

// The vectors of the chains chosen so far that lie at height k: N^(j-k)u
// for a top u of a chain of length j > k.
std::vector<ExactVector> AtHeight(const std::vector<Chain>& chains, int k) {
    std::vector<ExactVector> vectors;
    for (const Chain& chain : chains) {
        if (static_cast<int>(chain.size()) >= k) vectors.push_back(chain[static_cast<std::size_t>(k - 1)]);
    }
    return vectors;
}

// Walks down from the top: the columns it gets are numbered from the
// eigenvector up, so the top is the chain's last column.
Chain LoggedChainDown(const WorkMatrix& shifted, const std::string& name, const ExactVector& top,
                      int k, int firstColumn, StepLog& log) {
    Chain chain(static_cast<std::size_t>(k));
    chain[static_cast<std::size_t>(k - 1)] = top;
    log.AppendStepLog(ColumnName(firstColumn + k - 1) + " = " + VectorText(top));
    for (int h = k - 1; h >= 1; --h) {
        StopPoint();
        chain[static_cast<std::size_t>(h - 1)] = Times(shifted, chain[static_cast<std::size_t>(h)]);
        log.AppendStepLog(ColumnName(firstColumn + h - 1) + " = (" + name + ")" +
                          ColumnName(firstColumn + h) + " = " +
                          VectorText(chain[static_cast<std::size_t>(h - 1)]));
    }
    const bool eigen = IsZeroVector(Times(shifted, chain.front()));
    log.AppendStepLog("(" + name + ")" + ColumnName(firstColumn) + " = " +
                      VectorText(Times(shifted, chain.front())) +
                      (eigen ? " なので、" + ColumnName(firstColumn) + " は固有ベクトルです。"
                             : " となり、" + ColumnName(firstColumn) + " は固有ベクトルになりません。"));
    return chain;
}

}  // namespace

std::vector<Chain> LoggedChains(const WorkMatrix& a, const ComplexFraction& eigenvalue,
                                const PowerRanks& ranks, int firstColumn, StepLog& log) {
    const WorkMatrix shifted = MinusScalarIdentity(a, eigenvalue);
    const std::string name = MinusEigenvalueName(eigenvalue);
    std::vector<Chain> chains;
    int column = firstColumn;
    for (int k = ranks.LargestBlock(); k >= 1; --k) {
        const int wanted = ranks.blockCounts[static_cast<std::size_t>(k)];
        if (wanted == 0) continue;
        const std::string power = ShiftedPowerName(eigenvalue, k);
        const std::vector<ExactVector> kernel = ranks.KernelOfPower(k);
        log.AppendStepLog("大きさ" + std::to_string(k) + "の細胞の鎖の先頭を選びます。上の行階段基本形から、" +
                          power + " の核は、");
        log.AppendStepLog(SpanText(kernel));
        std::string avoided = k > 1 ? ShiftedPowerName(eigenvalue, k - 1) + " の核" : "";
        if (!AtHeight(chains, k).empty()) avoided += (avoided.empty() ? "" : "と") + std::string("先に選んだ鎖のベクトル");
        log.AppendStepLog(avoided.empty()
                              ? "です。この基底から" + std::to_string(wanted) + "個のベクトルを選びます。"
                              : "です。この基底から、" + avoided + "の張る空間に含まれないベクトルを" +
                                    std::to_string(wanted) + "個選びます。");
        std::vector<ExactVector> spanned = ranks.KernelOfPower(k - 1);
        for (const ExactVector& v : AtHeight(chains, k))
            spanned.push_back(v);
        int chosen = 0;
        for (const ExactVector& candidate : kernel) {
            if (chosen == wanted) break;
            StopPoint();
            if (!Independent(spanned, candidate)) continue;
            spanned.push_back(candidate);
            chains.push_back(LoggedChainDown(shifted, name, candidate, k, column, log));
            column += k;
            ++chosen;
        }
    }
    return chains;
}

}  // namespace korvane
