#pragma once
// The text of the window's strip and panels at a zoom: grown with it, as the faceplate is.

#include <QFont>

namespace tabulor {

// `base` at `zoom` times its size.
QFont zoomedFont(QFont base, int zoom);

// The fixed-pitch font of the system at a zoom, for text set in columns.
QFont fixedPitchFont(int zoom);

}  // namespace tabulor
