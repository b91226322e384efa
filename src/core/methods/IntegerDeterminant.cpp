#include "core/methods/IntegerDeterminant.h"

#include <string>
#include <vector>

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/RowOperationText.h"
#include "core/engine/RowReduction.h"
#include "core/methods/CommandFrame.h"
#include "core/methods/DeterminantRelation.h"
#include "core/methods/FormulaText.h"
#include "mklibs/FractionRounding.h"

namespace korvane {

namespace {

ComplexFraction Whole(Integer value) {
    return {Fraction{std::move(value), 1}, Fraction{}};
}

// a/b with both parts rounded to the nearest integer: a - q·b is then
// smaller than b, which is what each pass of the clearing relies on.
ComplexFraction RoundedQuotient(const ComplexFraction& a, const ComplexFraction& b) {
    const ComplexFraction q = CpxMul(a, CpxInv(b));
    return {Fraction{NearestInteger(q.re), 1}, Fraction{NearestInteger(q.im), 1}};
}

// The square of the absolute value of a Gaussian integer.
Integer Norm(const ComplexFraction& z) {
    return z.re.num * z.re.num + z.im.num * z.im.num;
}

Integer Lcm(const Integer& a, const Integer& b) {
    return DivideExact(a * b, Gcd(a, b));
}

// The real and imaginary parts of the row's entries.
std::vector<const Fraction*> RowParts(const WorkMatrix& matrix, int row) {
    std::vector<const Fraction*> parts;
    for (int c = 0; c <= matrix.LastCol(); ++c) {
        parts.push_back(&matrix.At(c, row).re);
        parts.push_back(&matrix.At(c, row).im);
    }
    return parts;
}

// What the row must be multiplied by for every entry to be a Gaussian integer.
Integer RowDenominator(const WorkMatrix& matrix, int row) {
    Integer lcm = 1;
    for (const Fraction* part : RowParts(matrix, row))
        lcm = Lcm(lcm, part->den);
    return lcm;
}

// The greatest whole number dividing every part of a row of Gaussian
// integers; 0 for a zero row.
Integer RowContent(const WorkMatrix& matrix, int row) {
    Integer gcd = 0;
    for (const Fraction* part : RowParts(matrix, row))
        gcd = Gcd(gcd, part->num);
    return gcd;
}

// The working on one matrix: the reduction's logged operations, each
// followed by what it did to the determinant.
class IntegerWorking {
  public:
    IntegerWorking(const WorkMatrix& matrix, std::string_view name, StepLog& log,
                   const LogStyle& style)
        : matrix_(matrix),
          name_(name),
          log_(log),
          style_(style),
          reduction_(matrix_, log_, tally_, style) {
        reduction_.Watch([this](const RowOperation& op) {
            front_.Take(FrontFactorOf(op));
            log_.AppendStepLog(RelationSentence(op, front_, name_));
            changed_ = true;
        });
    }

    ComplexFraction Run() {
        log_.AppendStepLog(name_ +
                           " を、成分をなるべく整数のままにして、行基本変形で上三角行列に"
                           "します。操作のたびに、そのときの行列を B とし、det " +
                           name_ + " を det B で表します。");
        ClearDenominators();
        const int last = matrix_.LastRow();
        for (int col = 0; col < last; ++col) {
            TakeOutFactors(col);
            if (!ClearColumn(col)) return Conclude(col);
        }
        return Conclude(-1);
    }

  private:
    void ClearDenominators() {
        for (int r = 0; r <= matrix_.LastRow(); ++r) {
            const Integer d = RowDenominator(matrix_, r);
            if (!d.IsOne()) reduction_.ScaleRow(r, Whole(d));
        }
    }

    // Takes the common factor out of every row from row on.
    void TakeOutFactors(int from) {
        for (int r = from; r <= matrix_.LastRow(); ++r) {
            StopPoint();
            const Integer g = RowContent(matrix_, r);
            if (g > 1) TakeOut(r, g);
        }
    }

    void TakeOut(int row, const Integer& g) {
        const ComplexFraction inverse = CpxInv(Whole(g));
        for (int c = 0; c <= matrix_.LastCol(); ++c)
            matrix_.Set(c, row, CpxMul(matrix_.At(c, row), inverse));
        const std::string factor = g.ToString();
        std::string line =
            std::to_string(row + 1) + "行目から共通因数" + factor + "をくくり出します。";
        if (style_.notation) line += "  " + RowOperationNotation(RowOperation::Scale(row, inverse));
        log_.AppendStepLog(line);
        PrintWorkMatrix(matrix_, log_);
        front_.Take(Whole(g));
        log_.AppendStepLog("くくり出した" + factor + "を前に書くと、" +
                           RelationEquation(front_, name_));
        changed_ = true;
    }

    // Clears col below the diagonal; false when col is zero from the
    // diagonal down.
    bool ClearColumn(int col) {
        while (true) {
            StopPoint();
            const int pivot = LeastEntryRow(col);
            if (pivot < 0) return false;
            if (pivot != col) reduction_.SwapRows(col, pivot);
            bool cleared = true;
            for (int r = col + 1; r <= matrix_.LastRow(); ++r) {
                if (CpxIsZero(matrix_.At(col, r))) continue;
                reduction_.SubtractRowMultiple(
                    r, col, RoundedQuotient(matrix_.At(col, r), matrix_.At(col, col)));
                cleared = cleared && CpxIsZero(matrix_.At(col, r));
            }
            if (cleared) return true;
        }
    }

    // The row from the diagonal down whose entry in col is the least
    // nonzero one in size, the first of equals; -1 when all are zero.
    int LeastEntryRow(int col) const {
        int least = -1;
        Integer leastNorm;
        for (int r = col; r <= matrix_.LastRow(); ++r) {
            if (CpxIsZero(matrix_.At(col, r))) continue;
            Integer norm = Norm(matrix_.At(col, r));
            if (least < 0 || norm < leastNorm) {
                least = r;
                leastNorm = std::move(norm);
            }
        }
        return least;
    }

    // The end: det B from the diagonal, or 0 for a column that is zero from
    // the diagonal down (zeroColumn, or -1), and det name from it.
    ComplexFraction Conclude(int zeroColumn) {
        ComplexFraction detB = CpxZero();
        if (zeroColumn >= 0) {
            log_.AppendStepLog("B の" + std::to_string(zeroColumn + 1) +
                               "列目は対角成分から下がすべて0なので、上三角行列にすると対角成分"
                               "に0が現れ、det B = 0 です。");
        } else {
            log_.AppendStepLog(changed_ ? "これで、上三角行列になりました。"
                                        : "この行列はすでに上三角行列です。");
            std::vector<ComplexFraction> diagonal;
            for (int i = 0; i <= matrix_.LastRow(); ++i)
                diagonal.push_back(matrix_.At(i, i));
            detB = LogDiagonalProduct(diagonal, log_);
        }
        return LogFrontTimes(front_, detB, name_, log_);
    }

    WorkMatrix matrix_;
    std::string name_;
    StepLog& log_;
    LogStyle style_;
    ReductionTally tally_;
    RowReduction reduction_;
    FrontFactor front_;
    bool changed_ = false;
};

}  // namespace

ComplexFraction LoggedIntegerDeterminant(const WorkMatrix& matrix, std::string_view name,
                                         StepLog& log, const LogStyle& style) {
    return IntegerWorking(matrix, name, log, style).Run();
}

bool IntegerDeterminant(const CellGrid& grid, StepLog& log, const LogStyle& style) {
    WorkMatrix matrix;
    if (!StartOnSquare(grid, log, matrix, kNoDeterminant)) return false;
    DeterminantResult(LoggedIntegerDeterminant(matrix, "A", log, style), log);
    return true;
}

}  // namespace korvane
