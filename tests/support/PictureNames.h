#pragma once

#include <QStringList>

namespace korvane::test {

// The menu and toolbar pictures (":/icons/NAME.svg"), in the order of the
// main window's picture list.
inline const QStringList kToolbarPictures = {"identity",
                                             "zero",
                                             "copy-upper-to-lower",
                                             "copy-lower-to-upper",
                                             "upper-triangular",
                                             "lower-triangular",
                                             "transpose",
                                             "inverse",
                                             "echelon",
                                             "save",
                                             "open",
                                             "undo",
                                             "redo",
                                             "multiply",
                                             "image",
                                             "kernel",
                                             "determinant",
                                             "solve",
                                             "rank",
                                             "charpoly",
                                             "eigenvalues",
                                             "eigenvectors",
                                             "diagonalize",
                                             "paste",
                                             "practice",
                                             "expansion",
                                             "sarrus",
                                             "integer-det",
                                             "adjugate",
                                             "cramer",
                                             "lu",
                                             "elementary",
                                             "inner",
                                             "norm",
                                             "gram-schmidt",
                                             "qr",
                                             "project",
                                             "complement",
                                             "least-squares",
                                             "orthogonal-diagonalize",
                                             "quadratic-form",
                                             "jordan",
                                             "power",
                                             "exponential",
                                             "recurrence",
                                             "minpoly"};

}  // namespace korvane::test
