#pragma once

#include <QFrame>
#include <QPixmap>

#include <optional>

#include "window/model.h"

namespace vestrel::window {

// A picture box: a sunken border two pixels wide around a bitmap shown at its
// natural size from the top-left of the inner area, cut off where the inner
// area ends. It takes keyboard focus but draws no focus mark. Given a needle,
// it draws it over the bitmap: a 1-pixel pure red line between two points in
// twips of the inner area.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(const QPixmap& bitmap, QWidget* parent);

    // Screen readers see a picture box as a graphic.
    static void InstallAccessibility();

    // Draws the needle from `start` to `end` from now on.
    void SetNeedle(NeedlePoint start, NeedlePoint end);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap bitmap_;
    std::optional<std::pair<NeedlePoint, NeedlePoint>> needle_;
};

}  // namespace vestrel::window
