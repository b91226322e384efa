// The characteristic polynomial, eigenvalue, eigenvector and
// diagonalisation commands, each going one step further than the one before.
#include <vector>

#include "core/engine/CharacteristicPolynomial.h"
#include "core/engine/Eigenspaces.h"
#include "core/engine/EigenvalueText.h"
#include "core/engine/Engine.h"
#include "core/engine/MatrixGrid.h"
#include "core/engine/MatrixPrinting.h"
#include "core/parameter/ParameterEigenvalues.h"
#include "core/parameter/ParameterGrid.h"

namespace korvane {

bool Engine::CharacteristicPolynomial(const CellGrid& grid, StepLog& log) {
    return EigenComputation(grid, log, EigenDepth::kPolynomial);
}

bool Engine::Eigenvalues(const CellGrid& grid, StepLog& log) {
    if (GridParameterLetter(grid) != '\0') return ParameterEigenvalues(grid, log);
    return EigenComputation(grid, log, EigenDepth::kValues);
}

bool Engine::Eigenvectors(const CellGrid& grid, StepLog& log) {
    return EigenComputation(grid, log, EigenDepth::kVectors);
}

bool Engine::Diagonalize(const CellGrid& grid, StepLog& log) {
    return EigenComputation(grid, log, EigenDepth::kDiagonal);
}

bool Engine::EigenComputation(const CellGrid& grid, StepLog& log, EigenDepth depth) {
    log.ClearStepLog();
    if (!grid.IsSquare()) {
        constexpr const char* kRefusals[] = {
            "正方行列でないので、固有多項式はありません。",
            "正方行列でないので、固有値はありません。",
            "正方行列でないので、固有ベクトルはありません。",
            "正方行列でないので、対角化できません。",
        };
        log.AppendStepLog(kRefusals[static_cast<int>(depth)]);
        return false;
    }
    LoadWorkMatrix(workMatrix_, grid);
    const WorkMatrix a = workMatrix_;
    PrintWorkMatrix(workMatrix_, log);
    const Polynomial characteristic = LoggedCharacteristicPolynomial(workMatrix_, log);
    if (depth == EigenDepth::kPolynomial) return true;
    const EigenvalueFindings findings = EigenvalueText(characteristic, log);
    if (depth == EigenDepth::kValues) return true;
    std::vector<Eigenspace> spaces;
    for (const ExactEigenvalue& e : findings.exact)
        spaces.push_back(LoggedEigenspace(a, e, log, style_));
    std::vector<SurdEigenspace> surdSpaces;
    if (!findings.quadratic.empty()) {
        const SurdMatrix surdA = AsSurdMatrix(a);
        for (const QuadraticEigenvalue& e : findings.quadratic)
            surdSpaces.push_back(LoggedEigenspace(surdA, e, log, style_));
    }
    if (!findings.others.empty()) {
        log.AppendStepLog(
            "近似値で示した固有値は複素有理数でないので、その固有ベクトルの成分も複素有理数では"
            "書けません。ここでは求めません。");
    }
    if (depth == EigenDepth::kVectors) return true;
    DiagonalisationText(a, spaces, surdSpaces, findings, log);
    return true;
}

}  // namespace korvane
