#include "core/engine/Eigenspaces.h"

#include <optional>
#include <set>
#include <string>

#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/MatrixArithmetic.h"
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

std::string Eigenvalue(const QuadraticEigenvalue& e) {
    return "λ = " + SurdText(e.value);
}

// The distinct irreducible factors of the characteristic polynomial, each
// once: their product s(λ) annuls A exactly when A diagonalises over C.
std::vector<PolynomialFactor> DistinctFactors(const EigenvalueFindings& findings) {
    std::vector<PolynomialFactor> factors;
    for (const ExactEigenvalue& e : findings.exact)
        factors.push_back({Polynomial::XMinus(e.value), 1});
    // The roots of a quadratic factor come in pairs: λ² − (r + s)λ + rs.
    for (std::size_t k = 0; k + 1 < findings.quadratic.size(); k += 2) {
        const Surd& r = findings.quadratic[k].value;
        const Surd& t = findings.quadratic[k + 1].value;
        Polynomial factor =
            Polynomial::XMinus(SurdAdd(r, t).rational) * Polynomial::XMinus(CpxZero());
        factor = factor + Polynomial::Constant(SurdMul(r, t).rational);
        factors.push_back({factor, 1});
    }
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

template <EngineField F>
void PrintPAndD(const BasicWorkMatrix<F>& p, const BasicWorkMatrix<F>& d, StepLog& log) {
    log.AppendStepLog(
        "固有空間の基底を列に並べた行列を P、対応する固有値を対角線に並べた行列を D とすると、");
    log.AppendStepLog("P =");
    PrintWorkMatrix(p, log);
    log.AppendStepLog("D =");
    PrintWorkMatrix(d, log);
    log.AppendStepLog("です。");
}

// P⁻¹AP computed and compared with D. The eigenvectors of different
// eigenvalues are independent, so P is invertible; a singular P would be a
// fault, and the check says so.
template <EngineField F>
void CheckSimilarity(const BasicWorkMatrix<F>& a, const BasicWorkMatrix<F>& p,
                     const BasicWorkMatrix<F>& d, StepLog& log) {
    const std::optional<BasicWorkMatrix<F>> inverse = InverseOf(p);
    if (!inverse) {
        log.AppendStepLog("P が正則でないので、検算できません。");
        return;
    }
    log.AppendStepLog("P の逆行列は、");
    PrintWorkMatrix(*inverse, log);
    log.AppendStepLog("です。");
    const BasicWorkMatrix<F> check = Product(Product(*inverse, a), p);
    log.AppendStepLog("検算として P^-1AP を計算すると、");
    PrintWorkMatrix(check, log);
    log.AppendStepLog(SameMatrix(check, d) ? "となり、D に一致します。"
                                           : "となり、D に一致しません。");
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
    PrintPAndD(p, d, log);
    CheckSimilarity(a, p, d, log);
}

// The kernel of A − λI for the eigenvalue value (named "λ = …"), logged
// as the kernel command logs a kernel, then the geometric multiplicity.
template <EngineField F>
std::vector<std::vector<typename F::Number>> LoggedKernelOfShift(
    const BasicWorkMatrix<F>& a, const typename F::Number& value, const std::string& name,
    const std::string& shifted, StepLog& log, const LogStyle& style) {
    // Appended piece by piece: GCC 12's Release build warns falsely
    // (-Wrestrict) on a literal + std::string.
    std::string lead = "固有値 ";
    lead += name;
    lead += " の固有ベクトルを求めるため、";
    lead += shifted;
    lead += " の核を求めます。";
    log.AppendStepLog(lead);
    BasicWorkMatrix<F> m = MinusScalarIdentity(a, value);
    PrintWorkMatrix(m, log);
    log.AppendStepLog("上の行列を行階段基本形にします。");
    BasicReductionTally<F> tally;
    BasicRowReduction<F>(m, log, tally, style).RowReduce(0, 0);
    KernelText(m, log, "よって、" + shifted + " の核は、");
    auto basis = KernelBasis(m, m.LastCol() + 1);
    std::string closing = "固有値 ";
    closing += name;
    closing += " の固有ベクトルは、この核の 0 でないベクトルです。幾何的重複度（固有空間の次元）は";
    closing += Number(basis.size());
    closing += "です。";
    log.AppendStepLog(closing);
    return basis;
}

// Names the first eigenvalue whose eigenspace is smaller than its algebraic
// multiplicity; false when there is none.
template <class Space>
bool TooSmallEigenspace(const std::vector<Space>& spaces, StepLog& log) {
    for (const Space& space : spaces) {
        const std::size_t geometric = space.basis.size();
        if (geometric >= static_cast<std::size_t>(space.eigenvalue.algebraic)) continue;
        log.AppendStepLog("固有値 " + Eigenvalue(space.eigenvalue) + " の幾何的重複度" +
                          Number(geometric) + "が代数的重複度" +
                          Number(static_cast<std::size_t>(space.eigenvalue.algebraic)) +
                          "より小さいので、");
        log.AppendStepLog("この行列は対角化できません。");
        return true;
    }
    return false;
}

// P with the eigenspaces' bases as its columns, the rational ones first,
// and D with their eigenvalues, as surds.
void FillSurdDiagonalisation(const std::vector<Eigenspace>& spaces,
                             const std::vector<SurdEigenspace>& surdSpaces, SurdMatrix& p,
                             SurdMatrix& d) {
    int col = 0;
    const auto place = [&](const auto& vector, const Surd& value) {
        for (std::size_t r = 0; r < vector.size(); ++r)
            p.Set(col, static_cast<int>(r), vector[r]);
        d.Set(col, col, value);
        ++col;
    };
    for (const Eigenspace& space : spaces) {
        for (const ExactVector& v : space.basis)
            place(AsSurdVector(v), SurdFromCpx(space.eigenvalue.value));
    }
    for (const SurdEigenspace& space : surdSpaces) {
        for (const std::vector<Surd>& v : space.basis)
            place(v, space.eigenvalue.value);
    }
}

// The check when P's columns need different square roots: P⁻¹ has no form
// with one root, but each column of AP and PD stays in its own column's
// field, and P is invertible as its columns are independent.
void CheckColumnByColumn(const SurdMatrix& a, const SurdMatrix& p, const SurdMatrix& d,
                         const std::set<Integer>& radicands, StepLog& log) {
    log.AppendStepLog("P の列には " + RootsNamed(radicands) +
                      " が混ざっていて、P^-1 はひとつの平方根では書けないので、検算として AP と PD "
                      "を列ごとに計算します。");
    const SurdMatrix ap = Product(a, p);
    const SurdMatrix pd = Product(p, d);
    log.AppendStepLog("AP =");
    PrintWorkMatrix(ap, log);
    log.AppendStepLog("PD =");
    PrintWorkMatrix(pd, log);
    if (!SameMatrix(ap, pd)) {
        log.AppendStepLog("となり、AP と PD は一致しません。");
        return;
    }
    log.AppendStepLog(
        "となり、AP = PD です。P の列は異なる固有値の固有空間の基底を並べたもので一次独立なので、"
        "P は正則で、P^-1AP = D が成り立ちます。");
}

void PrintSurdDiagonalisation(const WorkMatrix& a, const std::vector<Eigenspace>& spaces,
                              const std::vector<SurdEigenspace>& surdSpaces, StepLog& log) {
    const int n = a.LastRow() + 1;
    SurdMatrix p, d;
    p.Resize(n, n);
    d.Resize(n, n);
    FillSurdDiagonalisation(spaces, surdSpaces, p, d);
    PrintPAndD(p, d, log);
    const SurdMatrix surdA = AsSurdMatrix(a);
    std::set<Integer> radicands;
    for (const SurdEigenspace& space : surdSpaces)
        radicands.insert(space.eigenvalue.value.radicand);
    if (radicands.size() > 1) {
        CheckColumnByColumn(surdA, p, d, radicands, log);
        return;
    }
    CheckSimilarity(surdA, p, d, log);
}

}  // namespace

Eigenspace LoggedEigenspace(const WorkMatrix& a, const ExactEigenvalue& eigenvalue, StepLog& log,
                            const LogStyle& style) {
    return {eigenvalue, LoggedKernelOfShift(a, eigenvalue.value, Eigenvalue(eigenvalue),
                                            MinusEigenvalueName(eigenvalue.value), log, style)};
}

SurdEigenspace LoggedEigenspace(const SurdMatrix& a, const QuadraticEigenvalue& eigenvalue,
                                StepLog& log, const LogStyle& style) {
    return {eigenvalue, LoggedKernelOfShift(a, eigenvalue.value, Eigenvalue(eigenvalue),
                                            MinusEigenvalueName(eigenvalue.value), log, style)};
}

void DiagonalisationText(const WorkMatrix& a, const std::vector<Eigenspace>& spaces,
                         const std::vector<SurdEigenspace>& surdSpaces,
                         const EigenvalueFindings& findings, StepLog& log) {
    if (TooSmallEigenspace(spaces, log) || TooSmallEigenspace(surdSpaces, log)) return;
    if (!findings.others.empty()) {
        NotOverGaussianRationals(a, findings, log);
        return;
    }
    log.AppendStepLog("どの固有値も幾何的重複度が代数的重複度に等しく、その和は行列の次数" +
                      Number(static_cast<std::size_t>(a.LastRow() + 1)) +
                      "に等しいので、この行列は対角化できます。");
    if (surdSpaces.empty()) {
        PrintDiagonalisation(a, spaces, log);
    } else {
        PrintSurdDiagonalisation(a, spaces, surdSpaces, log);
    }
}

}  // namespace korvane
