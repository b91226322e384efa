#include "core/engine/MatrixPrinting.h"

namespace korvane {

void PadRight(std::string& line, std::string_view text, std::size_t length) {
    line += text;
    if (text.size() < length) line.append(length - text.size(), ' ');
}

}  // namespace korvane
