#include "core/engine/RowReductionDefinitions.h"

namespace korvane {

template class BasicRowReduction<ComplexRationals>;

}  // namespace korvane
