#include "core/formats/LogReading.h"

#include <algorithm>

#include "core/formats/NumberParts.h"
#include "core/formats/RowOperationReading.h"

namespace korvane {

namespace {

constexpr std::size_t kMaxMatrixRows = 10;

// The entries of a printed matrix row "  ( 1 -2 1/2 )"; nothing for
// another line.
std::optional<std::vector<std::string>> MatrixRow(std::string_view line) {
    if (!line.starts_with("  ( ") || !line.ends_with(')')) return std::nullopt;
    line = line.substr(4, line.size() - 5);
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while (true) {
        pos = line.find_first_not_of(' ', pos);
        if (pos == std::string_view::npos) break;
        const std::size_t end = std::min(line.size(), line.find(' ', pos));
        entries.emplace_back(line.substr(pos, end - pos));
        pos = end;
    }
    if (entries.empty()) return std::nullopt;
    return entries;
}

// "span{(1,2),(3,4)}" with canonical entries as its vectors, "{0}" as none.
std::optional<std::vector<std::vector<std::string>>> SpanVectors(std::string_view line) {
    std::vector<std::vector<std::string>> vectors;
    if (line == "{0}") return vectors;
    if (!line.starts_with("span{(") || !line.ends_with(")}")) return std::nullopt;
    line = line.substr(6, line.size() - 8);  // inside the first "(" and last ")"
    std::vector<std::string> vector;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos <= line.size(); ++pos) {
        if (pos < line.size() && line[pos] != ',' && line[pos] != ')') continue;
        const std::string_view entry = line.substr(start, pos - start);
        if (!IsCanonicalNumberText(entry)) return std::nullopt;
        vector.emplace_back(entry);
        if (pos < line.size() && line[pos] == ')') {
            if (line.substr(pos, 3) != "),(") return std::nullopt;
            vectors.push_back(std::move(vector));
            vector.clear();
            pos += 2;
        }
        start = pos + 1;
    }
    vectors.push_back(std::move(vector));
    return vectors;
}

}  // namespace

void LogReading::Line(std::string_view line) {
    if (std::optional<std::vector<std::string>> row = MatrixRow(line)) {
        if (!matrix_.rows.empty() &&
            (matrix_.rows.front().size() != row->size() || matrix_.rows.size() == kMaxMatrixRows))
            HandOnMatrix();
        if (matrix_.rows.empty()) matrix_.reachedBy = std::move(lastOperation_);
        lastOperation_.reset();
        matrix_.rows.push_back(std::move(*row));
        return;
    }
    HandOnMatrix();
    lastOperation_.reset();
    if (const auto vectors = SpanVectors(line)) {
        visitor_.Span(*vectors);
        return;
    }
    if (const std::optional<ReadOperation> read = ReadRowOperation(line)) {
        lastOperation_ = read->operation;
        visitor_.Sentence(read->sentence, lastOperation_);
        return;
    }
    visitor_.Sentence(line, std::nullopt);
}

void LogReading::Finish() {
    HandOnMatrix();
}

void LogReading::HandOnMatrix() {
    if (matrix_.rows.empty()) return;
    const int cols = static_cast<int>(matrix_.rows.front().size());
    matrix_.barAfter =
        augmented_.leftCols > 0 && cols == augmented_.totalCols ? augmented_.leftCols : 0;
    visitor_.Matrix(matrix_);
    matrix_ = LogMatrix{};
}

}  // namespace korvane
