#include "core/engine/RationalFunctions.h"

#include "core/engine/RowReductionDefinitions.h"
#include "core/engine/WorkMatrixDefinitions.h"

namespace korvane {

template class BasicWorkMatrix<RationalFunctions>;
template class BasicRowReduction<RationalFunctions>;

}  // namespace korvane
