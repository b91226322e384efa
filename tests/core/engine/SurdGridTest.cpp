// Grids whose cells need a square root: which field a grid needs, the
// reduction commands over that root, and the commands that refuse it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Golden.h"
#include "TestMatrices.h"
#include "core/engine/Engine.h"
#include "core/engine/GridField.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

TEST(SurdGrid, FieldOfEachGrid) {
    const struct {
        std::vector<Lines> rows;
        FieldKind kind;
        const char* refusal;  // the clash, when there is one
    } cases[] = {
        {{{"1", "1/2+i"}, {"", "3"}}, FieldKind::kComplexRationals, ""},
        // Roots that come out rational, and a root typed three ways.
        {{{"√4", "sqrt(9/4)"}, {"2√3/√3", "1"}}, FieldKind::kComplexRationals, ""},
        {{{"√2", "sqrt(8)"}, {"1/√2", "(1+√2)/3"}}, FieldKind::kSurds, ""},
        {{{"1", "√(-3)"}, {"i√3", "2"}}, FieldKind::kSurds, ""},
        {{{"√2", "1"}, {"1", "√3"}}, FieldKind::kSurds,
         "2行2列の「√3」で、√2 と √3 を同時に含む数は扱えません。"},
        {{{"√2", "√6"}}, FieldKind::kSurds, "1行2列の「√6」で、√2 と √6 を同時に含む数は扱えません。"},
        // A text with √ that is no number is read leniently, as any cell.
        {{{"√x", "2"}}, FieldKind::kComplexRationals, ""},
    };
    for (const auto& c : cases) {
        const CellGrid grid = GridOf(c.rows);
        SCOPED_TRACE(grid.Cell(0, 0));
        if (*c.refusal != '\0') {
            try {
                FieldOfGrid(grid);
                ADD_FAILURE() << "no clash";
            } catch (const Error& e) {
                EXPECT_EQ(std::string(e.what()), c.refusal);
            }
        } else {
            EXPECT_EQ(FieldOfGrid(grid), c.kind);
        }
    }
}

using Command = std::function<bool(Engine&, CellGrid&, StepLog&)>;

const Command kRref = [](Engine& e, CellGrid& g, StepLog& l) { return e.ReducedRowEchelonForm(g, l); };
const Command kInverse = [](Engine& e, CellGrid& g, StepLog& l) { return e.Inverse(g, l); };
const Command kTranspose = [](Engine& e, CellGrid& g, StepLog& l) { return e.Transpose(g, l); };
const Command kKernel = [](Engine& e, CellGrid& g, StepLog& l) { return e.Kernel(g, l); };
const Command kImage = [](Engine& e, CellGrid& g, StepLog& l) { return e.Image(g, l); };
const Command kDet = [](Engine& e, CellGrid& g, StepLog& l) { return e.Determinant(g, l); };
const Command kSolve = [](Engine& e, CellGrid& g, StepLog& l) { return e.Solve(g, l); };
const Command kRank = [](Engine& e, CellGrid& g, StepLog& l) { return e.Rank(g, l); };
const Command kEigenvalues = [](Engine& e, CellGrid& g, StepLog& l) { return e.Eigenvalues(g, l); };
const Command kDiagonalize = [](Engine& e, CellGrid& g, StepLog& l) { return e.Diagonalize(g, l); };

bool HasLine(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A line each command's log must hold, and the grid it leaves.
TEST(SurdGrid, CommandsComputeOverTheRoot) {
    const struct {
        const char* name;
        Command command;
        std::vector<Lines> rows;
        bool delivers;
        const char* line;
        std::vector<Lines> after;  // empty: the grid unchanged
    } cases[] = {
        {"rref", kRref, {{"1", "√2", "1"}, {"√2", "2", "0"}}, true, "2行目を-√2/2倍します。",
         {{"1", "√2", "0"}, {"0", "0", "1"}}},
        {"inverse", kInverse, {{"2", "√3"}, {"√3", "2"}}, true, "よって、逆行列は、",
         {{"2", "-√3"}, {"-√3", "2"}}},
        {"inverse of a singular matrix", kInverse, {{"1", "√2"}, {"√2", "2"}}, false,
         "よって、この行列は非可逆です。", {}},
        {"transpose", kTranspose, {{"1", "sqrt(5)"}, {"0", "2"}}, true, "この行列を転置します。",
         {{"1", "0"}, {"√5", "2"}}},
        {"kernel", kKernel, {{"1", "√2"}, {"√2", "2"}}, true, "span{(-√2,1)}", {}},
        {"image", kImage, {{"1", "√2"}, {"√2", "2"}}, true, "span{(1,√2)}", {}},
        {"det", kDet, {{"1", "(1+√5)/2"}, {"(1-√5)/2", "1"}}, true, "よって、行列式は、2です。", {}},
        {"det of a singular matrix", kDet, {{"√3", "3"}, {"1", "√3"}}, true,
         "これは可逆行列でなかったため、行列式は0です。", {}},
        {"solve", kSolve, {{"1", "√2", "3"}, {"√2", "1", "√2"}}, true, "x = (-1,2√2)", {}},
        {"rank", kRank, {{"1", "√2"}, {"√2", "2"}}, true, "よって、階数は、1です。", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Engine engine;
        CellGrid grid = GridOf(c.rows);
        const CellGrid before = grid;
        MemoryStepLog log;
        EXPECT_EQ(c.command(engine, grid, log), c.delivers);
        EXPECT_TRUE(HasLine(log.Lines(), c.line));
        EXPECT_EQ(grid, c.after.empty() ? before : GridOf(c.after));
    }
}

// A command that computes in Q(i) only says so and leaves the grid; one
// that clashes writes nothing.
TEST(SurdGrid, RefusalsLeaveTheGrid) {
    const struct {
        const char* name;
        Command command;
        std::vector<Lines> rows;
        std::string message;
    } cases[] = {
        {"eigenvalues", kEigenvalues, {{"1", "√2"}, {"√2", "1"}}, std::string(kRootsRefused)},
        {"diagonalize", kDiagonalize, {{"√5", "0"}, {"0", "1"}}, std::string(kRootsRefused)},
        {"rref of two roots", kRref, {{"√2", "1"}, {"1", "√3"}},
         "2行2列の「√3」で、√2 と √3 を同時に含む数は扱えません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Engine engine;
        CellGrid grid = GridOf(c.rows);
        const CellGrid before = grid;
        MemoryStepLog log;
        try {
            c.command(engine, grid, log);
            ADD_FAILURE() << "not refused";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(grid, before);
    }
}

TEST(SurdGrid, WorkedSolveOverTheGoldenRatio) {
    Engine engine;
    MemoryStepLog log;
    EXPECT_TRUE(engine.Solve(GridOf({{"1", "(1+√5)/2", "1"}, {"(1-√5)/2", "1", "√5"}}), log));
    EXPECT_EQ(log.Lines(), test::GoldenLines("surd-solve-2x3.log"));
}

}  // namespace
}  // namespace korvane
