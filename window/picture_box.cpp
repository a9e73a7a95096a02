#include "window/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPen>

#include "window/layout_table.h"

namespace vestrel::window {
namespace {

constexpr int kBorderPixels = kPictureBorderTwips / kTwipsPerPixel;

QPointF TwipsToPoint(NeedlePoint p) {
    return {static_cast<double>(p.x) / kTwipsPerPixel, static_cast<double>(p.y) / kTwipsPerPixel};
}

QAccessibleInterface* PictureBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void PictureBox::InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(PictureBoxAccessible);
        return true;
    }();
    (void)installed;
}

PictureBox::PictureBox(const QPixmap& bitmap, QWidget* parent) : QFrame(parent), bitmap_(bitmap) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPixels);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::SetNeedle(NeedlePoint start, NeedlePoint end) {
    needle_ = {start, end};
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    painter.drawPixmap(0, 0, bitmap_);
    if (needle_) {
        // One device pixel wide at any scale, with no blending into the dial.
        QPen pen(QColor(255, 0, 0));
        pen.setCosmetic(true);
        pen.setWidth(1);
        painter.setPen(pen);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawLine(TwipsToPoint(needle_->first), TwipsToPoint(needle_->second));
    }
}

}  // namespace vestrel::window
