#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "mklibs/QuadraticRoots.h"
#include "mklibs/Surd.h"
#include "mklibs/SurdReading.h"

namespace korvane {
namespace {

Surd Read(const std::string& text) {
    const SurdReading reading = ReadSurd(text);
    if (!reading.value) ADD_FAILURE() << text << ": " << reading.error;
    return reading.value.value_or(SurdZero());
}

// rational + root·√radicand from real and imaginary numerators over dens.
Surd Make(Fraction re, Fraction im, Fraction rootRe, Fraction rootIm, std::int64_t radicand) {
    return {{re, im}, {rootRe, rootIm}, radicand};
}

TEST(Surd, SquareRootsOfRationals) {
    const std::pair<Fraction, Surd> cases[] = {
        {{0, 1}, SurdZero()},
        {{1, 1}, SurdOne()},
        {{9, 4}, Make({3, 2}, {0, 1}, {0, 1}, {0, 1}, 0)},
        {{1, 2}, Make({0, 1}, {0, 1}, {1, 2}, {0, 1}, 2)},
        {{12, 1}, Make({0, 1}, {0, 1}, {2, 1}, {0, 1}, 3)},
        {{-3, 1}, Make({0, 1}, {0, 1}, {0, 1}, {1, 1}, 3)},
        {{-4, 1}, Make({0, 1}, {2, 1}, {0, 1}, {0, 1}, 0)},
        {{-8, 9}, Make({0, 1}, {0, 1}, {0, 1}, {2, 3}, 2)},
        {{72, 5}, Make({0, 1}, {0, 1}, {6, 5}, {0, 1}, 10)},
        {{1, 12}, Make({0, 1}, {0, 1}, {1, 6}, {0, 1}, 3)},
    };
    for (const auto& [q, want] : cases)
        EXPECT_EQ(SurdSqrt(q), want) << FracText(q);
}

// Each row: a, operation, b and the result's text.
TEST(Surd, Arithmetic) {
    struct Case {
        const char* a;
        char op;
        const char* b;
        const char* want;
    };
    const Case cases[] = {
        {"√2", '+', "√2", "2√2"},       {"√2", '-', "√2", "0"},
        {"1+√2", '-', "√2", "1"},       {"√2", '*', "√3", "√6"},
        {"√6", '*', "√10", "2√15"},     {"1/√2", '*', "1/√3", "√6/6"},
        {"√2", '*', "√2", "2"},         {"i√3", '*', "i√3", "-3"},
        {"i√2", '*', "√2", "2i"},       {"1+√2", '*', "1-√2", "-1"},
        {"1+√5", '*', "1+√5", "6+2√5"}, {"(1+√5)/2", '*', "(1+√5)/2", "(3+√5)/2"},
        {"3", '+', "√5", "3+√5"},       {"i", '*', "√7", "i√7"},
        {"1+i", '*', "√2", "(1+i)√2"},  {"√2", '/', "1+√2", "2-√2"},
        {"1", '/', "√2", "√2/2"},       {"1", '/', "1+i√3", "(1-i√3)/4"},
        {"1", '/', "2+√3", "2-√3"},     {"1", '/', "i√2", "-i√2/2"},
        {"1", '/', "3", "1/3"},         {"1/2+i/3", '+', "0", "1/2+i/3"},
    };
    for (const auto& [a, op, b, want] : cases) {
        const Surd x = Read(a), y = Read(b);
        Surd result;
        if (op == '+') result = SurdAdd(x, y);
        if (op == '-') result = SurdSub(x, y);
        if (op == '*') result = SurdMul(x, y);
        if (op == '/') result = SurdMul(x, SurdInv(y));
        EXPECT_EQ(SurdText(result), want) << a << ' ' << op << ' ' << b;
    }
}

TEST(Surd, TwoRootsClash) {
    const std::pair<const char*, const char*> sums[] = {
        {"√2", "√3"}, {"1+√2", "√3"}, {"i√5", "√2"}};
    for (const auto& [a, b] : sums) {
        EXPECT_THROW(SurdAdd(Read(a), Read(b)), SurdFieldClash) << a << " + " << b;
        EXPECT_THROW(SurdSub(Read(a), Read(b)), SurdFieldClash) << a << " - " << b;
    }
    const std::pair<const char*, const char*> products[] = {
        {"1+√2", "1+√3"}, {"1+√2", "√3"}, {"√3", "2-√2"}};
    for (const auto& [a, b] : products)
        EXPECT_THROW(SurdMul(Read(a), Read(b)), SurdFieldClash) << a << " * " << b;
    try {
        SurdAdd(Read("√2"), Read("√3"));
    } catch (const SurdFieldClash& clash) {
        EXPECT_STREQ(clash.what(), "√2 と √3 を同時に含む数は扱えません。");
    }
}

TEST(Surd, SubMulInvAndPredicates) {
    Surd t = Read("1+√2");
    SurdSubMul(t, Read("√2"), Read("1+√2"));  // 1 + √2 − (√2 + 2)
    EXPECT_EQ(SurdText(t), "-1");
    EXPECT_THROW(SurdInv(SurdZero()), DivisionByZero);
    EXPECT_THROW(SurdInv(SurdSub(Read("√2"), Read("√2"))), DivisionByZero);
    const char* values[] = {"√2", "(1+√5)/2", "i√3", "(1+i)√2/3", "3-2√3", "2+i"};
    for (const char* text : values) {
        const Surd x = Read(text);
        EXPECT_TRUE(SurdIsOne(SurdMul(x, SurdInv(x)))) << text;
        EXPECT_TRUE(SurdIsZero(SurdAdd(x, SurdNeg(x)))) << text;
    }
    EXPECT_TRUE(SurdIsReal(Read("(1-√5)/2")));
    EXPECT_FALSE(SurdIsReal(Read("i√5")));
    EXPECT_FALSE(SurdIsReal(Read("√5+i")));
    EXPECT_TRUE(SurdIsOne(Read("√2*√2/2")));
}

TEST(Surd, SignOfRealValues) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},      {"-1/3", -1},       {"√2", 1},          {"-√2", -1},      {"3-2√3", -1},
        {"2-√3", 1},   {"-2+√3", -1},      {"-2+√5", 1},       {"(1-√5)/2", -1}, {"1+√2", 1},
        {"-1-√2", -1}, {"1393-985√2", -1}, {"-1393+985√2", 1}, {"99-70√2", 1},
    };
    for (const auto& [text, sign] : cases)
        EXPECT_EQ(SurdSign(Read(text)), sign) << text;
    EXPECT_THROW(SurdSign(Read("i√2")), Error);
}

// Square roots of complex fractions: the root's text, or "" where the root
// needs more than one square root; every root found squares back to z.
TEST(Surd, SquareRootsOfComplexFractions) {
    const std::pair<const char*, const char*> cases[] = {
        {"6i", "(1+i)√3"}, {"-8", "2i√2"},  {"3+4i", "2+i"},   {"-2i", "1-i"},
        {"2i", "1+i"},     {"5", "√5"},     {"-3-4i", "1-2i"}, {"i/2", "1/2+i/2"},
        {"1+i", ""},       {"2+i", ""},     {"3i", "(1+i)√6/2"}, {"0", "0"},
    };
    for (const auto& [z, want] : cases) {
        const std::optional<Surd> root = SurdSqrtOfComplex(CpxParse(z));
        EXPECT_EQ(root ? SurdText(*root) : "", std::string(want)) << z;
        if (root) {
            EXPECT_EQ(SurdMul(*root, *root), SurdFromCpx(CpxParse(z))) << z;
        }
    }
}

// Roots of x² + bx + c, each checked by putting it back into the quadratic.
TEST(Surd, QuadraticRoots) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"-1", "-1", "(1+√5)/2", "(1-√5)/2"},
        {"-3", "1", "(3+√5)/2", "(3-√5)/2"},
        {"0", "-2", "√2", "-√2"},
        {"1", "1", "(-1+i√3)/2", "(-1-i√3)/2"},
        {"-2i", "-1-3i", "(2i+(1+i)√6)/2", "(2i-(1+i)√6)/2"},
        {"0", "-i", "(1+i)√2/2", "-(1+i)√2/2"},
        {"0", "-1/4-i/4", "", ""},
    };
    for (const auto& [b, c, first, second] : cases) {
        const Polynomial p({CpxParse(c), CpxParse(b), CpxOne()});
        const auto roots = QuadraticRoots(p);
        EXPECT_EQ(roots ? SurdText((*roots)[0]) : "", std::string(first)) << b << " " << c;
        EXPECT_EQ(roots ? SurdText((*roots)[1]) : "", std::string(second)) << b << " " << c;
        if (!roots) continue;
        for (const Surd& x : *roots) {
            Surd value = SurdAdd(SurdMul(x, x), SurdMul(SurdFromCpx(CpxParse(b)), x));
            EXPECT_TRUE(SurdIsZero(SurdAdd(value, SurdFromCpx(CpxParse(c))))) << SurdText(x);
        }
    }
}

// The canonical text of values built member by member, and each read back.
TEST(SurdText, CanonicalForms) {
    const std::pair<Surd, const char*> cases[] = {
        {Make({0, 1}, {0, 1}, {1, 1}, {0, 1}, 5), "√5"},
        {Make({0, 1}, {0, 1}, {-1, 1}, {0, 1}, 2), "-√2"},
        {Make({0, 1}, {0, 1}, {2, 1}, {0, 1}, 3), "2√3"},
        {Make({0, 1}, {0, 1}, {1, 2}, {0, 1}, 2), "√2/2"},
        {Make({0, 1}, {0, 1}, {-1, 2}, {0, 1}, 2), "-√2/2"},
        {Make({0, 1}, {0, 1}, {3, 2}, {0, 1}, 5), "3√5/2"},
        {Make({1, 2}, {0, 1}, {1, 2}, {0, 1}, 5), "(1+√5)/2"},
        {Make({3, 2}, {0, 1}, {-1, 2}, {0, 1}, 5), "(3-√5)/2"},
        {Make({-1, 2}, {0, 1}, {1, 2}, {0, 1}, 5), "(-1+√5)/2"},
        {Make({1, 1}, {0, 1}, {1, 3}, {0, 1}, 2), "(3+√2)/3"},
        {Make({3, 1}, {0, 1}, {-2, 1}, {0, 1}, 3), "3-2√3"},
        {Make({0, 1}, {0, 1}, {0, 1}, {1, 1}, 3), "i√3"},
        {Make({0, 1}, {0, 1}, {0, 1}, {-1, 1}, 3), "-i√3"},
        {Make({0, 1}, {0, 1}, {0, 1}, {2, 3}, 3), "2i√3/3"},
        {Make({1, 2}, {0, 1}, {0, 1}, {1, 2}, 3), "(1+i√3)/2"},
        {Make({-1, 2}, {0, 1}, {0, 1}, {-1, 2}, 3), "(-1-i√3)/2"},
        {Make({0, 1}, {1, 2}, {1, 2}, {0, 1}, 3), "(i+√3)/2"},
        {Make({1, 1}, {2, 1}, {1, 1}, {0, 1}, 3), "1+2i+√3"},
        {Make({0, 1}, {0, 1}, {1, 1}, {1, 1}, 2), "(1+i)√2"},
        {Make({0, 1}, {0, 1}, {-1, 1}, {-1, 1}, 2), "-(1+i)√2"},
        {Make({0, 1}, {0, 1}, {-1, 2}, {1, 2}, 2), "-(1-i)√2/2"},
        {Make({1, 1}, {0, 1}, {2, 1}, {1, 1}, 3), "1+(2+i)√3"},
        {Make({1, 1}, {0, 1}, {-2, 1}, {1, 1}, 3), "1-(2-i)√3"},
        {Make({1, 3}, {1, 2}, {1, 4}, {-1, 6}, 7), "(4+6i+(3-2i)√7)/12"},
        {Make({1, 2}, {3, 4}, {0, 1}, {0, 1}, 0), "1/2+3i/4"},
        {Make({0, 1}, {-3, 4}, {0, 1}, {0, 1}, 0), "-3i/4"},
        {Make({0, 1}, {0, 1}, {0, 1}, {0, 1}, 0), "0"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(SurdText(value), text);
        const SurdReading back = ReadSurd(text);
        ASSERT_TRUE(back.value) << text << ": " << back.error;
        EXPECT_EQ(*back.value, value) << text;
    }
}

TEST(ReadSurd, AcceptedSpellings) {
    const std::pair<const char*, const char*> cases[] = {
        {"sqrt(5)", "√5"},       {"√5", "√5"},
        {"2√3", "2√3"},          {"2*sqrt(3)", "2√3"},
        {"1/√2", "√2/2"},        {"(1+√5)/2", "(1+√5)/2"},
        {"1+sqrt(-3)", "1+i√3"}, {"i√3", "i√3"},
        {"  1 + √5  ", "1+√5"},  {"( 1 + √5 ) / 2", "(1+√5)/2"},
        {"√12", "2√3"},          {"√(1/2)", "√2/2"},
        {"√(9/4)", "3/2"},       {"√(-4)", "2i"},
        {"sqrt(0.5)", "√2/2"},   {"√2*√3", "√6"},
        {"2-i/2", "2-i/2"},      {"3i/4", "3i/4"},
        {"１＋√５", "1+√5"},     {"1−√2", "1-√2"},
        {"1.5+√2", "(3+2√2)/2"}, {"√2/(1+√2)", "2-√2"},
        {"-(√2)", "-√2"},        {"sqrt( 8 )", "2√2"},
    };
    for (const auto& [text, want] : cases) {
        const SurdReading reading = ReadSurd(text);
        ASSERT_TRUE(reading.value) << text << ": " << reading.error;
        EXPECT_EQ(SurdText(*reading.value), want) << text;
    }
}

TEST(ReadSurd, Refusals) {
    const std::pair<const char*, const char*> cases[] = {
        {"√", "「√」は途中で終わっていて、数として読めません。"},
        {"√x", "「√x」の「x」を数として読めません。"},
        {"sqrt(", "「sqrt(」は途中で終わっていて、数として読めません。"},
        {"2√3√5", "「2√3√5」の「√5」を数として読めません。"},
        {"√2+√3", "√2 と √3 を同時に含む数は扱えません。"},
        {"(1+√2)(1+√3)", "√2 と √3 を同時に含む数は扱えません。"},
        {"", "数が書かれていません。"},
        {"  ", "数が書かれていません。"},
        {"2 3", "「2 3」の「3」を数として読めません。"},
        {"2/3i", "「2/3i」の「i」を数として読めません。"},
        {"√-3", "「√-3」の「-3」を数として読めません。"},
        {"√(√2)", "「√(√2)」の「(√2)」を数として読めません。"},
        {"√(2i)", "「√(2i)」の「(2i)」を数として読めません。"},
        {"sqrt5", "「sqrt5」の「5」を数として読めません。"},
        {"√3i", "「√3i」の「i」を数として読めません。"},
        {"1/0", "ゼロによる除算"},
        {"1/(√2-√2)", "ゼロによる除算"},
        {"1+", "「1+」は途中で終わっていて、数として読めません。"},
        {"(1+√2", "「(1+√2」は途中で終わっていて、数として読めません。"},
        {"1..5", "「1..5」の「.5」を数として読めません。"},
        {"2x", "「2x」の「x」を数として読めません。"},
        {"1++2", "「1++2」の「+2」を数として読めません。"},
        {"√12345678901234567890123456789012345678901", nullptr},
    };
    for (const auto& [text, error] : cases) {
        const SurdReading reading = ReadSurd(text);
        EXPECT_FALSE(reading.value) << text;
        if (error) {
            EXPECT_EQ(reading.error, error) << text;
        }
    }
    EXPECT_FALSE(ReadSurd(std::string(200, '(') + "1" + std::string(200, ')')).value);
}

}  // namespace
}  // namespace korvane
