#include "core/editing/MatrixFile.h"

#include <new>

#include "core/editing/FileAccess.h"
#include "core/editing/IniFile.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr const char* kSizeSection = "size";
constexpr const char* kMatrixSection = "matrix";
constexpr int kDefaultCount = 3;
constexpr const char* kDefaultCell = "0";

CellGrid GridFrom(const IniFile& file) {
    CellGrid grid;
    grid.SetRows(file.ReadInteger(kSizeSection, "rows", kDefaultCount));
    grid.SetCols(file.ReadInteger(kSizeSection, "cols", kDefaultCount));
    for (int row = 0; row < CellGrid::kMaxSize; ++row)
        for (int col = 0; col < CellGrid::kMaxSize; ++col)
            grid.SetCell(col, row, file.ReadText(kMatrixSection, MatrixCellKey(row, col), kDefaultCell));
    return grid;
}

bool HasMatrixSections(const IniFile& file) {
    return file.HasSection(kSizeSection) || file.HasSection(kMatrixSection);
}

void PutGrid(const CellGrid& grid, IniFile& file) {
    file.WriteInteger(kSizeSection, "rows", grid.Rows());
    file.WriteInteger(kSizeSection, "cols", grid.Cols());
    for (int row = 0; row < CellGrid::kMaxSize; ++row)
        for (int col = 0; col < CellGrid::kMaxSize; ++col)
            file.WriteText(kMatrixSection, MatrixCellKey(row, col), grid.Cell(col, row));
}

}  // namespace

std::string MatrixCellKey(int row, int col) {
    std::string key = "r";
    key += std::to_string(row);
    key += 'c';
    key += std::to_string(col);
    return key;
}

MatrixFileStatus LoadMatrixFile(const std::string& path, CellGrid& grid) {
    try {
        IniFile file;
        if (!file.Load(path, kMaxMatrixFileBytes))
            return file.TooLarge() ? MatrixFileStatus::kTooLarge : MatrixFileStatus::kNoFile;
        if (!HasMatrixSections(file))
            return file.Text().empty() ? MatrixFileStatus::kEmpty
                                       : MatrixFileStatus::kNotAMatrixFile;
        grid = GridFrom(file);
        return MatrixFileStatus::kRead;
    } catch (const std::bad_alloc&) {
        return MatrixFileStatus::kNoFile;
    }
}

void ReadMatrixFile(const std::string& path, CellGrid& grid) {
    CellGrid read;
    if (LoadMatrixFile(path, read) == MatrixFileStatus::kTooLarge)
        throw Error(path + " は 16 MiB を超えているため開けません。");
    grid = read;
}

void WriteMatrixFile(const std::string& path, const CellGrid& grid) {
    // An existing file keeps its other sections and keys.
    RewriteIniFile(path, kMaxMatrixFileBytes, [&](IniFile& file) { PutGrid(grid, file); });
}

bool HoldsMatrixFile(std::string_view bytes) {
    return ReadIniBytes(bytes, HasMatrixSections);
}

CellGrid GridFromBytes(std::string_view bytes) {
    return ReadIniBytes(bytes, GridFrom);
}

std::string BytesAfterSaving(std::string_view bytes, const CellGrid& grid) {
    return RewrittenIniBytes(bytes, [&](IniFile& file) { PutGrid(grid, file); });
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
