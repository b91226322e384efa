#include "core/workspace/MatrixWorking.h"

#include <optional>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/SubscriptText.h"
#include "core/workspace/ExpressionText.h"
#include "mklibs/CommonDenominator.h"

namespace korvane {

namespace {

int Rows(const WorkMatrix& m) {
    return m.LastRow() + 1;
}
int Cols(const WorkMatrix& m) {
    return m.LastCol() + 1;
}

bool WrittenEntryByEntry(int rows, int cols) {
    return rows <= MatrixWorking::kEntryByEntry && cols <= MatrixWorking::kEntryByEntry;
}

// "c₁₂": the entry in row r, column c (from 0) of the result being worked.
std::string EntryName(int row, int col) {
    std::string name(1, 'c');
    name += SubscriptNumber(row + 1);
    name += SubscriptNumber(col + 1);
    return name;
}

// The sentence that names the entries: "AB の (i, j) 成分を cᵢⱼ とすると、cᵢⱼ は" when
// they are written one by one, "AB の (i, j) 成分は、" when not.
std::string EntryLead(const std::string& name, bool entryByEntry) {
    return entryByEntry ? name + " の (i, j) 成分を cᵢⱼ とすると、cᵢⱼ は、"
                        : name + " の (i, j) 成分は、";
}

ComplexFraction Plus(const ComplexFraction& a, const ComplexFraction& b) {
    return CpxSub(a, CpxNeg(b));
}

// The rows of a, negated, and the columns of b over common denominators:
// every entry of the product is then a run of in-place updates
// 0 − (−a)·b with few gcds. A zero has none.
using CommonEntries = std::vector<std::vector<std::optional<CpxOverCommon>>>;

// The rows of m (its columns when byColumns), each entry negated when asked.
CommonEntries OverCommonDenominators(const WorkMatrix& m, bool byColumns, bool negated) {
    const int lines = byColumns ? Cols(m) : Rows(m);
    const int length = byColumns ? Rows(m) : Cols(m);
    CommonEntries common(static_cast<std::size_t>(lines));
    for (int line = 0; line < lines; ++line) {
        for (int k = 0; k < length; ++k) {
            StopPoint();
            const ComplexFraction& v = byColumns ? m.At(line, k) : m.At(k, line);
            if (CpxIsZero(v)) {
                common[line].emplace_back();
            } else {
                common[line].emplace_back(ToCommonDenominator(negated ? CpxNeg(v) : v));
            }
        }
    }
    return common;
}

}  // namespace

WorkMatrix ProductOf(const WorkMatrix& a, const WorkMatrix& b) {
    const CommonEntries rows = OverCommonDenominators(a, false, true);
    const CommonEntries cols = OverCommonDenominators(b, true, false);
    WorkMatrix product;
    product.Resize(Cols(b), Rows(a));
    for (int r = 0; r < Rows(a); ++r) {
        for (int c = 0; c < Cols(b); ++c) {
            StopPoint();
            ComplexFraction sum = CpxZero();
            for (std::size_t k = 0; k < rows[r].size(); ++k) {
                if (rows[r][k] && cols[c][k]) CpxSubMulCommon(sum, *rows[r][k], *cols[c][k]);
            }
            product.Set(c, r, std::move(sum));
        }
    }
    return product;
}

WorkMatrix ZeroMatrix(int rows, int cols) {
    WorkMatrix zero;
    zero.Resize(cols, rows);
    return zero;
}

std::string SizeText(const WorkMatrix& m) {
    return std::to_string(Rows(m)) + "×" + std::to_string(Cols(m)) + " 行列";
}

void PrintNamedMatrix(const std::string& name, const WorkMatrix& m, StepLog& log) {
    log.AppendStepLog(name + " =");
    PrintWorkMatrix(m, log);
}

WorkMatrix MatrixWorking::Product(const WorkMatrix& a, const WorkMatrix& b,
                                  const std::string& aName, const std::string& bName,
                                  const std::string& name) {
    WorkMatrix product = ProductOf(a, b);
    log_.AppendStepLog(name + " を計算します。" + aName + " は " + SizeText(a) + "、" + bName +
                       " は " + SizeText(b) + "なので、" + name + " は " + SizeText(product) +
                       "です。");
    return Worked(a, b, aName, bName, name, std::move(product));
}

WorkMatrix MatrixWorking::PowerStep(const WorkMatrix& a, const WorkMatrix& b,
                                    const std::string& aName, const std::string& bName,
                                    const std::string& name) {
    WorkMatrix product = ProductOf(a, b);
    log_.AppendStepLog(name + " = " + aName + bName + " を計算します。");
    return Worked(a, b, aName, bName, name, std::move(product));
}

WorkMatrix MatrixWorking::Worked(const WorkMatrix& a, const WorkMatrix& b, const std::string& aName,
                                 const std::string& bName, const std::string& name,
                                 WorkMatrix product) {
    const bool entries = WrittenEntryByEntry(Rows(product), Cols(product));
    log_.AppendStepLog(EntryLead(name, entries) + aName + " の i 行目と " + bName +
                       " の j 列目の成分を順に掛けて足したものです。");
    if (!entries) return product;
    for (int r = 0; r < Rows(product); ++r) {
        for (int c = 0; c < Cols(product); ++c) {
            StopPoint();
            std::string line = EntryName(r, c) + " = ";
            for (int k = 0; k < Cols(a); ++k) {
                if (k > 0) line += " + ";
                line += FactorText(a.Text(k, r)) + "·" + FactorText(b.Text(c, k));
            }
            log_.AppendStepLog(line + " = " + product.Text(c, r));
        }
    }
    return product;
}

WorkMatrix MatrixWorking::Sum(const WorkMatrix& a, const WorkMatrix& b, const std::string& aName,
                              const std::string& bName, const std::string& name, bool subtract) {
    WorkMatrix sum;
    sum.Resize(Cols(a), Rows(a));
    for (int c = 0; c < Cols(a); ++c) {
        for (int r = 0; r < Rows(a); ++r) {
            StopPoint();
            sum.Set(c, r, subtract ? CpxSub(a.At(c, r), b.At(c, r)) : Plus(a.At(c, r), b.At(c, r)));
        }
    }
    const bool entries = WrittenEntryByEntry(Rows(sum), Cols(sum));
    log_.AppendStepLog(name + " を計算します。" + EntryLead(name, entries) + aName +
                       " の (i, j) 成分" + (subtract ? "から " : "と ") + bName +
                       " の (i, j) 成分" +
                       (subtract ? "を引いたものです。" : "を足したものです。"));
    if (!entries) return sum;
    const std::string sign = subtract ? " - " : " + ";
    for (int r = 0; r < Rows(sum); ++r) {
        for (int c = 0; c < Cols(sum); ++c) {
            StopPoint();
            log_.AppendStepLog(EntryName(r, c) + " = " + TermText(a.Text(c, r), false) + sign +
                               TermText(b.Text(c, r), true) + " = " + sum.Text(c, r));
        }
    }
    return sum;
}

WorkMatrix MatrixWorking::Multiple(const ComplexFraction& factor, const WorkMatrix& a,
                                   const std::string& aName, const std::string& name) {
    WorkMatrix multiple;
    multiple.Resize(Cols(a), Rows(a));
    for (int c = 0; c < Cols(a); ++c) {
        for (int r = 0; r < Rows(a); ++r) {
            StopPoint();
            multiple.Set(c, r, CpxMul(factor, a.At(c, r)));
        }
    }
    log_.AppendStepLog(name + " は、" + aName + " の各成分を" + CpxText(factor) +
                       "倍した行列です。");
    return multiple;
}

WorkMatrix MatrixWorking::Transpose(const WorkMatrix& a, const std::string& aName,
                                    const std::string& name, bool adjoint) {
    WorkMatrix transpose;
    transpose.Resize(Rows(a), Cols(a));
    for (int c = 0; c < Cols(a); ++c) {
        for (int r = 0; r < Rows(a); ++r) {
            StopPoint();
            ComplexFraction entry = a.At(c, r);
            if (adjoint) entry.im.num = -entry.im.num;
            transpose.Set(r, c, std::move(entry));
        }
    }
    log_.AppendStepLog(name + " は、" + aName +
                       (adjoint ? " の行と列を入れ換え、各成分を共役な複素数にした行列です。"
                                : " の行と列を入れ換えた行列です。"));
    return transpose;
}

ComplexFraction MatrixWorking::Trace(const WorkMatrix& a, const std::string& aName,
                                     const std::string& name) {
    ComplexFraction trace = CpxZero();
    std::string terms;
    for (int i = 0; i < Rows(a); ++i) {
        StopPoint();
        trace = Plus(trace, a.At(i, i));
        if (i > 0) terms += " + ";
        terms += TermText(a.Text(i, i), i > 0);
    }
    log_.AppendStepLog(name + " は、" + aName + " の対角成分の和です。");
    log_.AppendStepLog(name + " = " + terms + " = " + CpxText(trace));
    return trace;
}

}  // namespace korvane
