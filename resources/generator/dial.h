#pragma once

#include <QImage>

// The bearing dial behind the needle: a thin blue compass circle with the
// cardinal letters and every 30 degrees marked, and the "Korvane" legend.
// 165 x 165, 256-colour palette; the window draws the needle over it, pivoting
// on pixel (82, 82).
QImage drawDial();
