#pragma once

#include <string>

#include "core/CellGrid.h"
#include "core/editing/Dialogs.h"

namespace korvane {

// The matrix file (.kvm): section [size] with rows and cols, section [matrix]
// with r0c0 … r9c9 holding the cell texts.

// Reads the file at path into grid: defaults 3, 3 and "0", counts clamped.
// A missing or unreadable file gives the defaults; never throws.
void ReadMatrixFile(const std::string& path, CellGrid& grid);
// Reads like ReadMatrixFile when path names a readable regular file and
// returns true; otherwise (missing, a folder, unreadable) returns false and
// leaves grid as it was. For callers that must tell these apart. Never throws.
bool TryReadMatrixFile(const std::string& path, CellGrid& grid);
// Sets the 102 keys in the file at path, keeping its other sections and keys,
// and replaces the file atomically; the text is UTF-8. Throws
// Error("<path> に書き込めません") and leaves whatever stands at path as it was
// when it cannot write there (or cannot read all of an existing file).
void WriteMatrixFile(const std::string& path, const CellGrid& grid);

// The two commands. O1Click returns whether the grid was loaded (the caller
// records a state); S1Click asks before overwriting and changes no grid.
bool O1Click(CellGrid& grid, Dialogs& dialogs);
void S1Click(const CellGrid& grid, Dialogs& dialogs);

}  // namespace korvane
