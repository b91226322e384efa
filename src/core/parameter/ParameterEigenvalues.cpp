#include "core/parameter/ParameterEigenvalues.h"

#include <string>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/MatrixPrinting.h"
#include "core/parameter/ParameterCharacteristic.h"
#include "core/parameter/ParameterGrid.h"
#include "mklibs/ParameterValues.h"
#include "mklibs/TwoVariableFactoring.h"

namespace korvane {

namespace {

struct ParameterEigenvalue {
    RationalFunction value;
    int algebraic = 1;
};

// A factor of det(λI − A) over Q(a), monic in λ.
struct LambdaFactor {
    LambdaPolynomial factor;
    int multiplicity = 1;
};

std::string LetterText(char letter) {
    return std::string(1, letter);
}

bool HasRealCoefficients(const LambdaPolynomial& p) {
    for (const RationalFunction& c : p) {
        if (!c.Numerator().IsReal() || !c.Denominator().IsReal()) return false;
    }
    return true;
}

// p times the common denominator of its coefficients: polynomials in a.
PolynomialInX ClearedDenominators(const LambdaPolynomial& p) {
    Polynomial denominator = Polynomial::Constant(CpxOne());
    for (const RationalFunction& c : p) {
        const Polynomial& d = c.Denominator();
        denominator = Divide(denominator * d, Gcd(denominator, d)).quotient;
    }
    PolynomialInX cleared;
    for (const RationalFunction& c : p)
        cleared.push_back(Divide(c.Numerator() * denominator, c.Denominator()).quotient);
    return cleared;
}

LambdaFactor MonicInLambda(const TwoVariableFactor& f, char letter) {
    const Polynomial& leading = f.factor.back();
    LambdaFactor monic{{}, f.multiplicity};
    for (const Polynomial& c : f.factor)
        monic.factor.push_back(RationalFunction::Quotient(c, leading, letter));
    return monic;
}

std::string LambdaFactorisationText(const std::vector<LambdaFactor>& factors) {
    std::vector<FactorText> texts;
    for (const LambdaFactor& f : factors)
        texts.push_back({LambdaPolynomialText(f.factor), f.multiplicity});
    return FactorProductText(texts);
}

void LogCharacteristicPolynomial(const BasicWorkMatrix<RationalFunctions>& a, char letter,
                                 const LambdaPolynomial& p, StepLog& log) {
    log.AppendStepLog("上の行列 A の固有多項式 det(λI - A) を、係数が " + LetterText(letter) +
                      " の有理式である λ の多項式として求めます。");
    log.AppendStepLog("λI - A は、");
    PrintTextMatrix(LambdaMinusMatrixTexts(a), log);
    log.AppendStepLog("です。この行列式を展開して λ について整理すると、固有多項式は、");
    log.AppendStepLog("det(λI - A) = " + LambdaPolynomialText(p));
    log.AppendStepLog("です。");
}

void LogUndefinedValues(char letter, const Polynomial& undefinedAt, StepLog& log) {
    if (undefinedAt.Degree() < 1) return;
    log.AppendStepLog(UnequalConditionText(letter, SplitRoots(undefinedAt)) +
                      " のときを考えます（それ以外の値では、成分が定義されません）。");
}

// The eigenvalues from the linear factors; the others are named as the
// roots of their factors.
std::vector<ParameterEigenvalue> LogEigenvalues(const std::vector<LambdaFactor>& factors,
                                                StepLog& log) {
    std::vector<ParameterEigenvalue> values;
    std::vector<const LambdaFactor*> others;
    for (const LambdaFactor& f : factors) {
        if (f.factor.size() == 2) {
            values.push_back({RfNeg(f.factor[0]), f.multiplicity});
        } else {
            others.push_back(&f);
        }
    }
    if (values.empty()) {
        log.AppendStepLog("λ について1次の因数がないので、有理式で書ける固有値はありません。");
    } else {
        log.AppendStepLog(others.empty() ? "よって、固有値は、" : "よって、有理式で書ける固有値は、");
        for (const ParameterEigenvalue& e : values)
            log.AppendStepLog("λ = " + RfText(e.value) + "（代数的重複度" +
                              std::to_string(e.algebraic) + "）");
        log.AppendStepLog("です。");
    }
    for (const LambdaFactor* f : others) {
        const std::string factor = LambdaPolynomialText(f->factor);
        log.AppendStepLog("因数 " + factor + " は λ について" +
                          std::to_string(f->factor.size() - 1) +
                          "次で、これ以上因数分解できないので、その根である固有値は " + factor +
                          " = 0 の解として示します（代数的重複度" +
                          std::to_string(f->multiplicity) + "）。");
    }
    return values;
}

// "a = 1、a = -2、a が a^2 - 2 = 0 の解": where p vanishes, or "" nowhere.
std::string VanishingText(const Polynomial& p, char letter) {
    if (p.Degree() < 1) return {};
    const ParameterRoots roots = SplitRoots(p);
    std::vector<std::string> conditions;
    for (const ComplexFraction& r : roots.roots)
        conditions.push_back(EqualConditionText(letter, r));
    for (const Polynomial& other : roots.others)
        conditions.push_back(RootConditionText(letter, other));
    std::string where;
    for (const std::string& condition : conditions) {
        if (!where.empty()) where += "、";
        where += condition;
    }
    return where;
}

// f(λ) at λ = value, by Horner's rule.
RationalFunction LambdaPolynomialAt(const LambdaPolynomial& f, const RationalFunction& value) {
    RationalFunction result;
    for (auto c = f.rbegin(); c != f.rend(); ++c)
        result = RfAdd(RfMul(result, value), *c);
    return result;
}

// The values of the letter where two eigenvalues found are equal, or where
// one is also a root of a factor of higher degree, so that the
// multiplicities above hold for every other value.
void LogCoincidences(const std::vector<ParameterEigenvalue>& values,
                     const std::vector<LambdaFactor>& factors, char letter, StepLog& log) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (std::size_t j = i + 1; j < values.size(); ++j) {
            StopPoint();
            const std::string where =
                VanishingText(RfSub(values[i].value, values[j].value).Numerator(), letter);
            if (where.empty()) continue;
            log.AppendStepLog(where + " のとき、固有値 " + RfText(values[i].value) + " と " +
                              RfText(values[j].value) + " は等しくなります。");
        }
        for (const LambdaFactor& f : factors) {
            if (f.factor.size() <= 2) continue;
            StopPoint();
            const std::string where =
                VanishingText(LambdaPolynomialAt(f.factor, values[i].value).Numerator(), letter);
            if (where.empty()) continue;
            log.AppendStepLog(where + " のとき、固有値 " + RfText(values[i].value) + " は " +
                              LambdaPolynomialText(f.factor) + " = 0 の解でもあります。");
        }
    }
}

}  // namespace

bool LoggedParameterEigenvalues(const BasicWorkMatrix<RationalFunctions>& a, char letter,
                                const Polynomial& undefinedAt, StepLog& log) {
    PrintWorkMatrix(a, log);
    LogUndefinedValues(letter, undefinedAt, log);
    const LambdaPolynomial p = ParameterCharacteristicPolynomial(a);
    LogCharacteristicPolynomial(a, letter, p, log);
    if (!HasRealCoefficients(p)) {
        log.AppendStepLog("固有多項式の係数に虚数単位 i が含まれるので、" + LetterText(letter) +
                          " の有理式の範囲での因数分解はここでは行いません。");
        return false;
    }
    std::vector<LambdaFactor> factors;
    for (const TwoVariableFactor& f : FactorOverRationalFunctions(ClearedDenominators(p)))
        factors.push_back(MonicInLambda(f, letter));
    log.AppendStepLog("固有多項式を、係数が " + LetterText(letter) + " の有理式の範囲で因数分解すると、");
    log.AppendStepLog("det(λI - A) = " + LambdaFactorisationText(factors));
    log.AppendStepLog("です。");
    LogCoincidences(LogEigenvalues(factors, log), factors, letter, log);
    return true;
}

bool ParameterEigenvalues(const CellGrid& grid, StepLog& log) {
    log.ClearStepLog();
    if (!grid.IsSquare()) {
        log.AppendStepLog("正方行列でないので、固有値はありません。");
        return false;
    }
    const ParameterMatrix a = LoadParameterMatrix(grid);
    return LoggedParameterEigenvalues(a.matrix, a.letter, a.undefinedAt, log);
}

}  // namespace korvane
