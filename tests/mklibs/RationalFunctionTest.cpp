// Rational functions in one parameter: their reading, canonical texts,
// arithmetic, values and roots, against results worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mklibs/ParameterReader.h"
#include "mklibs/ParameterValues.h"
#include "mklibs/RationalFunction.h"
#include "mklibs/mklibs.h"

namespace korvane {
namespace {

RationalFunction Rf(const std::string& text) {
    return ReadParameterExpression(text).value;
}

std::string Text(const std::string& text) {
    return RfText(Rf(text));
}

std::string RefusalOf(const std::string& text) {
    try {
        ReadParameterExpression(text);
    } catch (const ParameterTextError& e) {
        return e.what();
    }
    return "(read)";
}

TEST(RationalFunctionText, CanonicalAndFactoredWhereItHelps) {
    const std::pair<const char*, const char*> cases[] = {
        {"a", "a"},
        {"1-a", "-(a-1)"},
        {"a^2+1", "a^2+1"},
        {"2a/3", "2a/3"},
        {"1/(a-1)", "1/(a-1)"},
        {"(a+1)(a-2)", "(a+1)(a-2)"},
        {"a^2/(a-1)", "a^2/(a-1)"},
        {"a^3-3a+2", "(a-1)^2(a+2)"},
        {"a^2-a", "a(a-1)"},
        {"a^3-a", "a(a-1)(a+1)"},
        {"2a+2", "2(a+1)"},
        {"-2a", "-2a"},
        {"a-1/2", "(2a-1)/2"},
        {"1/(2a-1)", "1/(2a-1)"},
        {"(1/2)/(a-1)", "1/(2(a-1))"},
        {"3/(2a^2)", "3/(2a^2)"},
        {"1/a^2", "1/a^2"},
        {"-a/2", "-a/2"},
        {"-1/(a-1)", "-1/(a-1)"},
        {"1/(1-a)", "-1/(a-1)"},
        {"(a+1)/(a^2-1)", "1/(a-1)"},
        {"(a^2-1)/(a-1)", "a+1"},
        {"4a^2-1", "(2a-1)(2a+1)"},
        {"(a^2-2)(a+1)", "(a+1)(a^2-2)"},
        {"(a+1)/(2a-2)", "(a+1)/(2(a-1))"},
        {"(a-1)^2/3", "(a-1)^2/3"},
        {"(a^2+a+1)/3", "(a^2+a+1)/3"},
        // Constants exactly as CpxText; a letter that cancels leaves none.
        {"3/4", "3/4"},
        {"1/2+3i/4", "1/2+3i/4"},
        {"a-a", "0"},
        {"(a+1)/(a+1)", "1"},
        // Complex coefficients are factored over Q(i).
        {"ia", "ia"},
        {"a^2+2ia-1", "(a+i)^2"},
        {"(1+i)a", "(1+i)a"},
        {"a/(1+i)", "(1-i)a/2"},
        {"(a-i)/(a+i)", "(a-i)/(a+i)"},
        {"(1+i)/(a-1)", "(1+i)/(a-1)"},
        {"a^2+(1-i)a-i", "(a-i)(a+1)"},
    };
    for (const auto& [input, text] : cases) {
        EXPECT_EQ(Text(input), text) << input;
        EXPECT_EQ(Text(text), text) << "read back: " << text;
    }
}

TEST(RationalFunctionReader, ReadsTheUsualWaysOfWriting) {
    const std::pair<const char*, const char*> cases[] = {
        {" 2 a / 3 ", "2a/3"},
        {"2*a/3", "2a/3"},
        {"1/2a", "1/(2a)"},  // side by side binds tighter, as 1/2i is 1/(2i)
        {"1/2*a", "a/2"},
        {"a**2", "a^2"},
        {"a^-1", "1/a"},
        {"a^(-2)", "1/a^2"},
        {"(a+1)^0", "1"},
        {"-a^2", "-a^2"},
        {"--a", "a"},
        {"0.5a", "a/2"},
        {".5+a", "(2a+1)/2"},
        {"1e-1a", "a/10"},
        {"2.5E1", "25"},
        {"2ia", "2ia"},
        {"i*k", "ik"},
        {"3i/4", "3i/4"},
        {"(t-1)(t+2)^2", "(t-1)(t+2)^2"},
        {"\xEF\xBC\x92\xE2\x88\x92x", "-(x-2)"},  // full-width 2 and U+2212
    };
    for (const auto& [input, text] : cases)
        EXPECT_EQ(Text(input), text) << input;
}

TEST(RationalFunctionReader, NamesTheLetterItTook) {
    EXPECT_EQ(ReadParameterExpression("k^2-1").letter, 'k');
    EXPECT_EQ(ReadParameterExpression("t-t").letter, 't');
    EXPECT_EQ(ReadParameterExpression("t-t").value.Letter(), '\0');
    EXPECT_EQ(ReadParameterExpression("2+3i").letter, '\0');
}

TEST(RationalFunctionReader, KeepsWhereTheTextDividesByZero) {
    const std::pair<const char*, const char*> cases[] = {
        {"(a^2-1)/(a-1)", "a - 1"},
        {"1/(a(a+1))", "a^2 + a"},
        {"1/(a-1)^2+1/(1-a)", "a - 1"},
        {"a^-2", "a"},
        {"1/(1/(a-1))", "a - 1"},
        {"a/(a^2+1)", "a^2 + 1"},
        {"2a/3", "1"},
        {"(a-2)/(a-2)*a", "a - 2"},
    };
    for (const auto& [input, zeros] : cases)
        EXPECT_EQ(PolynomialText(ReadParameterExpression(input).undefinedAt, "a"), zeros) << input;
    std::string many = "1";
    for (int k = 0; k <= kMaxParameterDegree; ++k)
        many += "/(a-" + std::to_string(k) + ")*(a-" + std::to_string(k) + ")";
    EXPECT_EQ(RefusalOf(many), "878文字目の「/」で次数が64を超えます。次数は64までです。");
}

TEST(RationalFunctionReader, RefusesWithThePlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "式がありません。"},
        {"  ", "式がありません。"},
        {"a+b", "3文字目の「b」で文字が a と b の2種類になります。文字は1種類だけにしてください。"},
        {"ab", "1文字目の「ab」は読めません。"},
        {"ai", "1文字目の「ai」は読めません。i との積は ia と書きます。"},
        {"pi", "1文字目の「pi」は読めません。i との積は ip と書きます。"},
        {"sin", "1文字目の「sin」は読めません。"},
        {"2e", "2文字目の「e」は文字に使えません（虚数単位は i、指数は 1e-3 の e です）。"},
        {"j", "1文字目の「j」は文字に使えません（虚数単位は i、指数は 1e-3 の e です）。"},
        {"A", "1文字目の「A」は読めません。文字は i、j、e 以外の小文字 a〜z です。"},
        {"a 2", "3文字目の「2」の前に「*」などの演算子が要ります。"},
        {"(a+1)2", "6文字目の「2」の前に「*」などの演算子が要ります。"},
        {"1.2.3", "4文字目の「.」の前に「*」などの演算子が要ります。"},
        {"(a+1", "1文字目の「(」に対応する「)」がありません。"},
        {"a+1)", "4文字目の「)」に対応する「(」がありません。"},
        {"a+", "式が途中で終わっています。最後に数か文字が要ります。"},
        {"a*/2", "3文字目の「/」の前に数か文字が要ります。"},
        {"1/(a-a)", "2文字目の「/」で0で割っています。"},
        {"0^-1", "2文字目の「^」で0で割っています。"},
        {"a^b", "2文字目の「^」の後には整数の指数を書きます。"},
        {"a^1.5", "2文字目の「^」の後には整数の指数を書きます。"},
        {"(a+1)^100000", "6文字目の「^」の指数が大きすぎます。指数は10000までです。"},
        {"(a+1)^65", "6文字目の「^」で次数が64を超えます。次数は64までです。"},
        {"a^40*a^40", "5文字目の「*」で次数が64を超えます。次数は64までです。"},
        {"((9^64)^64)^64", "12文字目の「^」の累乗は大きすぎて計算できません。"},
        {"1e10001", "1文字目の数は指数が大きすぎます。指数は10000までです。"},
        {"1e5000*1e5001", "8文字目の数は指数が大きすぎます。指数は10000までです。"},
        {"a=1", "2文字目の「=」は読めません。"},
        {"α+1", "1文字目の「α」は読めません。"},
        {"a\x01", "2文字目の文字は読めません。"},
        {"a\xFF", "2文字目の文字は読めません。"},
        {"\xE3\x80\x80"
         "a,",
         "3文字目の「,」は読めません。"},  // the ideographic space counts as one
    };
    for (const auto& [input, message] : cases)
        EXPECT_EQ(RefusalOf(input), message) << input;
    std::string deep(70, '(');
    EXPECT_EQ(RefusalOf(deep + "a"), "65文字目の「(」で括弧や符号の入れ子が深すぎます。");
}

TEST(RationalFunctionReader, ErrorKeepsPlaceAndReasonApart) {
    try {
        ReadParameterExpression("a+b");
        FAIL();
    } catch (const ParameterTextError& e) {
        EXPECT_EQ(e.place(), 3);
        EXPECT_EQ(e.reason(),
                  "「b」で文字が a と b の2種類になります。文字は1種類だけにしてください。");
    }
}

TEST(RationalFunctionArithmetic, AgainstHandWorkedResults) {
    enum Op { kAdd, kSub, kMul, kDiv };
    struct Case {
        Op op;
        const char* x;
        const char* y;
        const char* result;
    };
    const Case cases[] = {
        {kAdd, "1/(a-1)", "1/(a+1)", "2a/((a-1)(a+1))"},
        {kAdd, "1/(a-1)", "-1/(a-1)", "0"},
        {kAdd, "a/(a-1)", "-1/(a-1)", "1"},
        {kAdd, "1/(a(a-1))", "1/(a(a+1))", "2/((a-1)(a+1))"},
        {kSub, "a", "a", "0"},
        {kSub, "a^2", "1", "(a-1)(a+1)"},
        {kMul, "(a-1)/(a+2)", "(a+2)/(a-1)", "1"},
        {kMul, "(a-1)/(a+2)", "(a+2)^2/(a-1)^3", "(a+2)/(a-1)^2"},
        {kMul, "2a/3", "3/(2a)", "1"},
        {kMul, "0", "1/(a-1)", "0"},
        {kDiv, "a^2-1", "a+1", "a-1"},
        {kDiv, "1", "1-a", "-1/(a-1)"},
        {kDiv, "i", "a", "i/a"},
        {kMul, "a+i", "a-i", "a^2+1"},
    };
    for (const Case& c : cases) {
        const RationalFunction x = Rf(c.x), y = Rf(c.y);
        RationalFunction result;
        switch (c.op) {
            case kAdd:
                result = RfAdd(x, y);
                break;
            case kSub:
                result = RfSub(x, y);
                break;
            case kMul:
                result = RfMul(x, y);
                break;
            case kDiv:
                result = RfDiv(x, y);
                break;
        }
        EXPECT_EQ(RfText(result), c.result) << c.x << " op " << c.y;
        EXPECT_EQ(result, Rf(c.result)) << "canonical: " << c.result;
    }
}

TEST(RationalFunctionArithmetic, FieldRulesAndItsFaults) {
    const RationalFunction x = Rf("(a-1)/(a+2)");
    EXPECT_TRUE(RfIsOne(RfMul(x, RfInv(x))));
    EXPECT_TRUE(RfIsZero(RfAdd(x, RfNeg(x))));
    RationalFunction t = Rf("a^2");
    RfSubMul(t, Rf("a"), Rf("a-1"));
    EXPECT_EQ(RfText(t), "a");
    EXPECT_TRUE(RfIsConstant(Rf("(2a+2)/(a+1)")));
    EXPECT_FALSE(RfIsConstant(Rf("1/a")));
    EXPECT_THROW(RfInv(Rf("a-a")), DivisionByZero);
    EXPECT_THROW(RfDiv(Rf("a"), RationalFunction()), DivisionByZero);
    EXPECT_THROW(RationalFunction::Parameter('i'), Error);
    // Two letters never mix; a constant goes with either.
    try {
        RfAdd(Rf("a"), Rf("b"));
        FAIL();
    } catch (const ParameterLetterClash& e) {
        EXPECT_STREQ(e.what(), "文字が a と b の2種類あります。文字は1種類だけにしてください。");
    }
    EXPECT_THROW(RfMul(Rf("1/a"), Rf("t")), ParameterLetterClash);
    EXPECT_EQ(RfMul(Rf("b"), Rf("2")).Letter(), 'b');
}

TEST(RationalFunctionValue, AtAValueAndAtAPole) {
    const std::pair<const char*, const char*> cases[] = {
        {"(a-1)^2(a+2)", "2"},  // at a = 0
        {"1/(a-1)", "-1"},     {"(a+i)/(a-i)", "-1"}, {"a^2/(2a+3)", "0"}, {"7/2", "7/2"},
    };
    for (const auto& [function, value] : cases)
        EXPECT_EQ(CpxText(RfAt(Rf(function), CpxZero())), value) << function;
    EXPECT_EQ(CpxText(RfAt(Rf("(a^2+1)/(a-2)"), CpxParse("1+i"))), "1/2-3i/2");
    EXPECT_THROW(RfAt(Rf("1/(a-1)"), CpxOne()), DivisionByZero);
    EXPECT_THROW(RfAt(Rf("a/(a^2+1)"), CpxParse("i")), DivisionByZero);
}

std::string RootsText(const ParameterRoots& split) {
    std::string text;
    for (const ComplexFraction& r : split.roots)
        text += CpxText(r) + ";";
    for (const Polynomial& p : split.others)
        text += "[" + PolynomialText(p, "a") + "]";
    return text;
}

TEST(ParameterValues, RootsInTheTeachersOrderAndTheRestWhole) {
    const std::pair<const char*, const char*> cases[] = {
        {"(a-1)^2(a+2)", "1;-2;"},
        {"a^3-a", "0;1;-1;"},
        {"a^2+1", "i;-i;"},
        {"(2a-1)(a-1)", "1/2;1;"},
        {"a^3-a-1", "[a^3 - a - 1]"},
        {"(a^2-2)(a+3)(a^4+1)", "-3;[a^2 - 2][a^2 - i][a^2 + i]"},
        {"7", ""},
    };
    for (const auto& [p, roots] : cases)
        EXPECT_EQ(RootsText(SplitRoots(Rf(p).Numerator())), roots) << p;
}

TEST(ParameterValues, ConditionTexts) {
    ParameterRoots excluded = SplitRoots(Rf("(a-1)(a+2)").Numerator());
    EXPECT_EQ(UnequalConditionText('a', excluded), "a ≠ 1, -2");
    excluded.others.push_back(Rf("a^2-2").Numerator());
    EXPECT_EQ(UnequalConditionText('a', excluded), "a ≠ 1, -2, √2, -√2");
    excluded.others.push_back(Rf("a^3-a-1").Numerator());
    EXPECT_EQ(UnequalConditionText('a', excluded), "a ≠ 1, -2, √2, -√2 かつ a^3 - a - 1 ≠ 0");
    EXPECT_EQ(UnequalConditionText('k', SplitRoots(Rf("k^2+k+1").Numerator())),
              "k ≠ (-1+i√3)/2, (-1-i√3)/2");
    // Roots that need a root inside a root are named through their factor.
    EXPECT_EQ(UnequalConditionText('k', SplitRoots(Rf("k^2-1-i").Numerator())),
              "k^2 - (1+i) ≠ 0");
    EXPECT_EQ(EqualConditionText('t', CpxParse("-1/2")), "t = -1/2");
    EXPECT_EQ(RootConditionText('a', Rf("a^3-a-1").Numerator()), "a が a^3 - a - 1 = 0 の解");
}

}  // namespace
}  // namespace korvane
