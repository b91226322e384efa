// Any bytes read strictly as a surd either are refused with a sentence or
// give a value whose canonical text reads back to the same value.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mklibs/SurdReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const korvane::SurdReading reading = korvane::ReadSurd(text);
    if (!reading.value) {
        if (reading.error.empty()) std::abort();
        return 0;
    }
    const std::string canonical = korvane::SurdText(*reading.value);
    const korvane::SurdReading back = korvane::ReadSurd(canonical);
    if (!back.value || !(*back.value == *reading.value)) std::abort();
    return 0;
}
