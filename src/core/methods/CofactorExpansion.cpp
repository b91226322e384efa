#include "core/methods/CofactorExpansion.h"

#include <optional>
#include <string>

#include "core/StopSignal.h"
#include "core/engine/WorkMatrix.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/FormulaText.h"
#include "core/methods/IntegerDeterminant.h"
#include "core/methods/Minors.h"
#include "core/methods/Sarrus.h"

namespace korvane {

namespace {

// The minors of A are M, theirs N, and theirs P: a 5 × 5 matrix expanded
// all the way down has 2 × 2 minors three levels below it.
constexpr std::string_view kMinorLetters[] = {"M", "N", "P"};
// Beyond this size the full expansion has too many terms: n! of them.
constexpr int kLargestFullExpansion = 5;

struct Line {
    bool column = false;
    int index = 0;
};

// The (row, column) of the line's k-th entry.
std::pair<int, int> Place(Line line, int k) {
    return line.column ? std::pair{k, line.index} : std::pair{line.index, k};
}

int ZerosAlong(const WorkMatrix& matrix, Line line) {
    int zeros = 0;
    for (int k = 0; k <= matrix.LastRow(); ++k) {
        const auto [row, col] = Place(line, k);
        if (CpxIsZero(matrix.At(col, row))) ++zeros;
    }
    return zeros;
}

// The line with the most zeros: the rows from the top, then the columns
// from the left, the first of equals.
Line MostZeros(const WorkMatrix& matrix) {
    Line best;
    int most = ZerosAlong(matrix, best);
    for (const bool column : {false, true}) {
        for (int k = 0; k <= matrix.LastRow(); ++k) {
            const int zeros = ZerosAlong(matrix, {column, k});
            if (zeros > most) {
                best = {column, k};
                most = zeros;
            }
        }
    }
    return best;
}

std::string LineName(Line line) {
    return std::to_string(line.index + 1) + (line.column ? "列目" : "行目");
}

std::string Factorial(int n) {
    long long product = 1;
    for (int k = 2; k <= n; ++k)
        product *= k;
    return std::to_string(product);
}

class Expansion {
  public:
    Expansion(StepLog& log, const ExpansionChoice& choice, const LogStyle& style)
        : log_(log), choice_(choice), style_(style) {}

    // The determinant of matrix, named name, depth levels below A; along
    // chosen, or the line with the most zeros.
    ComplexFraction Determinant(const WorkMatrix& matrix, const std::string& name, int depth,
                                std::optional<Line> chosen) {
        const int n = matrix.LastRow() + 1;
        if (depth > 0 && (n <= 2 || (n == 3 && choice_.sarrusMinors)))
            return LoggedSarrus(matrix, name, log_);
        const Line line = chosen ? *chosen : MostZeros(matrix);
        AnnounceLine(matrix, name, depth, line, chosen.has_value());
        const bool once = depth == 0 && n > kLargestFullExpansion;
        if (once) {
            log_.AppendStepLog("展開を繰り返すと項が " + std::to_string(n) + "! = " + Factorial(n) +
                               " 個にもなるので、展開はこの1回だけにして、各小行列の行列式は行基本"
                               "変形で求めます。");
        }
        std::string sum;
        ComplexFraction det = CpxZero();
        for (int k = 0; k < n; ++k) {
            StopPoint();
            const auto [row, col] = Place(line, k);
            const ComplexFraction& entry = matrix.At(col, row);
            const std::string minorName = MinorName(kMinorLetters[depth], row, col);
            if (CpxIsZero(entry)) {
                log_.AppendStepLog(name + " の(" + std::to_string(row + 1) + "," +
                                   std::to_string(col + 1) + ")成分が0なので、" + minorName +
                                   " の項は計算を省きます。");
                continue;
            }
            const WorkMatrix minor = MinorOf(matrix, row, col);
            LogMinor(name, row, col, minorName, minor, log_);
            const ComplexFraction value =
                once ? LoggedIntegerDeterminant(minor, minorName, log_, style_)
                     : Determinant(minor, minorName, depth + 1, std::nullopt);
            const ComplexFraction term = CpxMul(entry, value);
            AppendSigned(sum, OddPlace(row, col), Factor(entry) + "·" + Factor(value));
            det = OddPlace(row, col) ? CpxSub(det, term) : Plus(det, term);
        }
        log_.AppendStepLog("det " + name + " = " + (sum.empty() ? "" : sum + " = ") + CpxText(det));
        return det;
    }

  private:
    // Which line, why, and the expansion along it with its signs.
    void AnnounceLine(const WorkMatrix& matrix, const std::string& name, int depth, Line line,
                      bool chosen) {
        const int zeros = ZerosAlong(matrix, line);
        if (chosen) {
            log_.AppendStepLog("det " + name + " を" + LineName(line) + "で余因子展開します。");
        } else if (zeros > 0) {
            log_.AppendStepLog("det " + name + " を、0の成分が最も多い" + LineName(line) +
                               "で余因子展開します。");
        } else {
            log_.AppendStepLog("0の成分がないので、det " + name + " を" + LineName(line) +
                               "で余因子展開します。");
        }
        std::string formula = "det " + name + " = ";
        for (int k = 0; k <= matrix.LastRow(); ++k) {
            const auto [row, col] = Place(line, k);
            if (k > 0) formula += " + ";
            formula += SignPower(row, col) + "·" + Factor(matrix.At(col, row)) + "·det " +
                       MinorName(kMinorLetters[depth], row, col);
        }
        log_.AppendStepLog(formula);
    }

    StepLog& log_;
    ExpansionChoice choice_;
    LogStyle style_;
};

}  // namespace

bool CofactorExpansionDeterminant(const CellGrid& grid, StepLog& log, const ExpansionChoice& choice,
                                  const LogStyle& style) {
    WorkMatrix matrix;
    if (!StartOnSquare(grid, log, matrix, kNoDeterminant)) return false;
    std::optional<Line> chosen;
    if (choice.line != ExpansionChoice::Line::kAuto) {
        chosen = Line{choice.line == ExpansionChoice::Line::kColumn, choice.index};
        if (choice.index < 0 || choice.index >= grid.Rows()) {
            log.AppendStepLog("この行列に" + LineName(*chosen) + "はありません。");
            return false;
        }
    }
    if (grid.Rows() == 1) {
        log.AppendStepLog("1行1列の行列の行列式は、その成分です。");
        DeterminantResult(matrix.At(0, 0), log);
        return true;
    }
    DeterminantResult(Expansion(log, choice, style).Determinant(matrix, "A", 0, chosen), log);
    return true;
}

}  // namespace korvane
