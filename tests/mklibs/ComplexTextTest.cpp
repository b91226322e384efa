#include <gtest/gtest.h>

#include "mklibs/mklibs.h"

namespace korvane {
namespace {

std::string Canonical(std::string_view text) {
    return CpxText(CpxParse(text));
}

TEST(CpxText, WholeValues) {
    const std::pair<ComplexFraction, const char*> cases[] = {
        {{{0, 1}, {0, 1}}, "0"},          {{{3, 1}, {0, 1}}, "3"},
        {{{-3, 1}, {0, 1}}, "-3"},        {{{1, 2}, {0, 1}}, "1/2"},
        {{{-1, 2}, {0, 1}}, "-1/2"},      {{{0, 1}, {1, 1}}, "i"},
        {{{0, 1}, {-1, 1}}, "-i"},        {{{0, 1}, {2, 1}}, "2i"},
        {{{0, 1}, {-2, 1}}, "-2i"},       {{{0, 1}, {1, 2}}, "i/2"},
        {{{0, 1}, {-1, 2}}, "-i/2"},      {{{0, 1}, {3, 4}}, "3i/4"},
        {{{0, 1}, {-3, 4}}, "-3i/4"},     {{{1, 1}, {1, 1}}, "1+i"},
        {{{1, 1}, {-1, 1}}, "1-i"},       {{{2, 1}, {5, 1}}, "2+5i"},
        {{{1, 2}, {3, 4}}, "1/2+3i/4"},   {{{1, 2}, {-3, 4}}, "1/2-3i/4"},
        {{{-1, 2}, {-1, 3}}, "-1/2-i/3"}, {{{2, 1}, {-1, 2}}, "2-i/2"},
        {{{-5, 3}, {1, 2}}, "-5/3+i/2"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(CpxText(value), text);
}

TEST(CpxParse, WorkedReadings) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"},
        {"-3", "-3"},
        {"2+3i", "2+3i"},
        {"3-2i", "3-2i"},
        {"4i-3", "-3+4i"},
        {"i", "i"},
        {"-i", "-i"},
        {"i2", "2i"},
        {"2*i", "2i"},
        {"i/4", "i/4"},
        {"-i/4", "-i/4"},
        {"3i/4", "3i/4"},
        {"1/2i", "-i/2"},
        {"1/i", "-i"},
        {"i/i", "1"},
        {"2i/3i", "2/3"},
        {"ii", "-1"},
        {"iii", "-i"},
        {"i*i", "0"},
        {"6/4-6i/4", "3/2-3i/2"},
        {"-2/4+i", "-1/2+i"},
        {"1+2+3", "6"},
        {"i-i", "0"},
        {"2I", "2"},
        {"1.5", "15"},
        {"2/3/4", "1/17"},
        {"1/0", "1"},
        {"2i3", "23i"},
        {"", "1"},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(Canonical(text), want) << text;
}

TEST(CpxParse, SignsWithoutATermAddNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"+3", "3"},     {"2+", "2"},      {"3-", "3"},      {"2+-3", "-1"},    {"--3", "3"},
        {"+-+i", "-i"},  {"1/-2", "-1/2"}, {"i/-2", "-i/2"}, {"-", "-1"},       {"+", "1"},
        {"1/+2", "1/2"}, {"-/-2", "1/2"},  {"1--i", "1+i"},  {"1/i-2", "-2-i"},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(Canonical(text), want) << text;
}

TEST(CpxParse, BlanksAreIgnored) {
    EXPECT_EQ(Canonical("2 + i"), "2+i");
    EXPECT_EQ(Canonical(" 1 / 2 - 3 i / 4 "), "1/2-3i/4");
    EXPECT_EQ(Canonical("1 2"), "12");
}

TEST(CpxParse, OtherBytesAreDropped) {
    EXPECT_EQ(Canonical("\xef\xbc\x93"), "0");     // full-width 3
    EXPECT_EQ(Canonical("2\xef\xbc\x8bi"), "2i");  // full-width plus is no separator
    EXPECT_EQ(Canonical(std::string("1\0i", 3)), "i");
}

TEST(CpxParse, HugeInputsStayLinear) {
    // Would take ages if digits were accumulated one multiplication at a time.
    const std::string digits(200000, '7');
    const ComplexFraction z = CpxParse(digits + "/7i");
    EXPECT_EQ(CpxText(z), "-" + std::string(digits.size(), '1') + "i");
    EXPECT_EQ(Canonical(std::string(300001, 'i')), "i");
    std::string many;
    for (int k = 0; k < 20000; ++k)
        many += "+1-i";
    EXPECT_EQ(Canonical(many), "20000-20000i");
}

}  // namespace
}  // namespace korvane
