// Any bytes read as an expression in a parameter are refused with a place,
// or give a value whose canonical text reads back to the same value and is
// its own canonical form. Only a canonical power whose estimate lies beyond
// the reader's size limit may be refused on the way back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "mklibs/ParameterReader.h"

namespace {

bool RefusedForSize(const korvane::ParameterTextError& e) {
    return e.reason().find("大きすぎ") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    korvane::ParameterReading reading;
    try {
        reading = korvane::ReadParameterExpression(text);
    } catch (const korvane::ParameterTextError& e) {
        if (e.place() < 0 || static_cast<std::size_t>(e.place()) > size + 1) std::abort();
        return 0;
    }
    const std::string canonical = korvane::RfText(reading.value);
    try {
        const korvane::ParameterReading again = korvane::ReadParameterExpression(canonical);
        if (!(again.value == reading.value)) std::abort();
        if (korvane::RfText(again.value) != canonical) std::abort();
    } catch (const korvane::ParameterTextError& e) {
        if (!RefusedForSize(e)) std::abort();
    }
    return 0;
}
