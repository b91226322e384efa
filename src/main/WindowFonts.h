#pragma once

#include <QFont>

namespace korvane {

// The proportional Japanese font of every control but the log, 12 pixels.
QFont ControlsFont();
// The fixed-pitch Japanese font of the log pane, 13 pixels: the printed
// matrices are padded with spaces and line up only in such a font.
QFont LogFont();

}  // namespace korvane
