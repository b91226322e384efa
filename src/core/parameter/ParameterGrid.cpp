#include "core/parameter/ParameterGrid.h"

#include <string>

#include "core/CellValue.h"
#include "mklibs/ParameterReader.h"

namespace korvane {

namespace {

// A letter that the reader could take as the parameter: e and j are the
// exponent and the unit in other programs' numbers.
bool MayNameParameter(const std::string& text) {
    for (const char c : text) {
        if (IsParameterLetter(c) && c != 'e' && c != 'j') return true;
    }
    return false;
}

std::string CellPlace(int col, int row) {
    std::string place = std::to_string(row + 1);
    place += "行";
    place += std::to_string(col + 1);
    place += "列のセル";
    return place;
}

ParameterReading ReadCell(const CellGrid& grid, int col, int row) {
    const std::string& text = grid.Cell(col, row);
    if (IsEmptyCell(text)) return {};
    try {
        return ReadParameterExpression(text);
    } catch (const ParameterTextError& error) {
        std::string message = CellPlace(col, row);
        message += "「";
        message += text;
        message += "」の";
        message += error.what();
        throw Error(message);
    }
}

// The monic least common multiple of two monic polynomials.
Polynomial LeastCommonMultiple(const Polynomial& a, const Polynomial& b) {
    return Monic(Divide(a * b, Gcd(a, b)).quotient);
}

}  // namespace

char GridParameterLetter(const CellGrid& grid) {
    for (int c = 0; c < grid.Cols(); ++c) {
        for (int r = 0; r < grid.Rows(); ++r) {
            const std::string& text = grid.Cell(c, r);
            if (!MayNameParameter(text)) continue;
            try {
                const char letter = ReadParameterExpression(text).letter;
                if (letter != '\0') return letter;
            } catch (const ParameterTextError&) {
                // Not an expression in a letter: the number reading judges it.
            }
        }
    }
    return '\0';
}

ParameterMatrix LoadParameterMatrix(const CellGrid& grid) {
    ParameterMatrix result;
    result.matrix.Resize(grid.Cols(), grid.Rows());
    for (int c = 0; c < grid.Cols(); ++c) {
        for (int r = 0; r < grid.Rows(); ++r) {
            ParameterReading reading = ReadCell(grid, c, r);
            if (reading.letter != '\0') {
                if (result.letter != '\0' && result.letter != reading.letter)
                    throw ParameterLetterClash(result.letter, reading.letter);
                result.letter = reading.letter;
            }
            if (reading.undefinedAt.Degree() > 0)
                result.undefinedAt = LeastCommonMultiple(result.undefinedAt, reading.undefinedAt);
            result.matrix.Set(c, r, std::move(reading.value));
        }
    }
    return result;
}

}  // namespace korvane
