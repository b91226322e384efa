#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
        {"1.5", "3/2"},
        {"2/3/4", "1/17"},
        {"1/0", "1"},
        {"2i3", "23i"},
        {"", "1"},
        {"-0.25", "-1/4"},
        {".5", "1/2"},
        {"2.5i", "5i/2"},
        {"1.5/2", "3/4"},
        {"0.1+0.2i", "1/10+i/5"},
        {"1.5.5", "31/20"},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(Canonical(text), want) << text;
}

// What Japanese input methods type in place of ASCII: every worked reading
// spelt with look-alikes reads as the ASCII spelling does.
TEST(CpxParse, LookAlikesReadAsAscii) {
    const std::pair<char, std::vector<std::string>> lookAlikes[] = {
        {'-',
         {"\u2212", "\uFF0D", "\u2010", "\u2011", "\u2012", "\u2013", "\u2014", "\u2015",
          "\uFE63"}},
        {'+', {"\uFF0B"}},
        {'/', {"\uFF0F"}},
        {'i', {"\uFF49"}},
        {'.', {"\uFF0E"}},
        {' ', {"\u3000", "\u00A0"}},
        {'0', {"\uFF10"}},
        {'1', {"\uFF11"}},
        {'2', {"\uFF12"}},
        {'3', {"\uFF13"}},
        {'4', {"\uFF14"}},
        {'5', {"\uFF15"}},
        {'6', {"\uFF16"}},
        {'7', {"\uFF17"}},
        {'8', {"\uFF18"}},
        {'9', {"\uFF19"}},
    };
    const char* const texts[] = {"-5",   "12",        "1 2",   "0.25", "-3i/4", "1/2+3i/4",
                                 "4i-3", "2 - i / 2", "- 1.5", "1/2i", "-i/-2", "987-6.5i"};
    for (std::size_t variant = 0; variant < 9; ++variant) {
        for (const char* text : texts) {
            std::string spelt;
            for (const char c : std::string_view(text)) {
                const auto* entry = std::find_if(std::begin(lookAlikes), std::end(lookAlikes),
                                                 [c](const auto& e) { return e.first == c; });
                spelt += entry == std::end(lookAlikes)
                             ? std::string(1, c)
                             : entry->second[variant % entry->second.size()];
            }
            EXPECT_EQ(Canonical(spelt), Canonical(text)) << spelt;
        }
    }
    // The readings a user met before: all lost their sign or their digits.
    EXPECT_EQ(Canonical(std::string("\u2212") + "5"), "-5");
    EXPECT_EQ(Canonical("\uFF0D\uFF15"), "-5");
    EXPECT_EQ(Canonical("\uFF11\uFF12"), "12");
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
    EXPECT_EQ(Canonical("\xef\xbc\xa9"), "0");     // full-width capital I is no unit
    EXPECT_EQ(Canonical("2\xef\xbc\x8ai"), "2i");  // full-width * is dropped
    EXPECT_EQ(Canonical("\xef\xbc"), "0");         // a cut-off sequence
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
