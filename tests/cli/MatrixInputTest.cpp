#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliArguments.h"
#include "cli/MatrixInput.h"

namespace korvane {
namespace {

CellGrid Read(const std::string& text) {
    std::istringstream in(text);
    return ReadMatrixText(in);
}

TEST(MatrixInput, RowsAndCellsAsTyped) {
    const CellGrid grid = Read("\n  2/4\t-i  \r\n\r\n \t \n1+2i   3\r\n");
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.Cell(0, 0), "2/4");
    EXPECT_EQ(grid.Cell(1, 0), "-i");
    EXPECT_EQ(grid.Cell(0, 1), "1+2i");
    EXPECT_EQ(grid.Cell(1, 1), "3");
    EXPECT_EQ(grid.Cell(2, 2), "0");  // every other cell as in a fresh grid
}

TEST(MatrixInput, LargestAndSmallest) {
    std::string ten;
    for (int r = 0; r < 10; ++r)
        ten += "1 2 3 4 5 6 7 8 9 " + std::to_string(r) + "\n";
    const CellGrid grid = Read(ten);
    EXPECT_EQ(grid.Rows(), 10);
    EXPECT_EQ(grid.Cols(), 10);
    EXPECT_EQ(grid.Cell(9, 9), "9");
    EXPECT_EQ(Read("7").Rows(), 1);  // no final newline
}

TEST(MatrixInput, Refused) {
    std::string elevenRows;
    for (int r = 0; r < 11; ++r)
        elevenRows += "1\n";
    const std::string cases[] = {
        "", "\n \t\r\n", "1 2\n3\n", "1\n2 3\n", "1 2 3 4 5 6 7 8 9 10 11\n", elevenRows,
    };
    for (const std::string& text : cases)
        EXPECT_THROW(Read(text), UsageError) << text;
}

// A named file is a matrix file by its sections, whatever its name, and
// keeps the lenient reading of matrix files; any other text is read as
// standard input is.
TEST(MatrixInput, NamedFileByItsContent) {
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / "korvane-matrix-input";
    std::filesystem::create_directories(dir);
    const struct {
        const char* name;
        std::string bytes;
        int rows, cols;
        const char* first;
    } cases[] = {
        {"m.kvm", "[size]\nrows=1\ncols=2\n[matrix]\nr0c0=1/2x\n", 1, 2, "1/2x"},
        {"m.txt", "[matrix]\nr0c0=7\n", 3, 3, "7"},
        {"m.kvm", "\xEF\xBB\xBF[SIZE]\r\nrows=2\r\n", 2, 3, "0"},
        {"m.kvm", "1 2\n3 4\n", 2, 2, "1"},
    };
    for (const auto& c : cases) {
        const std::string path = (dir / c.name).string();
        std::ofstream(path, std::ios::binary) << c.bytes;
        const CellGrid grid = ReadMatrixFromFile(path);
        EXPECT_EQ(grid.Rows(), c.rows) << c.bytes;
        EXPECT_EQ(grid.Cols(), c.cols) << c.bytes;
        EXPECT_EQ(grid.Cell(0, 0), c.first) << c.bytes;
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace korvane
