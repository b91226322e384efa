#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/MatrixArithmetic.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The kernel's basis as values, and vectors in the notation the kernel
// command's result uses: "(1,-2,0)", "span{(1,0),(0,1)}".

// One basis vector of the kernel of the leading `cols` columns of a reduced
// matrix for each of their free columns, in increasing order: 1 in its free
// column, 0 in the other free ones, minus the free column's entry in each
// pivot row.
std::vector<ExactVector> KernelBasis(const WorkMatrix& reduced, std::int32_t cols);
// The free columns among the leading `cols` columns, from 0.
std::vector<std::int32_t> FreeColumns(const WorkMatrix& reduced, std::int32_t cols);

std::string VectorText(const ExactVector& x);
// "span{v1,v2}"; an empty list gives "{0}".
std::string SpanText(const std::vector<ExactVector>& basis);

}  // namespace korvane
