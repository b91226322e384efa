// Reading a grid over Q(i)(a): which letter a grid names, the entries read,
// where a typed entry means nothing, and the refusals with their place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestMatrices.h"
#include "core/parameter/ParameterGrid.h"

namespace korvane {
namespace {

using test::GridOf;

struct LetterCase {
    std::vector<std::vector<std::string>> rows;
    char letter;
};

TEST(GridParameterLetter, FindsTheLetterOfTheShownCells) {
    const std::vector<LetterCase> cases = {
        {{{"1", "2"}, {"3", "4"}}, '\0'},
        {{{"1e-3", "2i"}, {"1/2", ""}}, '\0'},  // exponent and unit name no parameter
        {{{"1", "k"}, {"3", "4"}}, 'k'},
        {{{"1", "2"}, {"3", "t^2-1"}}, 't'},
        {{{"a-a", "0"}, {"0", "1"}}, 'a'},      // written, though it cancels
        {{{"abc", "1"}, {"1", "1"}}, '\0'},     // no expression: the number reading judges it
        {{{"√2", "x"}, {"1", "1"}}, 'x'},
    };
    for (const LetterCase& c : cases)
        EXPECT_EQ(GridParameterLetter(GridOf(c.rows)), c.letter) << c.rows[0][0];
}

TEST(GridParameterLetter, LooksOnlyAtTheShownSize) {
    CellGrid grid = GridOf({{"1", "2"}, {"3", "4"}});
    grid.SetCell(5, 5, "a");
    EXPECT_EQ(GridParameterLetter(grid), '\0');
}

TEST(LoadParameterMatrix, ReadsEntriesAndWhereTheyAreUndefined) {
    const ParameterMatrix m = LoadParameterMatrix(
        GridOf({{"1/(a-1)", "a"}, {"", "(a^2-4)/(a+2)"}, {"a/(a-1)", "1/a"}}));
    EXPECT_EQ(m.letter, 'a');
    EXPECT_EQ(m.matrix.LastCol(), 1);
    EXPECT_EQ(m.matrix.LastRow(), 2);
    EXPECT_EQ(m.matrix.Text(0, 0), "1/(a-1)");
    EXPECT_EQ(m.matrix.Text(0, 1), "0");
    EXPECT_EQ(m.matrix.Text(1, 1), "a-2");
    // (a-1)(a+2)a, each factor once.
    const Polynomial expected =
        Polynomial::XMinus(CpxOne()) * Polynomial::XMinus(CpxOfInteger(-2)) *
        Polynomial::XMinus(CpxZero());
    EXPECT_EQ(m.undefinedAt, expected);
}

struct RefusalCase {
    std::vector<std::vector<std::string>> rows;
    std::string messagePart;
};

TEST(LoadParameterMatrix, RefusesWithThePlace) {
    const std::vector<RefusalCase> cases = {
        {{{"a", "1"}, {"2a+", "1"}}, "2行1列のセル「2a+」"},
        {{{"a", "√2"}, {"1", "1"}}, "1行2列のセル"},
    };
    for (const RefusalCase& c : cases) {
        try {
            LoadParameterMatrix(GridOf(c.rows));
            ADD_FAILURE() << c.rows[0][0] << " was read";
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(c.messagePart), std::string::npos)
                << error.what();
        }
    }
}

TEST(LoadParameterMatrix, TwoLettersGiveTheClashMessage) {
    try {
        LoadParameterMatrix(GridOf({{"a", "1"}, {"1", "b"}}));
        ADD_FAILURE();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), ParameterLetterClash('a', 'b').what());
    }
}

}  // namespace
}  // namespace korvane
