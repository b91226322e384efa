// Placeholder until the input aids land.
#include "main/editing/InputAids.h"

namespace korvane {

bool sgmatrixDblClick(CellGrid&, int, int, Dialogs&) {
    return false;
}
bool N3Click(CellGrid&, StepLog&) {
    return false;
}
bool N4Click(CellGrid&, StepLog&) {
    return false;
}
bool L1Click(CellGrid&, Dialogs&) {
    return false;
}
bool N9Click(CellGrid&, StepLog&) {
    return false;
}
bool N10Click(CellGrid&, StepLog&) {
    return false;
}
bool N6Click(CellGrid&, StepLog&) {
    return false;
}
bool N7Click(CellGrid&, StepLog&) {
    return false;
}
std::string MouseReadout(int, int) {
    return {};
}

}  // namespace korvane
