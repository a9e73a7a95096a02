#include "textpath.h"

#include <QFontInfo>
#include <QTransform>

#include <stdexcept>

QFont requireFont(const QString& family, bool bold) {
    QFont font(family);
    font.setBold(bold);
    font.setPixelSize(100);
    if (QFontInfo(font).family() != family)
        throw std::runtime_error("font not installed: " + family.toStdString());
    return font;
}

QPainterPath inkPath(const QString& text, const QFont& font, double inkHeight) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const double scale = inkHeight / ink.height();
    QTransform t;
    t.scale(scale, scale);
    t.translate(-ink.left(), -ink.top());
    return t.map(path);
}
