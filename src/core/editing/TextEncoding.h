#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Whether bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Decodes Shift_JIS as Windows writes it (code page 932: JIS X 0208 with the
// NEC and IBM extensions, 0x5C as the backslash) into UTF-8. A byte that
// starts no valid character becomes U+FFFD; the rest is still decoded.
std::string ShiftJisToUtf8(std::string_view bytes);

// Decodes UTF-16 (without its byte-order mark) into UTF-8. A surrogate
// without its other half and an odd last byte become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// The text of a file as UTF-8: a leading UTF-8 byte-order mark is dropped,
// UTF-16 with its byte-order mark (LE or BE) is decoded, valid UTF-8 is kept
// as it is, anything else is read as Shift_JIS (matrix files written on
// older systems).
std::string FileTextToUtf8(std::string_view bytes);

}  // namespace korvane
