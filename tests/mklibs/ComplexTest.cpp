#include <gtest/gtest.h>

#include "mklibs/mklibs.h"

namespace korvane {
namespace {

ComplexFraction C(const char* text) {
    return CpxParse(text);
}

TEST(ComplexArithmetic, WorkedCases) {
    EXPECT_EQ(CpxText(CpxMul(C("i"), C("i"))), "-1");
    EXPECT_EQ(CpxText(CpxMul(C("1+2i"), C("3-i"))), "5+5i");
    EXPECT_EQ(CpxText(CpxInv(C("1+i"))), "1/2-i/2");
    EXPECT_EQ(CpxText(CpxInv(C("3+4i"))), "3/25-4i/25");
    EXPECT_EQ(CpxText(CpxInv(C("-2i"))), "i/2");
    EXPECT_EQ(CpxText(CpxInv(C("-3/2"))), "-2/3");
    EXPECT_EQ(CpxText(CpxSub(C("1/2+i"), C("1/2+i"))), "0");
    EXPECT_THROW(CpxInv(C("0")), DivisionByZero);
}

TEST(ComplexPredicates, ZeroAndOne) {
    EXPECT_TRUE(CpxIsOne({{1, 1}, {0, 1}}));
    EXPECT_FALSE(CpxIsOne({{1, 2}, {0, 1}}));
    EXPECT_FALSE(CpxIsOne({{1, 1}, {1, 1}}));
    EXPECT_FALSE(CpxIsOne({{-1, -1}, {0, 1}}));
    EXPECT_TRUE(CpxIsOne({{1, 1}, {0, 7}}));  // imaginary denominator not looked at
    EXPECT_TRUE(CpxIsZero({{0, 5}, {0, 3}}));
    EXPECT_FALSE(CpxIsZero({{0, 1}, {1, 3}}));
}

TEST(ComplexArithmetic, NegKeepsFieldsUnreduced) {
    const ComplexFraction z{{2, 4}, {-3, 6}};
    EXPECT_EQ(CpxNeg(z), (ComplexFraction{{-2, 4}, {3, 6}}));
}

TEST(ComplexArithmetic, ResultMayAliasAnOperand) {
    ComplexFraction z = C("1+i");
    z = CpxMul(z, z);
    EXPECT_EQ(CpxText(z), "2i");
    z = CpxSub(z, z);
    EXPECT_TRUE(CpxIsZero(z));
}

}  // namespace
}  // namespace korvane
