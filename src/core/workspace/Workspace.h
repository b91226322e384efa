#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/CellGrid.h"

namespace korvane {

// The named matrices beside the grid: each name one capital Latin letter
// other than I and O (the identity and the zero matrix), each matrix its own
// cell texts as they were stored, of its own size. A value: the History keeps
// one per state.
class Workspace {
  public:
    // The names a matrix may take, in their order.
    static constexpr std::string_view kNames = "ABCDEFGHJKLMNPQRSTUVWXYZ";
    static bool IsName(char name);
    // "A" for 'A': how a name is written.
    static std::string NameText(char name);

    // Stores the grid's shown cells under name, replacing what stood there;
    // cells beyond its size hold "0". Throws Error for a name that is none.
    void Store(char name, const CellGrid& grid);
    // The matrix stored under name, or null.
    const CellGrid* Find(char name) const;
    // Whether a matrix stood under name.
    bool Remove(char name);
    // Moves the matrix under from to the name to. Throws Error when to is no
    // name or holds a matrix already, or when from holds none.
    void Rename(char from, char to);
    // The names that hold a matrix, in their order.
    std::vector<char> Names() const;
    bool Empty() const { return matrices_.empty(); }

    friend bool operator==(const Workspace&, const Workspace&) = default;

  private:
    std::map<char, CellGrid> matrices_;
};

// A stored matrix brought into the grid: the grid takes its size and its
// cells; cells beyond that size keep their texts.
void RecallInto(const CellGrid& stored, CellGrid& grid);

}  // namespace korvane
