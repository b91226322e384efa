#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/CellGrid.h"
#include "core/editing/Dialogs.h"

namespace korvane {

// The matrix file (.kvm): section [size] with rows and cols, section [matrix]
// with r0c0 … r9c9 holding the cell texts.

// The largest matrix file read: a matrix file is a few kilobytes, so a larger
// file is no matrix file, and reading part of it would lose the keys beyond.
inline constexpr std::size_t kMaxMatrixFileBytes = 16 * 1024 * 1024;

// The key of the entry in row r, column c (from 0): r0c0 … r9c9.
std::string MatrixCellKey(int row, int col);

// What LoadMatrixFile found at a path.
enum class MatrixFileStatus {
    kRead,            // a matrix file: a [size] or a [matrix] section
    kNoFile,          // no readable regular file (missing, a folder, a pipe)
    kTooLarge,        // longer than kMaxMatrixFileBytes
    kEmpty,           // a regular file of no bytes
    kNotAMatrixFile,  // a file with neither section (text, binary, …)
};

// Reads the file at path into grid (defaults 3, 3 and "0" for missing keys,
// counts clamped) when it is a matrix file; otherwise grid stays as it was.
// Never throws.
MatrixFileStatus LoadMatrixFile(const std::string& path, CellGrid& grid);
// Opening in the window: a matrix file is read; anything else that is not
// too large gives the defaults. Throws Error("<path> は 16 MiB を超えているため
// 開けません。") for a file too large, leaving grid as it was.
void ReadMatrixFile(const std::string& path, CellGrid& grid);
// Sets the 102 keys in the file at path, keeping its other sections and keys,
// and replaces the file atomically; the text is UTF-8. Throws
// Error("<path> に書き込めません") and leaves whatever stands at path as it was
// when it cannot write there (or cannot read all of an existing file).
void WriteMatrixFile(const std::string& path, const CellGrid& grid);

// Reading and writing without a file: whether bytes are a matrix file (a
// [size] or a [matrix] section), the grid a matrix file holding bytes gives,
// and what the file holds after grid is saved over it.
bool HoldsMatrixFile(std::string_view bytes);
CellGrid GridFromBytes(std::string_view bytes);
std::string BytesAfterSaving(std::string_view bytes, const CellGrid& grid);

// The two commands. O1Click returns whether the grid was loaded (the caller
// records a state); S1Click asks before overwriting and changes no grid.
bool O1Click(CellGrid& grid, Dialogs& dialogs);
void S1Click(const CellGrid& grid, Dialogs& dialogs);

}  // namespace korvane
