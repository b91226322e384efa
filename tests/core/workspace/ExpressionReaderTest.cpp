#include <gtest/gtest.h>

#include <string>

#include "core/workspace/ExpressionReader.h"
#include "core/workspace/ExpressionText.h"

namespace korvane {
namespace {

std::string Read(std::string_view text) {
    const ReadExpression read = ReadExpressionText(text);
    return read.equation ? EquationText(*read.equation) : ExpressionText(*read.expression);
}

// What is read, as the log names it again: the grouping shows in the
// brackets, the signs and the forms of a power fold to one spelling.
TEST(ExpressionReader, ReadsAsTheLogNamesIt) {
    const struct {
        const char* text;
        const char* named;
    } cases[] = {
        {"A B - 2C", "AB - 2C"},
        {"A*B·C×D", "ABCD"},
        {"A(BC)", "A(BC)"},
        {"(1/2)B + iA - 0.5C", "(1/2)B + iA - (1/2)C"},
        {"1/2 B", "(1/2)B"},
        {"-.42/ H", "(-21/50)/H"},
        {"-2A", "-2A"},
        {"2·3i/4A", "(3i/2)A"},
        {"-A^2", "-A^2"},
        {"-(-(-A))", "---A"},
        {"-(0B)", "-(0B)"},
        {"-(AB) - (1/2)/0", "-(AB) - (1/2)/0"},
        {"-(iA) - inv(A)", "-(iA) - inv(A)"},
        {"-2^2", "-(2^2)"},
        {"(-2)^2", "(-2)^2"},
        {"A + -B", "A + (-B)"},
        {"A* -4B", "A(-4)B"},
        {"A - (B - C) - D", "A - (B - C) - D"},
        {"(A + B)(A - B)", "(A + B)(A - B)"},
        {"A^-1B", "A^-1B"},
        {"A^(-2) + A^(+3)", "A^-2 + A^3"},
        {"A^T + A^H + A^*", "A^T + A^H + A^H"},
        {"Aᵀ B⁻¹ C² Dᴴ", "A^TB^-1C^2D^H"},
        {"(AB)^T", "(AB)^T"},
        {"A^T^T", "(A^T)^T"},
        {"A^3 - 2A + I", "A^3 - 2A + I"},
        {"O + tr(A)det(B)I", "O + tr(A)det(B)I"},
        {"inv(A) rref(B)", "inv(A)rref(B)"},
        {"A/2 B", "(A/2)B"},
        {"A/(i·4)", "A/(4i)"},
        {"２A", "2A"},
        {"A − B", "A - B"},
        {"AX = B", "AX = B"},
        {"ABX = C", "(AB)X = C"},
        {"-64/-iX = H", "(-64i)X = H"},
        {"X2*.7A = B", "X((7/5)A) = B"},
        {"X(AB)(CD) = E", "X(AB(CD)) = E"},
        {"X(A + I) = B^T", "X(A + I) = B^T"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Read(c.text), c.named);
        // The name reads back as the same expression.
        EXPECT_EQ(Read(Read(c.text)), c.named);
    }
}

// Every refusal names what is wrong and, where it stands in the text, the
// character it starts at.
TEST(ExpressionReader, RefusalsNameThePlace) {
    const std::string form = "方程式は、未知の行列を X として、AX = B か XA = B の形に書きます。";
    const std::string deep = std::string(101, '(') + "A" + std::string(101, ')');
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "式が空です。"},
        {" \t　", "式が空です。"},
        {"A # B", "3文字目の「#」は式に使えません。"},
        {"A\x01", "2文字目の「0x01」は式に使えません。"},
        {"A\xFF", "2文字目の「0xFF」は式に使えません。"},
        {"A + \xC1\x86", "5文字目の「0xC1」は式に使えません。"},
        {"A + * B", "5文字目の「*」の前に、行列か数が要ります。"},
        {"A +", "式の終わりに、行列か数が要ります。"},
        {"(A + B", "1文字目の「(」に対応する「)」がありません。"},
        {"A + B)", "6文字目の「)」に対応する「(」がありません。"},
        {"(A + )", "6文字目の「)」の前に、行列か数が要ります。"},
        {"sin(A)",
         "1文字目の「sin」は読めません。小文字で書けるのは、虚数単位 i と tr、det、inv、rref "
         "です。"},
        {"det A", "1文字目の det の後には「(」が要ります。"},
        {"1.2.3A", "1文字目の「1.2.3」を数として読めません。"},
        {"A^", "2文字目の「^」の後には、整数か、転置の T、共役転置の H か * を書きます。"},
        {"A^1.5", "2文字目の「^」の後には、整数か、転置の T、共役転置の H か * を書きます。"},
        {"A^B", "2文字目の「^」の後には、整数か、転置の T、共役転置の H か * を書きます。"},
        {"A^(2", "3文字目の「(」に対応する「)」がありません。"},
        {"A⁻ + B", "2文字目の「⁻」の後に指数の数字が要ります。"},
        {"A^99999999999",
         "2文字目の指数 99999999999 は大きすぎます。指数の大きさは 2147483647 までです。"},
        {"A = B", "3文字目の「=」の左辺が AX や XA の形ではありません。" + form},
        {"XAX = B", "5文字目の「=」の左辺が AX や XA の形ではありません。" + form},
        {"AX = B = C", "8文字目の「=」は2つ目です。式に書ける「=」は1つです。"},
        {"AX = XB", "X が2か所以上にあります。" + form},
        {deep, "101文字目のところで、括弧や符号の入れ子が深すぎます。"},
        {std::string(101, '-') + "A", "101文字目のところで、括弧や符号の入れ子が深すぎます。"},
        {std::string(2001, 'A'), "式が長すぎます。式は 2000 文字までです。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        try {
            ReadExpressionText(c.text);
            ADD_FAILURE() << "read without a refusal";
        } catch (const ExpressionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

}  // namespace
}  // namespace korvane
