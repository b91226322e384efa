#include "core/orthogonality/OrthogonalBasis.h"

#include "core/StopSignal.h"
#include "core/engine/KernelBasis.h"
#include "core/methods/FormulaText.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/InnerProduct.h"

namespace korvane {

namespace {

// "- (1/2)(1,1,0)", "+ 3(0,1,1)" or "- (0,0,1)": a term of a difference.
void AppendProjectionTerm(std::string& sum, const ComplexFraction& c, const ExactVector& u) {
    const bool twoTerms = !c.re.num.IsZero() && !c.im.num.IsZero();
    const bool negative = !twoTerms && CpxText(c).starts_with('-');
    const ComplexFraction shown = negative ? CpxNeg(c) : c;
    std::string term = CpxIsOne(shown) ? "" : Factor(shown);
    term += VectorText(u);
    // Subtracting c·u: a negative c is added.
    AppendSigned(sum, !negative, term);
}

class GramSchmidtWorking {
  public:
    GramSchmidtWorking(StepLog& log, const GramSchmidtNames& names) : log_(log), names_(names) {}

    void Take(const ExactVector& v, std::size_t k) {
        StopPoint();
        const std::string vName = VectorName(names_.given, names_.offset + k);
        const std::string uName = VectorName(names_.made, names_.offset + basis_.u.size());
        std::vector<ComplexFraction> coefficients;
        if (basis_.u.empty() && IsZeroVector(v)) {
            log_.AppendStepLog(vName + " は零ベクトルなので除き、" + uName + " は次のベクトルで作ります。");
            basis_.kept.push_back(-1);
            basis_.coefficients.push_back(std::move(coefficients));
            return;
        }
        if (basis_.u.empty()) {
            Keep(v, coefficients, uName + " = " + vName + " = " + VectorText(v));
            return;
        }
        log_.AppendStepLog(Formula(uName, vName));
        ExactVector u = v;
        std::string difference = VectorText(v);
        for (std::size_t j = 0; j < basis_.u.size(); ++j) {
            const std::string ujName = VectorName(names_.made, names_.offset + j);
            log_.AppendStepLog(InnerProductLine(vName, ujName, v, basis_.u[j]));
            const ComplexFraction c = CpxMul(InnerProduct(v, basis_.u[j]),
                                             CpxInv({basis_.squaredNorms[j], Fraction{}}));
            coefficients.push_back(c);
            if (CpxIsZero(c)) continue;
            AppendProjectionTerm(difference, c, basis_.u[j]);
            u = Difference(u, Scaled(c, basis_.u[j]));
        }
        if (IsZeroVector(u)) {
            Skip(vName, uName, difference, coefficients);
            return;
        }
        Keep(u, coefficients, uName + " = " + difference + " = " + VectorText(u));
    }

    OrthogonalBasis Result() { return std::move(basis_); }

  private:
    std::string Formula(const std::string& uName, const std::string& vName) const {
        std::string line = uName + " = " + vName;
        for (std::size_t j = 0; j < basis_.u.size(); ++j) {
            const std::string uj = VectorName(names_.made, names_.offset + j);
            line += " - (⟨" + vName + ", " + uj + "⟩/⟨" + uj + ", " + uj + "⟩)" + uj;
        }
        return line;
    }

    std::string MadeNames() const {
        std::string list;
        for (std::size_t j = 0; j < basis_.u.size(); ++j) {
            if (j > 0) list += ", ";
            list += VectorName(names_.made, names_.offset + j);
        }
        return list;
    }

    void Keep(const ExactVector& u, std::vector<ComplexFraction> coefficients,
              const std::string& line) {
        log_.AppendStepLog(line);
        const std::string name = VectorName(names_.made, names_.offset + basis_.u.size());
        log_.AppendStepLog(InnerProductLine(name, name, u, u));
        basis_.kept.push_back(static_cast<int>(basis_.u.size()));
        basis_.squaredNorms.push_back(InnerProduct(u, u).re);
        basis_.u.push_back(u);
        basis_.coefficients.push_back(std::move(coefficients));
    }

    void Skip(const std::string& vName, const std::string& uName, const std::string& difference,
              std::vector<ComplexFraction> coefficients) {
        log_.AppendStepLog(uName + " = " + difference + " = 0");
        log_.AppendStepLog("差が0になったので、" + vName + " は " +
                           MadeNames() +
                           " の一次結合です（それまでのベクトルに一次従属）。" + vName +
                           " は除き、" + uName + " は次のベクトルで作ります。");
        basis_.kept.push_back(-1);
        basis_.coefficients.push_back(std::move(coefficients));
    }

    StepLog& log_;
    const GramSchmidtNames& names_;
    OrthogonalBasis basis_;
};

}  // namespace

OrthogonalBasis LoggedGramSchmidt(const std::vector<ExactVector>& v, StepLog& log,
                                  const GramSchmidtNames& names) {
    GramSchmidtWorking working(log, names);
    for (std::size_t k = 0; k < v.size(); ++k)
        working.Take(v[k], k);
    return working.Result();
}

void LogOrthogonalityCheck(const std::vector<ExactVector>& u, const std::string& letter,
                           StepLog& log) {
    if (u.size() < 2) return;
    bool orthogonal = true;
    for (std::size_t i = 0; i < u.size(); ++i) {
        StopPoint();
        for (std::size_t j = i + 1; j < u.size(); ++j)
            orthogonal = orthogonal && CpxIsZero(InnerProduct(u[i], u[j]));
    }
    log.AppendStepLog(orthogonal ? "検算：" + NameList(letter, u.size()) +
                                       " のどの2つの内積も0で、互いに直交しています。"
                                 : "検算：" + NameList(letter, u.size()) +
                                       " には内積が0でない組があり、直交していません。");
}

}  // namespace korvane
