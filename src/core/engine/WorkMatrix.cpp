#include "core/engine/WorkMatrixDefinitions.h"

namespace korvane {

template class BasicWorkMatrix<ComplexRationals>;

}  // namespace korvane
