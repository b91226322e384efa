#pragma once

#include <string>
#include <string_view>

#include "core/workspace/Workspace.h"

namespace korvane {

// The workspace file (.kvw): the sectioned key-value text of the matrix
// file, read through the same IniFile. Section [workspace] marks it
// (version=1); each named matrix is a section [matrix A] with rows, cols
// and the keys r0c0 … of its shown cells, holding their texts as stored.
// Lines it does not know, other sections and keys among them, stay when it
// is saved over; a name's section is written anew at the end.
//
//   [workspace]
//   version=1
//   [matrix A]
//   rows=2
//   cols=2
//   r0c0=1
//   r0c1=1/2
//   r1c0=-3
//   r1c1=4

inline constexpr std::string_view kWorkspaceExtension = "kvw";

// Whether bytes are a workspace file: a [workspace] section.
bool HoldsWorkspaceFile(std::string_view bytes);
// The named matrices bytes hold: defaults 3, 3 and "0" for missing keys,
// counts clamped into 1..10, as in a matrix file.
Workspace WorkspaceFromBytes(std::string_view bytes);
// What a file holding bytes holds after workspace is saved over it.
std::string BytesAfterSavingWorkspace(std::string_view bytes, const Workspace& workspace);

// Opens the workspace file at path. Throws Error, naming path, when it is
// no readable regular file, larger than 16 MiB, or no workspace file.
Workspace ReadWorkspaceFile(const std::string& path);
// Saves workspace at path atomically, keeping the lines it does not know of
// a file already there. Throws Error("<path> に書き込めません") and leaves the
// file as it was when it cannot write there or cannot read all of the old
// file.
void WriteWorkspaceFile(const std::string& path, const Workspace& workspace);

}  // namespace korvane
