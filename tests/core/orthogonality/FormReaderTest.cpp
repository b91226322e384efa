// The reader of typed quadratic forms: what it reads, and every refusal
// naming its place.
#include <gtest/gtest.h>

#include "TestMatrices.h"
#include "core/orthogonality/FormReader.h"

namespace korvane {
namespace {

using test::Lines;

std::vector<Lines> Shown(const CellGrid& grid) {
    std::vector<Lines> rows;
    for (int r = 0; r < grid.Rows(); ++r) {
        Lines row;
        for (int c = 0; c < grid.Cols(); ++c)
            row.push_back(grid.Cell(c, r));
        rows.push_back(row);
    }
    return rows;
}

TEST(FormReader, Reads) {
    const struct {
        const char* text;
        Lines names;
        std::vector<Lines> matrix;
    } cases[] = {
        {"x^2+4xy+y^2", {"x", "y"}, {{"1", "2"}, {"2", "1"}}},
        {"  y² − 2 x*y ", {"x", "y"}, {{"0", "-1"}, {"-1", "1"}}},
        {"3/2 x1 x2 - x2^2 + x10^2", {"x₁", "x₂", "x₁₀"},
         {{"0", "3/4", "0"}, {"3/4", "-1", "0"}, {"0", "0", "1"}}},
        {"0.5z^2 + xz + x^1z^1", {"x", "z"}, {{"0", "1"}, {"1", "1/2"}}},
        {"x·x + yx - xy", {"x", "y"}, {{"1", "0"}, {"0", "0"}}},
        {"2ab", {"a", "b"}, {{"0", "1"}, {"1", "0"}}},
        {"-x^2", {"x"}, {{"-1"}}},
    };
    for (const auto& c : cases) {
        const TypedForm form = ReadQuadraticForm(c.text);
        EXPECT_EQ(form.source.names, c.names) << c.text;
        EXPECT_EQ(Shown(form.grid), c.matrix) << c.text;
    }
}

TEST(FormReader, RefusesWithThePlace) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "二次形式が空です。"},
        {"   ", "二次形式が空です。"},
        {"x^2 + 3x", "5文字目からの項「+ 3x」は2次ではありません。二次形式の項は、x^2 や 3xy のように2次です。"},
        {"x^3", "2文字目の指数は 1 か 2 です。"},
        {"x^2y", "1文字目からの項「x^2y」は2次ではありません。二次形式の項は、x^2 や 3xy のように2次です。"},
        {"5", "1文字目からの項「5」は2次ではありません。二次形式の項は、x^2 や 3xy のように2次です。"},
        {"x^4", "2文字目の指数は 1 か 2 です。"},
        {"x^2 +", "5文字目の「+」のあとに項がありません。"},
        {"x^2 y^2 z", "1文字目からの項「x^2 y^2 z」は2次ではありません。二次形式の項は、x^2 や 3xy のように2次です。"},
        {"xy + 1/0 z^2", "8文字目の分母が0です。"},
        {"x^2 + iy", "7文字目の「i」は虚数単位と紛らわしいので、変数には使えません。"},
        {"x^2 + y%", "8文字目の「%」は二次形式に使えません。"},
        {"x^2 + Y^2", "7文字目の「Y」は二次形式に使えません。"},
        {"2*xy", "2文字目の「*」の前に変数が要ります。"},
        {"x* + y", "4文字目に変数が要ります。"},
        {"1..2x^2", "1文字目の「1..2」は数として読めません。"},
        {"x05^2", "1文字目の変数「x05」の番号は、1 から 99 までです。"},
        {"xy (z^2)", "4文字目の「(」は二次形式に使えません。"},
        {"x^2\n+y^2", "4文字目の「\n」は二次形式に使えません。"},
    };
    for (const auto& c : cases) {
        try {
            ReadQuadraticForm(c.text);
            ADD_FAILURE() << "read " << c.text;
        } catch (const FormError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.text;
        }
    }
}

TEST(FormReader, AtMostTenVariables) {
    EXPECT_NO_THROW(ReadQuadraticForm("a^2+b^2+c^2+d^2+e^2+f^2+g^2+h^2+j^2+k^2"));
    try {
        ReadQuadraticForm("a^2+b^2+c^2+d^2+e^2+f^2+g^2+h^2+j^2+k^2+l^2");
        ADD_FAILURE();
    } catch (const FormError& e) {
        EXPECT_EQ(std::string(e.what()), "41文字目：変数は10個までです。");
    }
}

}  // namespace
}  // namespace korvane
