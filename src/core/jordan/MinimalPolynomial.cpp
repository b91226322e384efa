// The minimal polynomial: for each irreducible factor f of the
// characteristic polynomial with multiplicity m, the smallest e with
// rank f(A)^e = n − m·deg f; then m(λ) = Π f^e, and the Cayley–Hamilton
// theorem p_A(A) = O and m(A) = O written out.
#include <string>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/MatrixPrinting.h"
#include "core/jordan/JordanCommands.h"
#include "core/jordan/PowerRanks.h"
#include "core/methods/CommandFrame.h"
#include "mklibs/PolynomialFactoring.h"

namespace korvane {

namespace {

std::string FactorName(const Polynomial& f) {
    return PolynomialText(f, kLambda);
}

// "f(A)" written out: "A - 2I", "A^2 + I".
std::string AtA(const Polynomial& f) {
    std::string text = PolynomialText(f, "A");
    const std::string constant = CpxText(f.Coefficient(0));
    // The constant term stands for a multiple of I.
    if (!CpxIsZero(f.Coefficient(0)) && f.Degree() > 0) text += "I";
    if (f.Degree() == 0) text = constant + "I";
    return text;
}

std::string Bracketed(const std::string& text) {
    return text.find_first_of("+-") == std::string::npos ? text : "(" + text + ")";
}

// The exponent of f in the minimal polynomial, from the ranks of f(A)^k.
int LoggedExponent(const WorkMatrix& a, const PolynomialFactor& f, StepLog& log) {
    const int n = a.LastRow() + 1;
    const int target = n - f.multiplicity * f.factor.Degree();
    const std::string name = Bracketed(AtA(f.factor));
    log.AppendStepLog("因数 " + FactorName(f.factor) + "（重複度" + std::to_string(f.multiplicity) +
                      "）について、" + name + "^k の階数が " + std::to_string(n) + " - " +
                      std::to_string(f.multiplicity * f.factor.Degree()) + " = " +
                      std::to_string(target) + " になる最小の k を求めます。");
    const WorkMatrix value = PolynomialAt(f.factor, a);
    WorkMatrix power = value;
    int k = 1;
    for (;; ++k) {
        StopPoint();
        if (k > 1) power = Product(power, value);
        const std::string powerName = k == 1 ? AtA(f.factor) : name + "^" + std::to_string(k);
        log.AppendStepLog(powerName + " =");
        PrintWorkMatrix(power, log);
        const int rank = RankOf(power);
        log.AppendStepLog("の階数は" + std::to_string(rank) + "です。");
        if (rank == target) break;
    }
    log.AppendStepLog("よって、最小多項式での " + FactorName(f.factor) + " の指数は" + std::to_string(k) +
                      "です。");
    return k;
}

Polynomial Expanded(const std::vector<PolynomialFactor>& factors) {
    Polynomial p = Polynomial::Constant(CpxOne());
    for (const PolynomialFactor& f : factors) {
        for (int k = 0; k < f.multiplicity; ++k)
            p = p * f.factor;
    }
    return p;
}

// p(A) written out term by term with the powers of A it needs, then its
// value; returns whether it is O.
bool LoggedValueAt(const Polynomial& p, std::string_view name, const WorkMatrix& a, StepLog& log) {
    const std::string atA = AtA(p);
    log.AppendStepLog(std::string(name) + "(A) = " + atA + " を計算します。");
    WorkMatrix power = a;
    for (int k = 2; k <= p.Degree(); ++k) {
        StopPoint();
        power = Product(power, a);
        PrintNamed("A^" + std::to_string(k), power, log);
    }
    const WorkMatrix value = PolynomialAt(p, a);
    log.AppendStepLog("これらを代入すると、");
    PrintNamed(std::string(name) + "(A)", value, log);
    bool zero = true;
    for (int r = 0; r <= value.LastRow(); ++r) {
        for (int c = 0; c <= value.LastCol(); ++c)
            zero = zero && CpxIsZero(value.At(c, r));
    }
    log.AppendStepLog(zero ? "となり、" + std::string(name) + "(A) = O です。"
                           : "となり、" + std::string(name) + "(A) ≠ O です。");
    return zero;
}

}  // namespace

bool MinimalPolynomial(const CellGrid& grid, StepLog& log) {
    WorkMatrix a;
    if (!StartOnSquare(grid, log, a, "正方行列でないので、最小多項式はありません。")) return false;
    WorkMatrix working = a;
    const Polynomial characteristic = LoggedCharacteristicPolynomial(working, log);
    const std::vector<PolynomialFactor> factors = FactorOverGaussianRationals(characteristic);
    log.AppendStepLog("固有多項式を、係数が複素有理数の範囲で因数分解すると、");
    log.AppendStepLog("det(λI - A) = " + FactorisationText(factors));
    log.AppendStepLog("です。最小多項式 m(λ) は、固有多項式の各因数を、指数を1以上重複度以下にして掛けたものの"
                      "うち、m(A) = O となる次数最小のものです。");
    std::vector<PolynomialFactor> minimal;
    for (const PolynomialFactor& f : factors)
        minimal.push_back({f.factor, LoggedExponent(a, f, log)});
    const Polynomial m = Expanded(minimal);
    log.AppendStepLog("よって、最小多項式は、");
    std::string line = "m(λ) = " + FactorisationText(minimal);
    if (minimal.size() > 1 || minimal.front().multiplicity > 1) line += " = " + PolynomialText(m, kLambda);
    log.AppendStepLog(line);
    log.AppendStepLog("です。");
    log.AppendStepLog("ケーリー・ハミルトンの定理により、固有多項式 p(λ) = det(λI - A) について p(A) = O です。");
    const bool cayley = LoggedValueAt(characteristic, "p", a, log);
    const bool annuls = LoggedValueAt(m, "m", a, log);
    if (!cayley || !annuls) throw Error("最小多項式の検算が合いませんでした。");
    return true;
}

}  // namespace korvane
