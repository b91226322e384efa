#include "core/workspace/Workspace.h"

#include "mklibs/Errors.h"

namespace korvane {

namespace {

void RefuseNonName(char name) {
    if (!Workspace::IsName(name))
        throw Error("行列の名前は、I と O を除く大文字のアルファベット1文字です。");
}

}  // namespace

bool Workspace::IsName(char name) {
    return name != '\0' && kNames.find(name) != std::string_view::npos;
}

std::string Workspace::NameText(char name) {
    return std::string(1, name);
}

void Workspace::Store(char name, const CellGrid& grid) {
    RefuseNonName(name);
    CellGrid stored;
    stored.SetRows(grid.Rows());
    stored.SetCols(grid.Cols());
    for (int c = 0; c < grid.Cols(); ++c) {
        for (int r = 0; r < grid.Rows(); ++r)
            stored.SetCell(c, r, grid.Cell(c, r));
    }
    matrices_[name] = std::move(stored);
}

const CellGrid* Workspace::Find(char name) const {
    const auto found = matrices_.find(name);
    return found == matrices_.end() ? nullptr : &found->second;
}

bool Workspace::Remove(char name) {
    return matrices_.erase(name) > 0;
}

void Workspace::Rename(char from, char to) {
    RefuseNonName(to);
    const auto found = matrices_.find(from);
    if (found == matrices_.end()) throw Error(NameText(from) + " という名前の行列はありません。");
    if (from == to) return;
    if (matrices_.contains(to)) throw Error(NameText(to) + " という名前の行列がすでにあります。");
    matrices_[to] = std::move(found->second);
    matrices_.erase(from);
}

std::vector<char> Workspace::Names() const {
    std::vector<char> names;
    for (const auto& [name, grid] : matrices_)
        names.push_back(name);
    return names;
}

void RecallInto(const CellGrid& stored, CellGrid& grid) {
    CellGrid recalled = grid;
    recalled.SetRows(stored.Rows());
    recalled.SetCols(stored.Cols());
    for (int c = 0; c < stored.Cols(); ++c) {
        for (int r = 0; r < stored.Rows(); ++r)
            recalled.SetCell(c, r, stored.Cell(c, r));
    }
    grid = std::move(recalled);
}

}  // namespace korvane
