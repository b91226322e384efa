#include <gtest/gtest.h>

#include "mklibs/mklibs.h"

namespace korvane {
namespace {

struct ReduceCase {
    std::int64_t num, den, wantNum, wantDen;
};

TEST(FracReduce, WorkedTable) {
    const ReduceCase cases[] = {
        {0, 7, 0, 1},   {0, 0, 0, 1},   {0, -3, 0, 1},  {5, 5, 1, 1},    {-5, 5, -1, 1},
        {4, -4, -1, 1}, {-4, -4, 1, 1}, {12, 8, 3, 2},  {-12, 8, -3, 2}, {12, -8, -3, 2},
        {8, 12, 2, 3},  {6, -8, -3, 4}, {-3, -4, 3, 4}, {1, 7, 1, 7},    {100, 75, 4, 3},
    };
    for (const auto& c : cases) {
        const Fraction r = FracReduce({c.num, c.den});
        EXPECT_EQ(r, (Fraction{c.wantNum, c.wantDen})) << c.num << "/" << c.den;
    }
}

TEST(FracReduce, ZeroDenominatorThrowsTheJapaneseMessage) {
    try {
        FracReduce({7, 0});
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "ゼロによる除算");
    }
    EXPECT_THROW(FracInv({0, 1}), DivisionByZero);
    EXPECT_THROW(FracInv({0, 5}), DivisionByZero);
}

TEST(FracArithmetic, SmallCases) {
    EXPECT_EQ(FracAdd({1, 2}, {-1, 2}), (Fraction{0, 1}));
    EXPECT_EQ(FracSub({1, 6}, {1, 6}), (Fraction{0, 1}));
    EXPECT_EQ(FracAdd({1, 2}, {1, 3}), (Fraction{5, 6}));
    EXPECT_EQ(FracMul({2, 3}, {3, 4}), (Fraction{1, 2}));
    EXPECT_EQ(FracInv({-3, 2}), (Fraction{-2, 3}));
    EXPECT_EQ(FracInv({3, 2}), (Fraction{2, 3}));
    // Unreduced operands are accepted.
    EXPECT_EQ(FracAdd({2, -4}, {3, 6}), (Fraction{0, 1}));
    EXPECT_EQ(FracMul({-2, -4}, {6, 3}), (Fraction{1, 1}));
    EXPECT_EQ(FracMul({0, 0}, {5, 1}), (Fraction{0, 1}));
    EXPECT_THROW(FracAdd({1, 0}, {1, 1}), DivisionByZero);
}

TEST(FracParse, WorkedTable) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "1"},      {"-", "-1"},      {"/", "1"},       {"-/", "-1"},      {"--", "0"},
        {"0", "0"},     {"7", "7"},       {"-7", "-7"},     {"--7", "7"},      {"007", "7"},
        {"3/4", "3/4"}, {"-3/4", "-3/4"}, {"3//4", "3/4"},  {"1.5", "3/2"},    {"1 2", "12"},
        {"+3", "3"},    {"3/-4", "-3/4"}, {"-3/-4", "3/4"}, {"6/8", "3/4"},    {"100/75", "4/3"},
        {"4/-4", "-1"}, {"/5", "1/5"},    {"-/5", "-1/5"},  {"--/5", "1/5"},   {"5/", "5"},
        {"5/0", "5"},   {"0/0", "0"},     {"/0", "1"},      {"3/4/5", "1/15"}, {"12abc3", "123"},
        {"a", "0"},     {"-a", "0"},      {"2/3/", "2/3"},  {"-0.25", "-1/4"}, {".5", "1/2"},
        {"5.", "5"},    {".", "0"},       {"1.5/2", "3/4"}, {"1/0.5", "2"},    {"2.5/0", "5/2"},
        {"0.00", "0"},  {"1.2.5", "5/4"},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(FracText(FracParse(text)), want) << text;
}

TEST(FracParse, ArbitraryBytesAreDropped) {
    const std::string withNul("1\0002/3\0004", 8);
    EXPECT_EQ(FracText(FracParse(withNul)), "6/17");
    EXPECT_EQ(FracText(FracParse("\xef\xbc\x91/2")), "0");  // full-width 1 is no digit
}

TEST(FracText, Forms) {
    EXPECT_EQ(FracText({5, 1}), "5");
    EXPECT_EQ(FracText({-7, 2}), "-7/2");
    EXPECT_EQ(FracText({0, 1}), "0");
    EXPECT_EQ(FracText({4, 3}), "4/3");
}

TEST(IntHelpers, MinAndDelta) {
    EXPECT_EQ(IntDelta(3, 3), 1);
    EXPECT_EQ(IntDelta(3, 4), 0);
    EXPECT_EQ(IntMin(4, 2), 2);
    EXPECT_EQ(IntMin(-4, 2), -4);
}

}  // namespace
}  // namespace korvane
