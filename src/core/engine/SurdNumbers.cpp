#include "core/engine/SurdNumbers.h"

#include "core/engine/RowReductionDefinitions.h"
#include "core/engine/WorkMatrixDefinitions.h"

namespace korvane {

template class BasicWorkMatrix<SurdNumbers>;
template class BasicRowReduction<SurdNumbers>;

SurdMatrix AsSurdMatrix(const WorkMatrix& a) {
    SurdMatrix surds;
    surds.Resize(a.LastCol() + 1, a.LastRow() + 1);
    for (int c = 0; c <= a.LastCol(); ++c) {
        for (int r = 0; r <= a.LastRow(); ++r)
            surds.Set(c, r, SurdFromCpx(a.At(c, r)));
    }
    return surds;
}

std::vector<Surd> AsSurdVector(const std::vector<ComplexFraction>& v) {
    std::vector<Surd> surds;
    surds.reserve(v.size());
    for (const ComplexFraction& z : v)
        surds.push_back(SurdFromCpx(z));
    return surds;
}

}  // namespace korvane
