#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/RowOperation.h"

namespace korvane {

// One printed matrix of the log.
struct LogMatrix {
    std::vector<std::vector<std::string>> rows;  // the entries' texts as printed
    int barAfter = 0;                            // columns left of a vertical bar; 0 for none
    // The row operation whose result this matrix is, when the line just
    // before it named one.
    std::optional<RowOperation> reachedBy;
};

// What a front end is told, in log order, while the log is read.
class LogVisitor {
  public:
    virtual ~LogVisitor() = default;
    // A line of prose: a sentence, or a result such as "3次元ベクトル空間全体".
    // When it names a row operation, the operation comes along and the text
    // is the sentence alone, without a notation the log may carry after it.
    virtual void Sentence(std::string_view text, const std::optional<RowOperation>& operation) = 0;
    virtual void Matrix(const LogMatrix& matrix) = 0;
    // A kernel or image basis "span{(1,2),(3,4)}" whose entries are
    // canonical number texts, as its vectors; "{0}" as no vectors.
    virtual void Span(const std::vector<std::vector<std::string>>& vectors) = 0;
};

// Where an augmented matrix's halves meet: a matrix with totalCols columns
// gets a bar after leftCols. The inverse of an n × n matrix reduces [A | I],
// {n, 2n}; zero columns means no bar anywhere.
struct AugmentedShape {
    int leftCols = 0;
    int totalCols = 0;
};

// Reads the log's plain lines as the pane and korvane-cli show them, one at
// a time, holding at most the one matrix being printed: a line
// "  ( a b … )" is a matrix row, consecutive rows of as many entries are one
// matrix (a matrix has at most 10 rows), any other line is prose.
class LogReading {
  public:
    explicit LogReading(LogVisitor& visitor, AugmentedShape augmented = {})
        : visitor_(visitor), augmented_(augmented) {}

    void Line(std::string_view line);
    // Hands on the matrix still being read, after the last line.
    void Finish();

  private:
    void HandOnMatrix();

    LogVisitor& visitor_;
    AugmentedShape augmented_;
    LogMatrix matrix_;
    std::optional<RowOperation> lastOperation_;  // named by the line just read
};

}  // namespace korvane
