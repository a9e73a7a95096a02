#pragma once

#include <QImage>

// The picture beside the calculator: a close-up photograph-like view from
// above of an antique brass compass. 208 x 415, 24-bit RGB. The window shows
// only the left 181 columns, so the dial, the "N", the "NW" and the needle all
// sit in that part.
QImage drawPhoto();
