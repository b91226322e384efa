#include "core/engine/MatrixGrid.h"

#include <string>

#include "core/CellValue.h"
#include "core/engine/GridField.h"

namespace korvane {

ComplexFraction CellReader<ComplexRationals>::Read(std::string_view text) {
    // A root read as some other number would be a wrong result.
    if (CellNeedsRoot(text)) throw Error(std::string(kRootsRefused));
    return CellValue(text);
}

Surd CellReader<SurdNumbers>::Read(std::string_view text) {
    return CellSurd(text);
}

}  // namespace korvane
