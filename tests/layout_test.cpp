// The real window on Qt's offscreen platform: real key and mouse events,
// widget placement, the modal box, what the window paints and what a screen
// reader hears. CTest runs it at scale factors 1, 1.5 and 2 (QT_SCALE_FACTOR):
// positions are logical pixels, and pixel checks scale to the device.

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

#include "window/layout.h"
#include "window/layout_table.h"

using vestrel::window::ControlPlacement;
using vestrel::window::Form2Window;
using vestrel::window::kControlPlacements;
using vestrel::window::NeedlePoint;
using vestrel::window::TwipsToPixels;

namespace {

// Top-left of the dial's inner area in window pixels: its box sits at
// (3960, 3120) twips, inside a 2-pixel border.
const QPoint kDialInner(3960 / 15 + 2, 3120 / 15 + 2);

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// True when a pixel of exactly `colour` lies within one device pixel of the
// logical point `point` of the window's grab.
bool ColourNear(const QImage& image, QPointF point, QRgb colour) {
    const QPointF device = point * image.devicePixelRatio();
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(static_cast<int>(std::floor(device.x())) + dx,
                           static_cast<int>(std::floor(device.y())) + dy);
            if (image.rect().contains(p) && image.pixel(p) == colour) {
                return true;
            }
        }
    }
    return false;
}

bool RedNear(const QImage& image, QPointF point) {
    return ColourNear(image, point, kRed);
}

// Red pixels in the device row through the logical height `y`, across the dial.
int RedPixelsInRow(const QImage& image, double y) {
    const int row = static_cast<int>(y * image.devicePixelRatio());
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += image.pixel(x, row) == kRed ? 1 : 0;
    }
    return count;
}

// Points along the needle from its pivot to `end`, in window pixels.
QList<QPointF> NeedlePoints(NeedlePoint end) {
    QList<QPointF> points;
    const QPointF pivot(1210 / 15.0, 1210 / 15.0);
    const QPointF tip(end.x / 15.0, end.y / 15.0);
    for (double t = 0.1; t < 0.95; t += 0.1) {
        points.append(QPointF(kDialInner) + pivot + (tip - pivot) * t);
    }
    return points;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window = std::make_unique<Form2Window>();
        window->ShowCentred();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void typingLowerCaseInLocator2CalculatesAtTheSixthKey() {
        TypeInto("Text3", "JN61LL");
        auto* text5 = Child<QLineEdit>("Text5");
        TypeInto("Text5", "io91w");
        QCOMPARE(Child<QLineEdit>("Text6")->text(), QStringLiteral("..."));
        QTest::keyClick(text5, Qt::Key_M);
        QCOMPARE(text5->text(), QStringLiteral("IO91WM"));
        QCOMPARE(text5->cursorPosition(), 6);
        QCOMPARE(Child<QLineEdit>("Text1")->text(), QStringLiteral(" 323"));
        QCOMPARE(Child<QLineEdit>("Text6")->text(), QStringLiteral(" 1492"));
        auto* firstSlot = Child<QLabel>("Label6");
        QVERIFY(firstSlot->isVisible());
        QCOMPARE(firstSlot->text(), QStringLiteral("IO91WM--- 1492Km--- 323\u00B0"));
        QVERIFY(Child<QLabel>("Label5")->isVisible());
        QVERIFY(!Child<QLabel>("Label7")->isVisible());
        QCOMPARE(window->Model().NeedleEnd(), (NeedlePoint{481, 243}));
    }

    void typingIntoTheMiddleLeavesTheCaretAtTheEnd() {
        TypeInto("Text3", "jn1");
        auto* text3 = Child<QLineEdit>("Text3");
        text3->setCursorPosition(2);
        QTest::keyClick(text3, Qt::Key_6);
        QCOMPARE(text3->text(), QStringLiteral("JN61"));
        QCOMPARE(text3->cursorPosition(), 4);
    }

    void tooLongLocator1BringsUpTheEmptyModalBoxOnce() {
        int boxes = 0;
        QString message = QStringLiteral("(none)");
        QTimer dismisser;
        connect(&dismisser, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                message = box->text();
                QCOMPARE(box->buttons().size(), 1);
                box->button(QMessageBox::Ok)->click();
            }
        });
        dismisser.start(10);
        TypeInto("Text3", "JN61LLX");
        TypeInto("Text5", "IO91WM");
        QCOMPARE(boxes, 1);
        QCOMPARE(message, QString());
        QCOMPARE(Child<QLineEdit>("Text3")->text(), QString());
        QCOMPARE(Child<QLineEdit>("Text5")->text(), QString());
        QCOMPARE(Child<QLineEdit>("Text6")->text(), QStringLiteral("??????"));
        QCOMPARE(Child<QLineEdit>("Text1")->text(), QStringLiteral("0"));
    }

    void exitClosesTheWindow() {
        QTest::mouseClick(Child<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void enterAndEscapeRunNoCommand() {
        TypeInto("Text3", "JN61");
        TypeInto("Text5", "JN62");
        for (const char* name : {"Text5", "Command1", "Command2"}) {
            auto* widget = Child<QWidget>(name);
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_Return);
            QTest::keyClick(widget, Qt::Key_Enter);
            QTest::keyClick(widget, Qt::Key_Escape);
        }
        QCOMPARE(Child<QLineEdit>("Text6")->text(), QStringLiteral("..."));
        QVERIFY(window->isVisible());
    }

    void focusStartsOnThePhotographAndTabFollowsTheTabIndex() {
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
        const QStringList order{"Text1",    "Text3",    "Text5",      "Text6",
                                "Command1", "Command2", "picCanvase", "Picture1"};
        for (const QString& expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
        }
    }

    void everyControlSitsWhereTheLayoutTablePutsIt() {
        QCOMPARE(window->size(), QSize(681, 417));
        for (const ControlPlacement& p : kControlPlacements) {
            auto* widget = Child<QWidget>(QByteArray(p.name.data(), qsizetype(p.name.size())));
            QCOMPARE(widget->geometry(), QRect(TwipsToPixels(p.left), TwipsToPixels(p.top),
                                               TwipsToPixels(p.width), TwipsToPixels(p.height)));
        }
        for (const char* hidden : {"Text2", "Text4", "Text7", "Text8", "Command3"}) {
            QVERIFY(!Child<QWidget>(hidden)->isVisible());
        }
        // Resizing moves nothing.
        window->resize(900, 600);
        QCOMPARE(Child<QWidget>("Command1")->geometry().topLeft(), QPoint(232, 168));
    }

    void theDialShowsItsCircleAndTheRedNeedle() {
        QImage image = window->grab().toImage();
        QCOMPARE(image.size(), QSize(681, 417) * image.devicePixelRatio());
        // The circle's top and left points, 81 pixels from its centre (82, 82).
        QVERIFY(ColourNear(image, kDialInner + QPointF(82.5, 1.5), kBlue));
        QVERIFY(ColourNear(image, kDialInner + QPointF(1.5, 82.5), kBlue));
        for (const QPointF& p : NeedlePoints({1210, 0})) {
            QVERIFY2(RedNear(image, p), "the needle points north at start");
        }
        // A thin line at any scale: one device pixel across.
        QCOMPARE(RedPixelsInRow(image, kDialInner.y() + 40.5), 1);

        TypeInto("Text3", "JN61LL");
        TypeInto("Text5", "IO91WM");
        image = window->grab().toImage();
        for (const QPointF& p : NeedlePoints({481, 243})) {
            QVERIFY2(RedNear(image, p), "the needle points to 323 degrees");
        }
        // Nothing red is left of the old needle, halfway up the north line.
        QVERIFY(!RedNear(image, QPointF(kDialInner) + QPointF(80.67, 40)));
    }

    void screenReadersHearCaptionsAndTheBearing() {
        const auto accessible = [this](const char* name) {
            return QAccessible::queryAccessibleInterface(Child<QWidget>(name));
        };
        const QList<std::pair<const char*, QString>> names{
            {"Text3", "Locator 1"},        {"Text5", "Locator 2"},    {"Text6", "Km"},
            {"Text1", "Bearing"},          {"Command1", "Calculate"}, {"Command2", "Exit"},
            {"picCanvase", "Compass dial"}};
        for (const auto& [control, name] : names) {
            QCOMPARE(accessible(control)->text(QAccessible::Name), name);
        }
        QCOMPARE(accessible("picCanvase")->role(), QAccessible::Graphic);
        QCOMPARE(accessible("picCanvase")->text(QAccessible::Description),
                 QStringLiteral("No bearing calculated"));
        // The photograph is decorative: a graphic without a name.
        QCOMPARE(accessible("Picture1")->role(), QAccessible::Graphic);
        QVERIFY(accessible("Picture1")->text(QAccessible::Name).isEmpty());

        TypeInto("Text3", "JN61LL");
        TypeInto("Text5", "IO91WM");
        QCOMPARE(accessible("picCanvase")->text(QAccessible::Description),
                 QStringLiteral("Bearing 323 degrees"));
        QCOMPARE(accessible("Label6")->text(QAccessible::Name),
                 QStringLiteral("IO91WM--- 1492Km--- 323\u00B0"));
    }

private:
    template <typename W>
    W* Child(const char* name) {
        auto* widget = window->findChild<W*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }

    // Selects the field's whole text and types `keys` over it, one key at a time.
    void TypeInto(const char* name, const char* keys) {
        auto* field = Child<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(keys));
    }

    std::unique_ptr<Form2Window> window;
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
