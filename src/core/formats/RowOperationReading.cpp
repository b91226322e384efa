#include "core/formats/RowOperationReading.h"

#include <string>

#include "core/formats/NumberParts.h"

namespace korvane {

namespace {

bool Take(std::string_view& text, std::string_view word) {
    if (!text.starts_with(word)) return false;
    text.remove_prefix(word.size());
    return true;
}

// "3行目" as the row index 2.
std::optional<std::int32_t> TakeRow(std::string_view& text) {
    std::int32_t number = 0;
    std::size_t n = 0;
    while (n < text.size() && n < 4 && text[n] >= '0' && text[n] <= '9')
        number = number * 10 + (text[n++] - '0');
    if (n == 0 || number == 0) return std::nullopt;
    text.remove_prefix(n);
    if (!Take(text, "行目")) return std::nullopt;
    return number - 1;
}

// The factor's canonical text up to the word after it.
std::optional<ComplexFraction> TakeFactor(std::string_view& text, std::string_view after) {
    const std::size_t end = text.find(after);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view factor = text.substr(0, end);
    if (!SplitNumberText(factor)) return std::nullopt;
    text.remove_prefix(end + after.size());
    return CpxParse(factor);
}

// The operation a sentence names; text is left after the sentence.
std::optional<RowOperation> TakeSentence(std::string_view& text) {
    const std::optional<std::int32_t> target = TakeRow(text);
    if (!target) return std::nullopt;
    if (Take(text, "を")) {
        const std::optional<ComplexFraction> factor = TakeFactor(text, "倍します。");
        if (!factor) return std::nullopt;
        return RowOperation::Scale(*target, *factor);
    }
    const bool swap = Take(text, "と");
    const bool subtract = !swap && Take(text, "から");
    if (!swap && !subtract && !Take(text, "に")) return std::nullopt;
    const std::optional<std::int32_t> source = TakeRow(text);
    if (!source) return std::nullopt;
    if (swap) {
        if (!Take(text, "を入れ換えます。")) return std::nullopt;
        return RowOperation::Swap(*target, *source);
    }
    if (!Take(text, "の")) return std::nullopt;
    const std::optional<ComplexFraction> factor =
        TakeFactor(text, subtract ? "倍を引きます。" : "倍を足します。");
    if (!factor) return std::nullopt;
    // Subtracting f times a row is adding −f times it.
    return RowOperation::Add(*target, *source, subtract ? CpxNeg(*factor) : *factor);
}

}  // namespace

std::optional<ReadOperation> ReadRowOperation(std::string_view line) {
    std::string_view rest = line;
    const std::optional<RowOperation> operation = TakeSentence(rest);
    if (!operation) return std::nullopt;
    if (!rest.empty() && rest != "  " + RowOperationNotation(*operation)) return std::nullopt;
    return ReadOperation{*operation, line.substr(0, line.size() - rest.size())};
}

}  // namespace korvane
