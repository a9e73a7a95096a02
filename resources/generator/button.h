#pragma once

#include <QImage>

// The face of the "calculate" button: a dark-blue rounded tile with a white
// compass ring, an "N" at its top and a light-blue needle. 131 x 131 on white.
QImage drawButton();
