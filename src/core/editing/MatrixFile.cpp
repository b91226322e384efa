#include "core/editing/MatrixFile.h"

#include "core/editing/FileAccess.h"
#include "core/editing/IniFile.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

// A matrix file is a few kilobytes; reading stops here so that a huge file
// chosen by mistake costs no more than a moment.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

constexpr const char* kSizeSection = "size";
constexpr const char* kMatrixSection = "matrix";
constexpr int kDefaultCount = 3;
constexpr const char* kDefaultCell = "0";

// The key of the entry in row r, column c: r0c0 … r9c9.
std::string CellKey(int row, int col) {
    return "r" + std::to_string(row) + "c" + std::to_string(col);
}

CellGrid GridFrom(const IniFile& file) {
    CellGrid grid;
    grid.SetRows(file.ReadInteger(kSizeSection, "rows", kDefaultCount));
    grid.SetCols(file.ReadInteger(kSizeSection, "cols", kDefaultCount));
    for (int row = 0; row < CellGrid::kMaxSize; ++row)
        for (int col = 0; col < CellGrid::kMaxSize; ++col)
            grid.SetCell(col, row, file.ReadText(kMatrixSection, CellKey(row, col), kDefaultCell));
    return grid;
}

void PutGrid(const CellGrid& grid, IniFile& file) {
    file.WriteInteger(kSizeSection, "rows", grid.Rows());
    file.WriteInteger(kSizeSection, "cols", grid.Cols());
    for (int row = 0; row < CellGrid::kMaxSize; ++row)
        for (int col = 0; col < CellGrid::kMaxSize; ++col)
            file.WriteText(kMatrixSection, CellKey(row, col), grid.Cell(col, row));
}

}  // namespace

void ReadMatrixFile(const std::string& path, CellGrid& grid) {
    try {
        IniFile file;
        file.Load(path, kMaxFileBytes);
        grid = GridFrom(file);
    } catch (...) {
        grid = CellGrid();  // out of memory: the defaults, as for a missing file
    }
}

bool TryReadMatrixFile(const std::string& path, CellGrid& grid) {
    try {
        IniFile file;
        if (!file.Load(path, kMaxFileBytes)) return false;
        grid = GridFrom(file);
        return true;
    } catch (...) {
        return false;
    }
}

void WriteMatrixFile(const std::string& path, const CellGrid& grid) {
    IniFile file;
    // An existing file keeps its other sections and keys; when they cannot
    // all be read, writing would lose them, so nothing is written.
    if (PathExists(path) && (!file.Load(path, kMaxFileBytes) || file.Truncated()))
        throw Error(path + " に書き込めません");
    PutGrid(grid, file);
    file.Save(path);
}

bool O1Click(CellGrid& grid, Dialogs& dialogs) {
    const std::optional<std::string> path = dialogs.OpenFileName();
    if (!path) return false;
    ReadMatrixFile(*path, grid);
    return true;
}

void S1Click(const CellGrid& grid, Dialogs& dialogs) {
    const std::optional<std::string> path = dialogs.SaveFileName();
    if (!path) return;
    if (PathExists(*path) &&
        !dialogs.Confirm("ファイルが既に存在します。\r上書きして宜しいでしょうか？"))
        return;
    WriteMatrixFile(*path, grid);
}

}  // namespace korvane
