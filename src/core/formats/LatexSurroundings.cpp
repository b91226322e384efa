#include "core/formats/LatexSurroundings.h"

#include <array>
#include <string>

#include "core/formats/PasteTable.h"

namespace korvane {

namespace {

constexpr std::array<std::string_view, 12> kMatrixEnvironments{
    "matrix",      "pmatrix",      "bmatrix",      "Bmatrix", "vmatrix", "Vmatrix",
    "smallmatrix", "psmallmatrix", "bsmallmatrix", "array",   "tabular", "NiceMatrix"};
// Display environments a matrix may be set in.
constexpr std::array<std::string_view, 10> kMathEnvironments{
    "equation", "equation*", "displaymath", "math",   "align",
    "align*",   "gather",    "gather*",     "aligned", "gathered"};
constexpr std::array<std::string_view, 4> kMathOpeners{"$$", "$", "\\[", "\\("};
constexpr std::array<std::string_view, 4> kMathClosers{"$$", "$", "\\]", "\\)"};
constexpr std::array<std::string_view, 17> kDelimiters{
    "\\lbrack", "\\rbrack", "\\langle", "\\rangle", "\\lvert", "\\rvert", "\\lVert", "\\rVert",
    "\\{",      "\\}",      "\\|",      "(",        ")",       "[",       "]",       "|",
    "."};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (const std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

std::string_view TrimFront(std::string_view text) {
    while (!text.empty() && IsAsciiBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

template <std::size_t N>
bool TakeOneOf(std::string_view& text, const std::array<std::string_view, N>& options) {
    for (const std::string_view option : options) {
        if (text.starts_with(option)) {
            text.remove_prefix(option.size());
            return true;
        }
    }
    return false;
}

// "\begin{equation}" (with prefix "\begin{") when the environment is one
// of names; "\label{…}" and the like with any argument when names is empty.
template <std::size_t N>
bool TakeEnvironment(std::string_view& text, std::string_view prefix,
                     const std::array<std::string_view, N>& names) {
    if (!text.starts_with(prefix)) return false;
    const std::size_t close = text.find('}', prefix.size());
    if (close == std::string_view::npos) return false;
    if (!OneOf(names, text.substr(prefix.size(), close - prefix.size()))) return false;
    text.remove_prefix(close + 1);
    return true;
}

bool TakeCommandWithArgument(std::string_view& text) {
    for (const std::string_view command : {"\\label{", "\\tag{", "\\tag*{"}) {
        if (!text.starts_with(command)) continue;
        const std::size_t close = text.find('}');
        if (close == std::string_view::npos) return false;
        text.remove_prefix(close + 1);
        return true;
    }
    for (const std::string_view command : {"\\nonumber", "\\notag"}) {
        if (text.starts_with(command)) {
            text.remove_prefix(command.size());
            return true;
        }
    }
    return false;
}

// Math openers and display environments at the front of text.
std::string_view AfterOpeners(std::string_view text) {
    while (true) {
        text = TrimFront(text);
        if (!TakeOneOf(text, kMathOpeners) && !TakeEnvironment(text, "\\begin{", kMathEnvironments))
            return text;
    }
}

// Whether a second matrix environment begins in text.
bool HoldsMatrix(std::string_view text) {
    for (std::size_t begin = text.find("\\begin{"); begin != std::string_view::npos;
         begin = text.find("\\begin{", begin + 1)) {
        const std::size_t close = text.find('}', begin);
        if (close == std::string_view::npos) return false;
        if (IsMatrixEnvironment(text.substr(begin + 7, close - begin - 7))) return true;
    }
    return false;
}

}  // namespace

bool IsMatrixEnvironment(std::string_view name) {
    if (name.ends_with('*')) name.remove_suffix(1);  // mathtools' pmatrix* and the like
    return OneOf(kMatrixEnvironments, name);
}

bool TakeSizedDelimiter(std::string_view& text, std::string_view command) {
    if (!text.starts_with(command)) return false;
    std::string_view rest = TrimFront(text.substr(command.size()));
    // \leftarrow and the like are other commands.
    if (!rest.empty() && rest.size() == text.size() - command.size() &&
        ((rest.front() >= 'a' && rest.front() <= 'z') || (rest.front() >= 'A' && rest.front() <= 'Z')))
        return false;
    if (!TakeOneOf(rest, kDelimiters)) ThrowUnreadable();
    text = rest;
    return true;
}

void CheckTextBeforeMatrix(std::string_view before) {
    std::string_view text = AfterOpeners(before);
    const std::size_t equals = text.rfind('=');
    if (equals != std::string_view::npos) text = AfterOpeners(text.substr(equals + 1));
    TakeSizedDelimiter(text, "\\left");
    text = TrimBlanks(text);
    if (!text.empty()) throw PasteError::Beside(text);
}

void CheckTextAfterMatrix(std::string_view after) {
    std::string_view text = after;
    while (true) {
        text = TrimFront(text);
        if (text.empty()) return;
        if (TakeSizedDelimiter(text, "\\right") || TakeOneOf(text, kMathClosers) ||
            TakeEnvironment(text, "\\end{", kMathEnvironments) || TakeCommandWithArgument(text))
            continue;
        if (text.starts_with("\\\\") || text.front() == '.' || text.front() == ',' ||
            text.front() == ';') {
            text.remove_prefix(text.starts_with("\\\\") ? 2 : 1);
            continue;
        }
        if (HoldsMatrix(text)) throw PasteError::Of(PasteError::Kind::kTwoMatrices);
        throw PasteError::Beside(TrimBlanks(text));
    }
}

}  // namespace korvane
