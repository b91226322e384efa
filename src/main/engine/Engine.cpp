// Placeholder until the engine lands.
#include "main/engine/Engine.h"

namespace korvane {

bool Engine::ReducedRowEchelonForm(CellGrid&, StepLog&) {
    return false;
}
bool Engine::Inverse(CellGrid&, StepLog&) {
    return false;
}
bool Engine::Transpose(CellGrid&, StepLog&) {
    return false;
}
void Engine::Kernel(const CellGrid&, StepLog&) {}
void Engine::Image(const CellGrid&, StepLog&) {}
void Engine::Determinant(const CellGrid&, StepLog&) {}

}  // namespace korvane
