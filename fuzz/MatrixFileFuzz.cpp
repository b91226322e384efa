// Any bytes read as a matrix file give a grid; saving that grid over the same
// bytes and reading the result must give the grid back, and saving it once
// more must change nothing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/editing/MatrixFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const korvane::CellGrid grid = korvane::GridFromBytes(bytes);
    const std::string saved = korvane::BytesAfterSaving(bytes, grid);
    if (!(korvane::GridFromBytes(saved) == grid)) std::abort();
    if (korvane::BytesAfterSaving(saved, grid) != saved) std::abort();
    return 0;
}
