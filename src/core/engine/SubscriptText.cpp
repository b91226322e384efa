#include "core/engine/SubscriptText.h"

namespace korvane {

std::string SubscriptNumber(int n) {
    std::string text;
    for (const char digit : std::to_string(n)) {
        text += "\xE2\x82";  // U+2080 + digit
        text += static_cast<char>(0x80 + (digit - '0'));
    }
    return text;
}

}  // namespace korvane
