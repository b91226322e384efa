// Any bytes read as an expression line are refused with a message, or read
// as an expression whose name in the log reads back as the same name; its
// sizes are then checked over a few stored matrices without a fault.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/workspace/Evaluation.h"
#include "core/workspace/ExpressionReader.h"
#include "core/workspace/ExpressionText.h"

namespace {

std::string Named(std::string_view text) {
    const korvane::ReadExpression read = korvane::ReadExpressionText(text);
    return read.equation ? korvane::EquationText(*read.equation)
                         : korvane::ExpressionText(*read.expression);
}

const korvane::Workspace& Stored() {
    static const korvane::Workspace workspace = [] {
        korvane::Workspace w;
        korvane::CellGrid grid;
        w.Store('A', grid);
        grid.SetCols(2);
        w.Store('B', grid);
        return w;
    }();
    return workspace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string name;
    try {
        name = Named(text);
    } catch (const korvane::ExpressionError& e) {
        if (std::string_view(e.what()).empty()) std::abort();
        return 0;
    }
    // The name may need more brackets and digits than the text had (0.1 is
    // 1/10): beyond the depth or the length the reader takes, it is refused
    // as such a text would be.
    try {
        if (Named(name) != name) std::abort();
    } catch (const korvane::ExpressionError& e) {
        const std::string_view message = e.what();
        if (message.find("入れ子が深すぎます") == std::string_view::npos &&
            message.find("式が長すぎます") == std::string_view::npos)
            std::abort();
    }
    try {
        korvane::CheckExpression(text, Stored());
    } catch (const korvane::ExpressionError&) {
        // a name not stored
    }
    return 0;
}
