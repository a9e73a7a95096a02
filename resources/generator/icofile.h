#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Packs several images into one Windows .ico file. Qt's own ico writer stores
// a single image per file, and Windows picks between the classic 256-colour
// and the 32-bit picture itself, so both have to live in one file.
//
// Indexed8 images become 8-bit palette entries (palette slots whose alpha is
// below half are see-through); anything else becomes a 32-bit ARGB entry.
// Images must be at most 256 pixels square.
QByteArray icoFile(const QList<QImage>& images);
