// Any bytes read as a cell text must give a value whose canonical text reads
// back to the same value and is its own canonical form.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mklibs/mklibs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const korvane::ComplexFraction z = korvane::CpxParse(text);
    const std::string canonical = korvane::CpxText(z);
    if (!(korvane::CpxParse(canonical) == z)) std::abort();
    if (korvane::CpxText(korvane::CpxParse(canonical)) != canonical) std::abort();
    return 0;
}
