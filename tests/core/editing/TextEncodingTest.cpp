#include <gtest/gtest.h>

#include <string>

#include "core/editing/TextEncoding.h"

namespace korvane {
namespace {

TEST(TextEncoding, Utf8Validity) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"r0c0=1/2", true},
        {"あ亜ｱ", true},
        {"\xF0\x9D\x84\x9E", true},   // U+1D11E
        {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
        {"\xC0\xAF", false},          // overlong '/'
        {"\xE0\x80\xAF", false},      // overlong '/'
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
        {"\xE3\x81", false},          // cut off
        {"\x80", false},              // a lone continuation byte
        {"\xFF", false},
        {"\x82\xA0", false},  // あ in Shift_JIS
    };
    for (const auto& [bytes, valid] : cases)
        EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
}

TEST(TextEncoding, ShiftJisDecoding) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc 1/2+3i", "abc 1/2+3i"},
        {"\x82\xA0\x82\xF1", "あん"},
        {"\x83\x41\x83\x93", "アン"},
        {"\x88\x9F\x8A\xBF\x8E\x9A", "亜漢字"},
        {"\x81\x42\x81\x40\x81\x60", "。\xE3\x80\x80\xEF\xBD\x9E"},  // 。 U+3000 U+FF5E
        {"\x87\x40", "\xE2\x91\xA0"},                                // ① (NEC row 13)
        {"\xB1\xDF", "ｱﾟ"},                                          // half-width kana
        {"\\~", "\\~"},                                              // not yen, not overline
        {"\x82", "\xEF\xBF\xBD"},                                    // lead byte at the end
        {"\x82"
         "A",
         "\xEF\xBF\xBD"
         "A"},  // a bad trail keeps the ASCII
        {"\xA0\x80x", "\xEF\xBF\xBD\xEF\xBF\xBDx"},
    };
    for (const auto& [sjis, utf8] : cases)
        EXPECT_EQ(ShiftJisToUtf8(sjis), utf8) << sjis;
}

TEST(TextEncoding, FileTextChoosesTheEncoding) {
    using namespace std::string_literals;
    const std::pair<std::string, const char*> cases[] = {
        {"\xEF\xBB\xBFr0c0=1", "r0c0=1"},            // byte-order mark dropped
        {"r0c0=\xE3\x81\x82", "r0c0=\xE3\x81\x82"},  // UTF-8 kept
        {"r0c0=\x82\xA0", "r0c0=\xE3\x81\x82"},      // Shift_JIS decoded
        {"\xEF\xBB\xBFr0c0=\x82\xA0", "r0c0=\xE3\x81\x82"},
        // UTF-16 with its byte-order mark, little and big endian: r=あ😀
        {"\xFF\xFEr\0=\0\x42\x30\x3D\xD8\x00\xDE"s, "r=\xE3\x81\x82\xF0\x9F\x98\x80"},
        {"\xFE\xFF\0r\0=\x30\x42\xD8\x3D\xDE\x00"s, "r=\xE3\x81\x82\xF0\x9F\x98\x80"},
        // a lone surrogate, then an odd byte at the end
        {"\xFF\xFE\x3D\xD8x\0y"s, "\xEF\xBF\xBDx\xEF\xBF\xBD"},
        {"\xFF\xFE"s, ""},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(FileTextToUtf8(bytes), text) << bytes;
}

}  // namespace
}  // namespace korvane
