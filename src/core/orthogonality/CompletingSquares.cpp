#include "core/orthogonality/CompletingSquares.h"

#include <utility>

#include "core/StopSignal.h"
#include "core/methods/FormulaText.h"
#include "core/orthogonality/InnerProduct.h"

namespace korvane {

namespace {

class Completion {
  public:
    Completion(const WorkMatrix& a, const VariableNames& names, StepLog& log)
        : b_(a), names_(names), log_(log) {
        const std::size_t n = names.size();
        active_.assign(n, true);
        for (std::size_t k = 0; k < n; ++k) {
            ExactVector row(n, CpxZero());
            row[k] = CpxOne();
            forms_.push_back(row);
        }
    }

    // One step; false when nothing is left of the form.
    bool Step() {
        StopPoint();
        const int n = static_cast<int>(names_.size());
        for (int k = 0; k < n; ++k) {
            if (Active(k) && !CpxIsZero(b_.At(k, k))) {
                Square(k);
                return true;
            }
        }
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j) {
                if (Active(i) && Active(j) && !CpxIsZero(b_.At(j, i))) {
                    Substitute(i, j);
                    return true;
                }
            }
        }
        return false;
    }

    const std::vector<SquareTerm>& Squares() const { return squares_; }

  private:
    bool Active(int k) const { return active_[static_cast<std::size_t>(k)]; }

    void Square(int k) {
        const std::size_t sk = static_cast<std::size_t>(k);
        const ComplexFraction c = b_.At(k, k);
        const ComplexFraction inverse = CpxInv(c);
        const int n = static_cast<int>(names_.size());
        ExactVector inside(names_.size(), CpxZero());
        ExactVector form = forms_[sk];
        for (int j = 0; j < n; ++j) {
            if (!Active(j)) continue;
            const ComplexFraction ratio = CpxMul(b_.At(j, k), inverse);
            inside[static_cast<std::size_t>(j)] = ratio;
            if (j != k) form = Sum(form, Scaled(ratio, forms_[static_cast<std::size_t>(j)]));
        }
        const std::string inner = PivotFirst(inside, k);
        const bool single = inner == names_[sk];
        if (!single) log_.AppendStepLog(names_[sk] + " を含む項をまとめて平方完成します。");
        written_.push_back({c, single ? inner + "²" : "(" + inner + ")²"});
        WorkMatrix next = b_;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                if (Active(i) && Active(j) && i != k && j != k)
                    next.Set(j, i, CpxSub(b_.At(j, i), CpxMul(CpxMul(b_.At(k, i), b_.At(j, k)), inverse)));
            }
        }
        b_ = next;
        active_[sk] = false;
        squares_.push_back({c, form});
        if (!single) LogForm();
    }

    // The linear form with the variable completed first: "x₂ + (1/2)x₁'".
    std::string PivotFirst(const ExactVector& inside, int k) const {
        const std::size_t sk = static_cast<std::size_t>(k);
        std::string text = names_[sk];
        ExactVector rest = inside;
        rest[sk] = CpxZero();
        const std::string others = LinearFormText(rest, names_);
        if (others == "0") return text;
        if (others.starts_with('-')) return text + " - " + others.substr(1);
        return text + " + " + others;
    }

    void Substitute(int i, int j) {
        const std::size_t si = static_cast<std::size_t>(i);
        const std::size_t sj = static_cast<std::size_t>(j);
        const std::string old = names_[si];
        names_[si] += "'";
        log_.AppendStepLog("平方の項が残っていないので、" + old + names_[sj] + " の項から平方を作るために、" +
                           old + " = " + names_[si] + " + " + names_[sj] + " とおきます（" + names_[si] +
                           " = " + old + " - " + names_[sj] + "）。");
        // z = Sy with S = I + E(i,j): column j, then row j, gains column and row i.
        const int n = static_cast<int>(names_.size());
        for (int r = 0; r < n; ++r)
            b_.Set(j, r, Plus(b_.At(j, r), b_.At(i, r)));
        for (int c = 0; c < n; ++c)
            b_.Set(c, j, Plus(b_.At(c, j), b_.At(c, i)));
        forms_[si] = Difference(forms_[si], forms_[sj]);
        LogForm();
    }

    void LogForm() {
        std::string line;
        for (const auto& [c, square] : written_)
            AppendTerm(line, c, square);
        const std::string remainder = QuadraticFormText(b_, names_, active_);
        if (line.empty()) {
            line = remainder;
        } else if (remainder.starts_with('-')) {
            line += " - " + remainder.substr(1);
        } else if (remainder != "0") {
            line += " + " + remainder;
        }
        log_.AppendStepLog("q = " + line);
    }

    WorkMatrix b_;
    VariableNames names_;
    StepLog& log_;
    std::vector<bool> active_;
    std::vector<ExactVector> forms_;  // each current variable in the original ones
    std::vector<SquareTerm> squares_;
    std::vector<std::pair<ComplexFraction, std::string>> written_;  // the squares so far
};

// Σ c·l·lᵀ, the matrix of the sum of squares.
WorkMatrix Expanded(const std::vector<SquareTerm>& squares, int n) {
    WorkMatrix m;
    m.Resize(n, n);
    for (const SquareTerm& s : squares) {
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                m.Set(j, i, Plus(m.At(j, i), CpxMul(s.coefficient,
                                                    CpxMul(s.form[static_cast<std::size_t>(i)],
                                                           s.form[static_cast<std::size_t>(j)]))));
        }
    }
    return m;
}

}  // namespace

std::vector<SquareTerm> LoggedCompletingSquares(const WorkMatrix& a, const VariableNames& names,
                                                const std::string& newLetter, StepLog& log) {
    Completion completion(a, names, log);
    while (completion.Step()) {
    }
    const std::vector<SquareTerm>& squares = completion.Squares();
    if (squares.empty()) {
        log.AppendStepLog("すべての係数が0なので、平方完成するものはありません。");
        return squares;
    }
    const VariableNames made = IndexedNames(newLetter, static_cast<int>(squares.size()));
    std::string standard;
    for (std::size_t k = 0; k < squares.size(); ++k) {
        log.AppendStepLog(made[k] + " = " + LinearFormText(squares[k].form, names));
        AppendTerm(standard, squares[k].coefficient, made[k] + "²");
    }
    log.AppendStepLog("とおくと、");
    log.AppendStepLog("q = " + standard);
    log.AppendStepLog("です。");
    const bool same = SameMatrix(Expanded(squares, a.LastRow() + 1), a);
    log.AppendStepLog(same ? "検算：平方を展開すると、もとの二次形式に一致します。"
                           : "検算：平方を展開すると、もとの二次形式に一致しません。");
    return squares;
}

}  // namespace korvane
