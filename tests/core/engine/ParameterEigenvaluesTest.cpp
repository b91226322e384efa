// Eigenvalues of matrices with a parameter letter: the characteristic
// polynomial over Q(a), its factors and the eigenvalues logged.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/parameter/ParameterCharacteristic.h"
#include "core/parameter/ParameterEigenvalues.h"
#include "mklibs/ParameterReader.h"

namespace korvane {
namespace {

// The matrix of the texts, its letter and where an entry means nothing.
struct TypedMatrix {
    BasicWorkMatrix<RationalFunctions> matrix;
    char letter = '\0';
    Polynomial undefinedAt = Polynomial::Constant(CpxOne());
};

TypedMatrix MatrixOf(const std::vector<std::vector<const char*>>& rows) {
    TypedMatrix typed;
    typed.matrix.Resize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const ParameterReading cell = ReadParameterExpression(rows[r][c]);
            typed.matrix.Set(static_cast<int>(c), static_cast<int>(r), cell.value);
            if (cell.letter != '\0') typed.letter = cell.letter;
            typed.undefinedAt = typed.undefinedAt * cell.undefinedAt;
        }
    }
    return typed;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ParameterEigenvalues, FactorsAndValues) {
    struct Case {
        std::vector<std::vector<const char*>> matrix;
        const char* characteristic;       // the expanded line
        std::vector<const char*> lines;   // further lines the log must hold
        bool delivered;
    };
    const Case cases[] = {
        {{{"a", "1"}, {"1", "a"}},
         "det(λI - A) = λ^2 - 2aλ + (a-1)(a+1)",
         {"λ = a+1（代数的重複度1）", "λ = a-1（代数的重複度1）", "よって、固有値は、"},
         true},
        {{{"a", "0"}, {"0", "a"}},
         "det(λI - A) = λ^2 - 2aλ + a^2",
         {"det(λI - A) = (λ - a)^2", "λ = a（代数的重複度2）"},
         true},
        // λ² − a does not split over Q(a).
        {{{"0", "a"}, {"1", "0"}},
         "det(λI - A) = λ^2 - a",
         {"λ について1次の因数がないので、有理式で書ける固有値はありません。",
          "因数 λ^2 - a は λ について2次で、これ以上因数分解できないので、その根である固有値は "
          "λ^2 - a = 0 の解として示します（代数的重複度1）。"},
         true},
        // λ = a is a root of λ² − a at a = 0 and a = 1.
        {{{"a", "0", "0"}, {"0", "0", "a"}, {"0", "1", "0"}},
         "det(λI - A) = λ^3 - aλ^2 - aλ + a^2",
         {"λ = a（代数的重複度1）",
          "a = 0、a = 1 のとき、固有値 a は λ^2 - a = 0 の解でもあります。"},
         true},
        // Two eigenvalues meet at a = 3; the letter is any but i.
        {{{"k", "1"}, {"0", "3"}},
         "det(λI - A) = λ^2 - (k+3)λ + 3k",
         {"k = 3 のとき、固有値 3 と k は等しくなります。"},
         true},
        {{{"1/(a-1)", "0"}, {"0", "2"}},
         "det(λI - A) = λ^2 - ((2a-1)/(a-1))λ + 2/(a-1)",
         {"a ≠ 1 のときを考えます（それ以外の値では、成分が定義されません）。",
          "λ = 1/(a-1)（代数的重複度1）", "λ = 2（代数的重複度1）"},
         true},
        // A planted family: P diag(a+1, 2a, 3) P⁻¹ with P = [[1,1,0],[0,1,1],[0,0,1]].
        {{{"a+1", "a-1", "3-2a"}, {"0", "2a", "3-2a"}, {"0", "0", "3"}},
         "det(λI - A) = λ^3 - (3a+4)λ^2 + (2a^2+11a+3)λ - 6a(a+1)",
         {"λ = a+1（代数的重複度1）", "λ = 2a（代数的重複度1）", "λ = 3（代数的重複度1）",
          "a = 1 のとき、固有値 2a と a+1 は等しくなります。"},
         true},
        // The unit in the polynomial: not factored, and said so.
        {{{"ia", "0"}, {"0", "1"}},
         "det(λI - A) = λ^2 - (ia+1)λ + ia",
         {"固有多項式の係数に虚数単位 i が含まれるので、a の有理式の範囲での因数分解はここでは"
          "行いません。"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.characteristic);
        MemoryStepLog log;
        const TypedMatrix a = MatrixOf(c.matrix);
        EXPECT_EQ(LoggedParameterEigenvalues(a.matrix, a.letter, a.undefinedAt, log), c.delivered);
        EXPECT_TRUE(Holds(log.Lines(), c.characteristic)) << log.Text();
        for (const char* line : c.lines)
            EXPECT_TRUE(Holds(log.Lines(), line)) << line << "\n" << log.Text();
    }
}

TEST(ParameterEigenvalues, PolynomialInLambdaTexts) {
    const auto rf = [](const char* text) { return ReadParameterExpression(text).value; };
    const struct {
        LambdaPolynomial p;
        const char* text;
    } cases[] = {
        {{rf("-(a+1)"), rf("1")}, "λ - (a+1)"},
        {{rf("a^2-1"), rf("-2a"), rf("1")}, "λ^2 - 2aλ + (a-1)(a+1)"},
        {{rf("0"), rf("2a/3"), rf("0"), rf("1")}, "λ^3 + (2a/3)λ"},
        {{rf("1/(a-1)"), rf("-1")}, "-λ + 1/(a-1)"},
        {{rf("1+2i"), rf("i")}, "iλ + (1+2i)"},
        {{rf("0")}, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LambdaPolynomialText(c.p), c.text);
}

}  // namespace
}  // namespace korvane
