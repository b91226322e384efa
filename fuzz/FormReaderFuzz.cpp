// Any bytes read as a typed quadratic form are refused with a message, or
// read as a symmetric matrix with one row per variable, at most ten, whose
// entries are cell texts the grid reads back exactly.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/CellValue.h"
#include "core/orthogonality/FormReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    korvane::TypedForm form;
    try {
        form = korvane::ReadQuadraticForm(text);
    } catch (const korvane::FormError& e) {
        if (std::string_view(e.what()).empty()) std::abort();
        return 0;
    }
    const int n = form.grid.Rows();
    if (n < 1 || n > 10 || form.grid.Cols() != n ||
        form.source.names.size() != static_cast<std::size_t>(n))
        std::abort();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (form.grid.Cell(c, r) != form.grid.Cell(r, c)) std::abort();
            const korvane::ComplexFraction value = korvane::CellValue(form.grid.Cell(c, r));
            if (korvane::CpxText(value) != form.grid.Cell(c, r)) std::abort();
        }
    }
    return 0;
}
