#include "mklibs/NumberTextFolding.h"

#include <array>
#include <utility>

namespace korvane {

namespace {

// UTF-8 sequences and the ASCII character each one stands for; the
// full-width digits ０–９ (EF BC 90 to EF BC 99) are a range of their own.
constexpr std::string_view kFullWidthDigitLead = "\xEF\xBC";
constexpr unsigned char kFullWidthDigitZero = 0x90;
constexpr std::array<std::pair<std::string_view, char>, 15> kLookAlikes{{
    {"\xEF\xBC\x8B", '+'},  // U+FF0B FULLWIDTH PLUS SIGN
    {"\xE2\x88\x92", '-'},  // U+2212 MINUS SIGN
    {"\xEF\xBC\x8D", '-'},  // U+FF0D FULLWIDTH HYPHEN-MINUS
    {"\xE2\x80\x90", '-'},  // U+2010 HYPHEN
    {"\xE2\x80\x91", '-'},  // U+2011 NON-BREAKING HYPHEN
    {"\xE2\x80\x92", '-'},  // U+2012 FIGURE DASH
    {"\xE2\x80\x93", '-'},  // U+2013 EN DASH
    {"\xE2\x80\x94", '-'},  // U+2014 EM DASH
    {"\xE2\x80\x95", '-'},  // U+2015 HORIZONTAL BAR
    {"\xEF\xB9\xA3", '-'},  // U+FE63 SMALL HYPHEN-MINUS
    {"\xEF\xBC\x8F", '/'},  // U+FF0F FULLWIDTH SOLIDUS
    {"\xEF\xBD\x89", 'i'},  // U+FF49 FULLWIDTH LATIN SMALL LETTER I
    {"\xEF\xBC\x8E", '.'},  // U+FF0E FULLWIDTH FULL STOP
    {"\xE3\x80\x80", ' '},  // U+3000 IDEOGRAPHIC SPACE
    {"\xC2\xA0", ' '},      // U+00A0 NO-BREAK SPACE
}};

// The ASCII character for the look-alike at the start of text, and its
// length in bytes; length 0 when none stands there.
std::pair<char, std::size_t> LookAlikeAt(std::string_view text) {
    if (text.size() >= 3 && text.starts_with(kFullWidthDigitLead)) {
        const int offset = static_cast<unsigned char>(text[2]) - kFullWidthDigitZero;
        if (offset >= 0 && offset <= 9) return {static_cast<char>('0' + offset), 3};
    }
    for (const auto& [sequence, ascii] : kLookAlikes)
        if (text.starts_with(sequence)) return {ascii, sequence.size()};
    return {'\0', 0};
}

}  // namespace

std::string FoldNumberText(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    while (!text.empty()) {
        // Every look-alike starts with a byte beyond ASCII.
        const auto [ascii, length] = static_cast<unsigned char>(text.front()) < 0x80
                                         ? std::pair<char, std::size_t>{}
                                         : LookAlikeAt(text);
        if (length == 0) {
            folded.push_back(text.front());
            text.remove_prefix(1);
        } else {
            folded.push_back(ascii);
            text.remove_prefix(length);
        }
    }
    return folded;
}

}  // namespace korvane
