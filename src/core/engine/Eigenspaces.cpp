#include "core/engine/Eigenspaces.h"

#include <optional>
#include <string>

#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/KernelBasis.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/ResultTexts.h"
#include "core/engine/RowReduction.h"

namespace korvane {

namespace {

std::string Number(std::size_t n) {
    return std::to_string(n);
}

std::string Eigenvalue(const ExactEigenvalue& e) {
    return "λ = " + CpxText(e.value);
}

// The distinct irreducible factors of the characteristic polynomial, each
// once: their product s(λ) annuls A exactly when A diagonalises over C.
std::vector<PolynomialFactor> DistinctFactors(const EigenvalueFindings& findings) {
    std::vector<PolynomialFactor> factors;
    for (const ExactEigenvalue& e : findings.exact)
        factors.push_back({Polynomial::XMinus(e.value), 1});
    for (const PolynomialFactor& f : findings.others)
        factors.push_back({f.factor, 1});
    return factors;
}

// "(2,1)成分", the first entry that is not 0, row by row; empty for O.
std::string FirstNonzeroEntry(const WorkMatrix& m) {
    for (int r = 0; r <= m.LastRow(); ++r) {
        for (int c = 0; c <= m.LastCol(); ++c) {
            if (CpxIsZero(m.At(c, r))) continue;
            // Appended piece by piece: GCC 12's Release build warns falsely
            // (-Wrestrict) on a literal + std::string.
            std::string place = "(";
            place += std::to_string(r + 1);
            place += ',';
            place += std::to_string(c + 1);
            place += ")成分";
            return place;
        }
    }
    return "";
}

void NotOverGaussianRationals(const WorkMatrix& a, const EigenvalueFindings& findings,
                              StepLog& log) {
    log.AppendStepLog("固有値の中に複素有理数でないもの（近似値で示したもの）があるので、");
    log.AppendStepLog("この行列は、複素有理数の範囲では対角化できません。");
    const std::vector<PolynomialFactor> factors = DistinctFactors(findings);
    Polynomial s = Polynomial::Constant(CpxOne());
    for (const PolynomialFactor& f : factors)
        s = s * f.factor;
    log.AppendStepLog("なお、固有多項式の相異なる既約因数をすべて掛けた多項式を s(λ) とすると、");
    std::string definition = "s(λ) = " + FactorisationText(factors);
    if (factors.size() > 1) definition += " = " + PolynomialText(s, kLambda);
    log.AppendStepLog(definition);
    log.AppendStepLog(
        "です。A が複素数の範囲で対角化できるのは、s(A) = O となるとき、かつそのときに限ります。");
    log.AppendStepLog("s(A) を計算すると、");
    const WorkMatrix value = PolynomialAt(s, a);
    PrintWorkMatrix(value, log);
    const std::string nonzero = FirstNonzeroEntry(value);
    if (nonzero.empty()) {
        log.AppendStepLog("となり、s(A) = O なので、この行列は複素数の範囲では対角化できます。");
    } else {
        log.AppendStepLog("となり、" + nonzero +
                          "が0でないので s(A) ≠ O です。よって、この行列は複素数の範囲でも対角化"
                          "できません。");
    }
}

void PrintDiagonalisation(const WorkMatrix& a, const std::vector<Eigenspace>& spaces,
                          StepLog& log) {
    const int n = a.LastRow() + 1;
    WorkMatrix p, d;
    p.Resize(n, n);
    d.Resize(n, n);
    int col = 0;
    for (const Eigenspace& space : spaces) {
        for (const ExactVector& v : space.basis) {
            for (int r = 0; r < n; ++r)
                p.Set(col, r, v[static_cast<std::size_t>(r)]);
            d.Set(col, col, space.eigenvalue.value);
            ++col;
        }
    }
    log.AppendStepLog(
        "固有空間の基底を列に並べた行列を P、対応する固有値を対角線に並べた行列を D とすると、");
    log.AppendStepLog("P =");
    PrintWorkMatrix(p, log);
    log.AppendStepLog("D =");
    PrintWorkMatrix(d, log);
    log.AppendStepLog("です。");
    // The eigenvectors of different eigenvalues are independent, so P is
    // invertible; a singular P would be a fault, and the check says so.
    const std::optional<WorkMatrix> inverse = InverseOf(p);
    if (!inverse) {
        log.AppendStepLog("P が正則でないので、検算できません。");
        return;
    }
    log.AppendStepLog("P の逆行列は、");
    PrintWorkMatrix(*inverse, log);
    log.AppendStepLog("です。");
    const WorkMatrix check = Product(Product(*inverse, a), p);
    log.AppendStepLog("検算として P^-1AP を計算すると、");
    PrintWorkMatrix(check, log);
    log.AppendStepLog(SameMatrix(check, d) ? "となり、D に一致します。"
                                           : "となり、D に一致しません。");
}

}  // namespace

Eigenspace LoggedEigenspace(const WorkMatrix& a, const ExactEigenvalue& eigenvalue, StepLog& log,
                            const LogStyle& style) {
    const std::string shifted = MinusEigenvalueName(eigenvalue.value);
    log.AppendStepLog("固有値 " + Eigenvalue(eigenvalue) + " の固有ベクトルを求めるため、" +
                      shifted + " の核を求めます。");
    WorkMatrix m = MinusScalarIdentity(a, eigenvalue.value);
    PrintWorkMatrix(m, log);
    log.AppendStepLog("上の行列を行階段基本形にします。");
    ReductionTally tally;
    RowReduction(m, log, tally, style).RowReduce(0, 0);
    KernelText(m, log, "よって、" + shifted + " の核は、");
    Eigenspace space{eigenvalue, KernelBasis(m, m.LastCol() + 1)};
    log.AppendStepLog(
        "固有値 " + Eigenvalue(eigenvalue) +
        " の固有ベクトルは、この核の 0 でないベクトルです。幾何的重複度（固有空間の次元）は" +
        Number(space.basis.size()) + "です。");
    return space;
}

void DiagonalisationText(const WorkMatrix& a, const std::vector<Eigenspace>& spaces,
                         const EigenvalueFindings& findings, StepLog& log) {
    for (const Eigenspace& space : spaces) {
        const std::size_t geometric = space.basis.size();
        if (geometric >= static_cast<std::size_t>(space.eigenvalue.algebraic)) continue;
        log.AppendStepLog("固有値 " + Eigenvalue(space.eigenvalue) + " の幾何的重複度" +
                          Number(geometric) + "が代数的重複度" +
                          Number(static_cast<std::size_t>(space.eigenvalue.algebraic)) +
                          "より小さいので、");
        log.AppendStepLog("この行列は対角化できません。");
        return;
    }
    if (!findings.others.empty()) {
        NotOverGaussianRationals(a, findings, log);
        return;
    }
    log.AppendStepLog("どの固有値も幾何的重複度が代数的重複度に等しく、その和は行列の次数" +
                      Number(static_cast<std::size_t>(a.LastRow() + 1)) +
                      "に等しいので、この行列は対角化できます。");
    PrintDiagonalisation(a, spaces, log);
}

}  // namespace korvane
