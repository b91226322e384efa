#include "core/orthogonality/QuadraticForm.h"

#include <optional>

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"
#include "core/orthogonality/CompletingSquares.h"
#include "core/orthogonality/InnerProduct.h"
#include "core/orthogonality/Normalization.h"
#include "core/orthogonality/OrthogonalDiagonalization.h"
#include "core/orthogonality/SymmetricCheck.h"

namespace korvane {

namespace {

const SymmetricRefusals kRefusals{
    "正方行列でないので、二次形式の行列ではありません。",
    "対称行列ではない（Aᵀ ≠ A）ので、二次形式の行列として使えません。A の代わりに (A + Aᵀ)/2 "
    "を入力すると、同じ二次形式になります。",
    "",
    "成分に虚数があるので、実二次形式の行列として使えません。",
};

// The leading principal minors D₁, …, Dₙ, each block shown.
std::vector<ComplexFraction> LoggedLeadingMinors(const WorkMatrix& a, StepLog& log) {
    const int n = a.LastRow() + 1;
    std::vector<ComplexFraction> minors;
    log.AppendStepLog("首座小行列式 Dₖ（左上の k 行 k 列の小行列の行列式）を求めます。");
    for (int k = 1; k <= n; ++k) {
        StopPoint();
        WorkMatrix block;
        block.Resize(k, k);
        for (int c = 0; c < k; ++c) {
            for (int r = 0; r < k; ++r)
                block.Set(c, r, a.At(c, r));
        }
        minors.push_back(DeterminantOf(block));
        if (k > 1) {
            log.AppendStepLog(Subscripted("D", k) + " は、次の小行列の行列式です。");
            PrintWorkMatrix(block, log);
        }
        log.AppendStepLog(Subscripted("D", k) + " = " + CpxText(minors.back()));
    }
    return minors;
}

int Sign(const ComplexFraction& z) {
    if (CpxIsZero(z)) return 0;
    return CpxText(z).starts_with('-') ? -1 : 1;
}

void LogSylvester(const std::vector<ComplexFraction>& minors, StepLog& log) {
    bool positive = true;
    bool alternating = true;
    bool zero = false;
    for (std::size_t k = 0; k < minors.size(); ++k) {
        const int sign = Sign(minors[k]);
        positive = positive && sign > 0;
        alternating = alternating && sign == (k % 2 == 0 ? -1 : 1);
        zero = zero || sign == 0;
    }
    if (positive) {
        log.AppendStepLog("首座小行列式がすべて正なので、シルベスターの判定法により、正定値です。");
    } else if (alternating) {
        log.AppendStepLog(
            "首座小行列式の符号が D₁ < 0 から交互に変わるので、シルベスターの判定法により、負定値です。");
    } else if (zero) {
        log.AppendStepLog(
            "0 の首座小行列式があるので、正定値でも負定値でもありません（半正定値か半負定値か"
            "不定値かは、首座小行列式だけでは決まりません）。");
    } else {
        log.AppendStepLog(
            "首座小行列式はどれも0でなく、すべて正でも符号が交互でもないので、正定値でも負定値でもなく、"
            "不定値です。");
    }
}

std::string Definiteness(int positive, int negative, int n) {
    if (positive == 0 && negative == 0) return "すべての係数が0の二次形式（零形式）";
    if (positive == n) return "正定値";
    if (negative == n) return "負定値";
    if (negative == 0) return "半正定値（正定値ではない）";
    if (positive == 0) return "半負定値（負定値ではない）";
    return "不定値";
}

void LogSignature(const std::vector<SquareTerm>& squares, int n, StepLog& log) {
    int positive = 0;
    int negative = 0;
    for (const SquareTerm& s : squares)
        (Sign(s.coefficient) > 0 ? positive : negative) += 1;
    log.AppendStepLog("標準形の係数のうち、正のものが" + std::to_string(positive) + "個、負のものが" +
                      std::to_string(negative) + "個なので、符号数は (" + std::to_string(positive) +
                      ", " + std::to_string(negative) + ")、階数は " +
                      std::to_string(positive + negative) + " です。");
    log.AppendStepLog("よって、この二次形式は" + Definiteness(positive, negative, n) + "です。");
}

// A letter for new variables that none of the names starts with.
std::string NewLetter(const VariableNames& names) {
    for (const char* letter : {"y", "u", "w", "z", "s", "Y"}) {
        bool used = false;
        for (const std::string& name : names)
            used = used || name.starts_with(letter);
        if (!used) return letter;
    }
    return "Y";
}

// "x₁ = (√2/2)y₁ - (√6/6)y₂": row of P applied to the new variables.
std::string ChangeOfVariable(const std::string& name,
                             const std::vector<std::vector<SignedEntry>>& columns,
                             std::size_t row, const VariableNames& made) {
    std::string sum;
    for (std::size_t j = 0; j < columns.size(); ++j) {
        const SignedEntry& entry = columns[j][row];
        if (entry.size == "0") continue;
        // Appended piece by piece: GCC 12's Release build warns falsely
        // (-Wrestrict) on a literal + std::string.
        std::string term;
        if (entry.size != "1") {
            term += '(';
            term += entry.size;
            term += ')';
        }
        term += made[j];
        AppendSigned(sum, entry.negative, term);
    }
    return name + " = " + (sum.empty() ? "0" : sum);
}

// P, the change of variables x = Py and the standard form with the
// eigenvalues as coefficients.
template <EngineField F>
void LogChangeOfVariables(const BasicOrthogonalEigenbasis<F>& found, const VariableNames& names,
                          const std::string& letter, StepLog& log) {
    log.AppendStepLog("それぞれをノルムで割ります。");
    const TextRows p = LoggedNormalization<F>(found.basis, "u", "p", 0, log);
    log.AppendStepLog("これらを列とする直交行列 P =");
    PrintTextMatrix(p, log);
    const VariableNames made = IndexedNames(letter, static_cast<int>(names.size()));
    log.AppendStepLog("で、変数を次のように取り換えます。");
    std::vector<std::vector<SignedEntry>> columns;
    for (std::size_t j = 0; j < found.basis.u.size(); ++j)
        columns.push_back(SignedUnitEntries(found.basis.u[j], found.basis.squaredNorms[j]));
    for (std::size_t r = 0; r < names.size(); ++r)
        log.AppendStepLog(ChangeOfVariable(names[r], columns, r, made));
    std::string standard;
    for (std::size_t k = 0; k < made.size(); ++k) {
        if (!F::IsZero(found.eigenvalues[k]))
            AppendTerm(standard, found.eigenvalues[k], made[k] + "²");
    }
    log.AppendStepLog("とおくと、固有値を係数として、");
    log.AppendStepLog("q = " + (standard.empty() ? std::string("0") : standard));
    log.AppendStepLog("です。");
}

// The standard form by an orthogonal change of variables x = Py, when the
// eigenvalues allow it.
void LogOrthogonalStandardForm(const WorkMatrix& a, const VariableNames& names,
                               const std::string& letter, StepLog& log) {
    log.AppendStepLog("直交行列による対角化で標準形にします。");
    const FoundEigenbasis found = LoggedOrthogonalDiagonalization(a, log, LogStyle{});
    std::visit(
        [&](const auto& eigenbasis) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(eigenbasis)>, std::monostate>)
                LogChangeOfVariables(eigenbasis, names, letter, log);
        },
        found);
}

}  // namespace

bool QuadraticForm(const CellGrid& grid, StepLog& log, const QuadraticFormSource& source) {
    if (!source.typed.empty()) {
        log.ClearStepLog();
        log.AppendStepLog("二次形式 q = " + source.typed +
                          " の係数から、対称行列 A を作ります（xᵢ² の係数を (i,i) 成分に、xᵢxⱼ "
                          "の係数の半分を (i,j) 成分と (j,i) 成分に置きます）。");
    }
    WorkMatrix a;
    if (!StartOnSymmetric(grid, log, a, kRefusals, !source.typed.empty())) return false;
    const int n = a.LastRow() + 1;
    const VariableNames names = source.names.empty() ? IndexedNames("x", n) : source.names;
    log.AppendStepLog("この対称行列 A の二次形式 q = xᵀAx は、");
    log.AppendStepLog("q = " + QuadraticFormText(a, names, std::vector<bool>(names.size(), true)));
    log.AppendStepLog("です。");
    const std::string orthogonalLetter = NewLetter(names);
    LogOrthogonalStandardForm(a, names, orthogonalLetter, log);
    VariableNames taken = names;
    taken.push_back(orthogonalLetter);
    log.AppendStepLog("ラグランジュの方法（平方完成）でも標準形にします。");
    const std::vector<SquareTerm> squares = LoggedCompletingSquares(a, names, NewLetter(taken), log);
    LogSignature(squares, n, log);
    log.AppendStepLog("シルベスターの判定法でも調べます。");
    LogSylvester(LoggedLeadingMinors(a, log), log);
    return true;
}

}  // namespace korvane
