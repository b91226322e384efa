#include "core/formats/Numerals.h"

#include <array>
#include <string>
#include <utility>

namespace korvane {

namespace {

// The vulgar fraction characters of Unicode and the fraction each writes.
struct VulgarFraction {
    std::string_view text;
    int num;
    int den;
};
constexpr std::array<VulgarFraction, 19> kVulgarFractions{{
    {"\u00BD", 1, 2},  {"\u2153", 1, 3},  {"\u2154", 2, 3}, {"\u00BC", 1, 4}, {"\u00BE", 3, 4},
    {"\u2155", 1, 5},  {"\u2156", 2, 5},  {"\u2157", 3, 5}, {"\u2158", 4, 5}, {"\u2159", 1, 6},
    {"\u215A", 5, 6},  {"\u2150", 1, 7},  {"\u215B", 1, 8}, {"\u215C", 3, 8}, {"\u215D", 5, 8},
    {"\u215E", 7, 8},  {"\u2151", 1, 9},  {"\u2152", 1, 10}, {"\u2189", 0, 3},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitsAt(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - pos;
}

Integer PowerOfTen(std::size_t exponent) {
    std::string digits(exponent + 1, '0');
    digits.front() = '1';
    return Integer::FromDecimal(digits);
}

const VulgarFraction* VulgarFractionAt(std::string_view text) {
    for (const VulgarFraction& fraction : kVulgarFractions) {
        if (text.starts_with(fraction.text)) return &fraction;
    }
    return nullptr;
}

// The exponent after the mantissa at text[pos], "e-3"; the numeral takes it
// only when digits follow the e and its sign.
void ScanExponent(std::string_view text, Numeral& numeral) {
    std::size_t pos = numeral.length;
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) return;
    ++pos;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    const std::size_t digits = DigitsAt(text, pos);
    if (digits == 0) return;
    numeral.length = pos + digits;
    std::string_view magnitude = text.substr(pos, digits);
    while (magnitude.size() > 1 && magnitude.front() == '0')
        magnitude.remove_prefix(1);
    if (magnitude.size() > 5 || std::stoi(std::string(magnitude)) > kMaxExponent) {
        numeral.exponentTooLarge = true;
        return;
    }
    numeral.exponent = std::stoi(std::string(magnitude));
    const Integer power = PowerOfTen(static_cast<std::size_t>(numeral.exponent));
    Fraction& value = numeral.value;
    value = FracReduce(negative ? Fraction{value.num, value.den * power}
                                : Fraction{value.num * power, value.den});
}

}  // namespace

bool StartsNumeral(std::string_view text) {
    if (text.empty()) return false;
    if (IsDigit(text.front())) return true;
    if (text.front() == '.') return text.size() > 1 && IsDigit(text[1]);
    return VulgarFractionAt(text) != nullptr;
}

Numeral ScanNumeral(std::string_view text) {
    Numeral numeral;
    if (const VulgarFraction* vulgar = VulgarFractionAt(text)) {
        numeral.length = vulgar->text.size();
        numeral.value = FracReduce({vulgar->num, vulgar->den});
        return numeral;
    }
    const std::size_t whole = DigitsAt(text, 0);
    std::size_t places = 0;
    if (whole < text.size() && text[whole] == '.') places = DigitsAt(text, whole + 1);
    if (whole + places == 0) return numeral;
    const bool point = whole < text.size() && text[whole] == '.';
    numeral.length = whole + (point ? 1 + places : 0);
    std::string digits(text.substr(0, whole));
    if (point) digits += text.substr(whole + 1, places);
    numeral.value = FracReduce({Integer::FromDecimal(digits), PowerOfTen(places)});
    ScanExponent(text, numeral);
    return numeral;
}

}  // namespace korvane
