#include "core/engine/SurdNumbers.h"

#include "core/engine/RowReductionDefinitions.h"
#include "core/engine/WorkMatrixDefinitions.h"

namespace korvane {

template class BasicWorkMatrix<SurdNumbers>;
template class BasicRowReduction<SurdNumbers>;

}  // namespace korvane
