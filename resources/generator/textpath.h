#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

// Lettering on the images is measured by the height of the ink, not by the
// nominal font size, because that is what shows at these tiny sizes.

// A font of the given installed family. Throws if the family is missing, so a
// machine without the font fails loudly instead of quietly drawing other
// letters.
QFont requireFont(const QString& family, bool bold = false);

// The outline of `text`, scaled so that its ink is exactly `inkHeight` pixels
// tall and moved so that the ink box starts at (0, 0).
QPainterPath inkPath(const QString& text, const QFont& font, double inkHeight);
