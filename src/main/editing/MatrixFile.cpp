// Placeholder until the matrix file lands.
#include "main/editing/MatrixFile.h"

namespace korvane {

void ReadMatrixFile(const std::string&, CellGrid&) {}
void WriteMatrixFile(const std::string&, const CellGrid&) {}
bool O1Click(CellGrid&, Dialogs&) {
    return false;
}
void S1Click(const CellGrid&, Dialogs&) {}

}  // namespace korvane
