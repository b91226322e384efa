#include "core/orthogonality/OrthogonalBasis.h"

#include "core/StopSignal.h"
#include "core/engine/KernelBasis.h"
#include "core/methods/FormulaText.h"
#include "core/orthogonality/GridVectors.h"
#include "core/orthogonality/InnerProduct.h"

namespace korvane {

namespace {

// "- (1/2)(1,1,0)", "+ 3(0,1,1)" or "- (0,0,1)": a term of a difference.
template <EngineField F>
void AppendProjectionTerm(std::string& sum, const typename F::Number& c, const BasicVector<F>& u) {
    const bool negative = WrittenNegative(c);
    const typename F::Number shown = negative ? F::Neg(c) : c;
    std::string term = F::IsOne(shown) ? "" : Factor(shown);
    term += VectorText<F>(u);
    // Subtracting c·u: a negative c is added.
    AppendSigned(sum, !negative, term);
}

template <EngineField F>
class GramSchmidtWorking {
  public:
    GramSchmidtWorking(StepLog& log, const GramSchmidtNames& names) : log_(log), names_(names) {}

    using Number = typename F::Number;
    using Vector = BasicVector<F>;

    void Take(const Vector& v, std::size_t k) {
        StopPoint();
        const std::string vName = VectorName(names_.given, names_.offset + k);
        const std::string uName = VectorName(names_.made, names_.offset + basis_.u.size());
        std::vector<Number> coefficients;
        if (basis_.u.empty() && IsZeroVector<F>(v)) {
            log_.AppendStepLog(vName + " は零ベクトルなので除き、" + uName + " は次のベクトルで作ります。");
            basis_.kept.push_back(-1);
            basis_.coefficients.push_back(std::move(coefficients));
            return;
        }
        if (basis_.u.empty()) {
            Keep(v, coefficients, uName + " = " + vName + " = " + VectorText<F>(v));
            return;
        }
        log_.AppendStepLog(Formula(uName, vName));
        Vector u = v;
        std::string difference = VectorText<F>(v);
        for (std::size_t j = 0; j < basis_.u.size(); ++j) {
            const std::string ujName = VectorName(names_.made, names_.offset + j);
            log_.AppendStepLog(InnerProductLine<F>(vName, ujName, v, basis_.u[j]));
            const Number c = F::Mul(InnerProduct<F>(v, basis_.u[j]),
                                    F::Inv(AsNumber(basis_.squaredNorms[j])));
            coefficients.push_back(c);
            if (F::IsZero(c)) continue;
            AppendProjectionTerm<F>(difference, c, basis_.u[j]);
            u = Difference<F>(u, Scaled<F>(c, basis_.u[j]));
        }
        if (IsZeroVector<F>(u)) {
            Skip(vName, uName, difference, coefficients);
            return;
        }
        Keep(u, coefficients, uName + " = " + difference + " = " + VectorText<F>(u));
    }

    BasicOrthogonalBasis<F> Result() { return std::move(basis_); }

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

    void Keep(const Vector& u, std::vector<Number> coefficients, const std::string& line) {
        log_.AppendStepLog(line);
        const std::string name = VectorName(names_.made, names_.offset + basis_.u.size());
        log_.AppendStepLog(InnerProductLine<F>(name, name, u, u));
        basis_.kept.push_back(static_cast<int>(basis_.u.size()));
        basis_.squaredNorms.push_back(RealValue(InnerProduct<F>(u, u)));
        basis_.u.push_back(u);
        basis_.coefficients.push_back(std::move(coefficients));
    }

    void Skip(const std::string& vName, const std::string& uName, const std::string& difference,
              std::vector<Number> coefficients) {
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
    BasicOrthogonalBasis<F> basis_;
};

}  // namespace

template <EngineField F>
BasicOrthogonalBasis<F> LoggedGramSchmidt(const std::vector<BasicVector<F>>& v, StepLog& log,
                                          const GramSchmidtNames& names) {
    GramSchmidtWorking<F> working(log, names);
    for (std::size_t k = 0; k < v.size(); ++k)
        working.Take(v[k], k);
    return working.Result();
}

template <EngineField F>
void LogOrthogonalityCheck(const std::vector<BasicVector<F>>& u, const std::string& letter,
                           StepLog& log) {
    if (u.size() < 2) return;
    bool orthogonal = true;
    for (std::size_t i = 0; i < u.size(); ++i) {
        StopPoint();
        for (std::size_t j = i + 1; j < u.size(); ++j)
            orthogonal = orthogonal && F::IsZero(InnerProduct<F>(u[i], u[j]));
    }
    log.AppendStepLog(orthogonal ? "検算：" + NameList(letter, u.size()) +
                                       " のどの2つの内積も0で、互いに直交しています。"
                                 : "検算：" + NameList(letter, u.size()) +
                                       " には内積が0でない組があり、直交していません。");
}

template OrthogonalBasis LoggedGramSchmidt<ComplexRationals>(const std::vector<ExactVector>&,
                                                              StepLog&, const GramSchmidtNames&);
template SurdOrthogonalBasis LoggedGramSchmidt<SurdNumbers>(
    const std::vector<BasicVector<SurdNumbers>>&, StepLog&, const GramSchmidtNames&);
template void LogOrthogonalityCheck<ComplexRationals>(const std::vector<ExactVector>&,
                                                      const std::string&, StepLog&);
template void LogOrthogonalityCheck<SurdNumbers>(const std::vector<BasicVector<SurdNumbers>>&,
                                                 const std::string&, StepLog&);

}  // namespace korvane
