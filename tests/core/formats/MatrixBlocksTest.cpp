// Wide matrices split into column blocks: as few as fit, about equally wide,
// an augmented matrix at its bar first.
#include <gtest/gtest.h>

#include "core/formats/MatrixBlocks.h"

namespace korvane {
namespace {

using Blocks = std::vector<ColumnBlock>;

TEST(MatrixBlocks, SplitsWhereTheWidthRunsOut) {
    const std::vector<double> ten(10, 10.0);
    const std::vector<double> twenty(20, 10.0);
    const struct {
        const char* name;
        std::vector<double> widths;
        double room;
        std::size_t bar;
        Blocks blocks;
    } cases[] = {
        {"fits whole", ten, 100, 0, {{0, 10}}},
        {"fits whole with a bar", twenty, 200, 10, {{0, 20}}},
        {"balanced, not 9 and 1", ten, 90, 0, {{0, 5}, {5, 5}}},
        {"three blocks, not 4, 4 and 2", ten, 40, 0, {{0, 3}, {3, 4}, {7, 3}}},
        {"[A | I] as A over I", twenty, 150, 10, {{0, 10}, {10, 10}}},
        {"each half split again", twenty, 60, 10, {{0, 5}, {5, 5}, {10, 5}, {15, 5}}},
        {"a narrow A, a wide B", ten, 60, 3, {{0, 3}, {3, 4}, {7, 3}}},
        {"a column wider than the room", {5, 200, 5}, 50, 0, {{0, 1}, {1, 1}, {2, 1}}},
        {"uneven widths", {30, 30, 10, 10, 10, 10}, 60, 0, {{0, 2}, {2, 4}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitColumns(c.widths, c.room, c.bar), c.blocks) << c.name;
}

}  // namespace
}  // namespace korvane
