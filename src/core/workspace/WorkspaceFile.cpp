#include "core/workspace/WorkspaceFile.h"

#include "core/editing/IniFile.h"
#include "core/editing/MatrixFile.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr const char* kMarkSection = "workspace";
constexpr int kDefaultCount = 3;

std::string SectionOf(char name) {
    return std::string("matrix ") + name;
}

Workspace WorkspaceFrom(const IniFile& file) {
    Workspace workspace;
    for (const char name : Workspace::kNames) {
        const std::string section = SectionOf(name);
        if (!file.HasSection(section)) continue;
        CellGrid grid;
        grid.SetRows(file.ReadInteger(section, "rows", kDefaultCount));
        grid.SetCols(file.ReadInteger(section, "cols", kDefaultCount));
        for (int r = 0; r < grid.Rows(); ++r) {
            for (int c = 0; c < grid.Cols(); ++c)
                grid.SetCell(c, r, file.ReadText(section, MatrixCellKey(r, c), "0"));
        }
        workspace.Store(name, grid);
    }
    return workspace;
}

void PutWorkspace(const Workspace& workspace, IniFile& file) {
    file.WriteInteger(kMarkSection, "version", 1);
    for (const char name : Workspace::kNames)
        file.RemoveSection(SectionOf(name));
    for (const char name : workspace.Names()) {
        const std::string section = SectionOf(name);
        const CellGrid& grid = *workspace.Find(name);
        file.WriteInteger(section, "rows", grid.Rows());
        file.WriteInteger(section, "cols", grid.Cols());
        for (int r = 0; r < grid.Rows(); ++r) {
            for (int c = 0; c < grid.Cols(); ++c)
                file.WriteText(section, MatrixCellKey(r, c), grid.Cell(c, r));
        }
    }
}

}  // namespace

bool HoldsWorkspaceFile(std::string_view bytes) {
    return ReadIniBytes(bytes, [](const IniFile& file) { return file.HasSection(kMarkSection); });
}

Workspace WorkspaceFromBytes(std::string_view bytes) {
    return ReadIniBytes(bytes, WorkspaceFrom);
}

std::string BytesAfterSavingWorkspace(std::string_view bytes, const Workspace& workspace) {
    return RewrittenIniBytes(bytes, [&](IniFile& file) { PutWorkspace(workspace, file); });
}

Workspace ReadWorkspaceFile(const std::string& path) {
    IniFile file;
    if (!file.Load(path, kMaxMatrixFileBytes)) {
        if (file.TooLarge()) throw Error(path + " は 16 MiB を超えているため開けません。");
        throw Error(path + " を開けません。");
    }
    if (!file.HasSection(kMarkSection))
        throw Error(path + " はワークスペースのファイルではありません。");
    return WorkspaceFrom(file);
}

void WriteWorkspaceFile(const std::string& path, const Workspace& workspace) {
    // As with a matrix file: what cannot be read whole is not written over.
    RewriteIniFile(path, kMaxMatrixFileBytes,
                   [&](IniFile& file) { PutWorkspace(workspace, file); });
}

}  // namespace korvane
