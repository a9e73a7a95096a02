#pragma once

#include <QImage>
#include <QPainter>

// Vestrel's application icon: a compass face with a light-blue rim, four dots
// at the cardinal points, and a needle with its red end to the upper left.

// Paints the icon filling a `size` x `size` square at the painter's origin.
// It is vector drawing, so every icon size comes from this one function.
void paintIcon(QPainter& painter, double size);

// The icon rendered at `size` pixels, transparent around the face.
QImage renderIcon(int size);

// The same picture reduced to a 256-colour palette with one fully
// transparent entry, for the classic part of the Windows icon.
QImage paletteIcon(const QImage& argb);
