#include "window/layout.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <string>

#include "window/form2.h"
#include "window/layout_table.h"
#include "window/picture_box.h"
#include "window/qt_text.h"

namespace vestrel::window {
namespace {

constexpr auto kTitle = "Vestrel 1.3 - Korvane";
constexpr auto kFontFamily = "MS Sans Serif";
constexpr double kFontPoints = 8.25;

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The window's font: MS Sans Serif where it is installed, the platform's
// sans-serif face otherwise, at the same size either way. The fallback is left
// to the font matcher, which resolves the font once, when text is first drawn.
QFont WindowFont() {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFontPoints);
    return font;
}

// Each visible field is spoken by the caption beside it.
struct FieldCaption {
    Field field;
    Label caption;
};
constexpr std::array<FieldCaption, 4> kFieldCaptions{{
    {Field::Text3, Label::Label1},
    {Field::Text5, Label::Label2},
    {Field::Text6, Label::Label3},
    {Field::Text1, Label::Label4},
}};

QRect PixelRect(const ControlPlacement& p) {
    return {TwipsToPixels(p.left), TwipsToPixels(p.top), TwipsToPixels(p.width),
            TwipsToPixels(p.height)};
}

}  // namespace

Form2Window::Form2Window(QWidget* parent)
    : QWidget(parent), model_(std::make_unique<WindowModel>(CreateForm2())) {
    setObjectName(Name(kWindowName));
    setWindowTitle(QString::fromLatin1(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/images/vestrel-24.png")));
    setFont(WindowFont());
    resize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    CreateControls();
    PlaceControls();
    model_->AttachFrontEnd(this);
}

Form2Window::~Form2Window() {
    model_->AttachFrontEnd(nullptr);
}

void Form2Window::CreateControls() {
    PictureBox::InstallAccessibility();
    photograph_ = new PictureBox(QPixmap(QStringLiteral(":/images/photo.bmp")), this);
    photograph_->setObjectName(Name(kPhotographName));
    // Decorative: left without an accessible name, a graphic that screen
    // readers pass over.

    dial_ = new PictureBox(QPixmap(QStringLiteral(":/images/dial.png")), this);
    dial_->setObjectName(Name(kDialName));
    dial_->setAccessibleName(QStringLiteral("Compass dial"));
    NeedleMoved();

    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        auto* edit = new QLineEdit(ToQString(model_->Text(field)), this);
        edit->setObjectName(Name(ControlName(field)));
        edit->setVisible(model_->IsVisible(field));
        connect(edit, &QLineEdit::textEdited, this, [this, field] { OnUserEdit(field); });
        fields_[i] = edit;
    }
    for (std::size_t i = 0; i < kLabelCount; ++i) {
        const auto label = static_cast<Label>(i);
        auto* widget = new QLabel(ToQString(model_->Caption(label)), this);
        widget->setObjectName(Name(ControlName(label)));
        // Captions start at the label's top-left corner: the layout puts each
        // caption's top a little below its field's top so that the texts line up.
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget->setVisible(model_->IsVisible(label));
        labels_[i] = widget;
    }
    for (const FieldCaption& pair : kFieldCaptions) {
        QLabel* caption = labels_[Index(pair.caption)];
        caption->setBuddy(fields_[Index(pair.field)]);
        fields_[Index(pair.field)]->setAccessibleName(caption->text());
    }
    QFont bold = font();
    bold.setBold(true);
    labels_[Index(Label::Label5)]->setFont(bold);

    for (std::size_t i = 0; i < kButtonCount; ++i) {
        const auto button = static_cast<Button>(i);
        auto* widget = new QPushButton(ToQString(model_->Caption(button)), this);
        widget->setObjectName(Name(ControlName(button)));
        widget->setVisible(model_->IsVisible(button));
        // Neither button answers Enter or Esc.
        widget->setAutoDefault(false);
        widget->setDefault(false);
        connect(widget, &QPushButton::clicked, this, [this, button] { model_->Click(button); });
        buttons_[i] = widget;
    }
    buttons_[Index(Button::Command3)]->setIcon(QIcon(QStringLiteral(":/images/button.jpg")));
}

void Form2Window::PlaceControls() {
    QWidget* previous = nullptr;
    for (const ControlPlacement& placement : kControlPlacements) {
        auto* widget = findChild<QWidget*>(Name(placement.name), Qt::FindDirectChildrenOnly);
        widget->setGeometry(PixelRect(placement));
        // Hidden controls never take focus, so they drop out of the chain by themselves.
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
}

void Form2Window::ShowCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    photograph_->setFocus(Qt::OtherFocusReason);
}

void Form2Window::OnUserEdit(Field field) {
    const QLineEdit* edit = fields_[Index(field)];
    const QString text = edit->text();
    model_->Edit(field, FromQString(text), CharacterIndex(text, edit->cursorPosition()));
}

void Form2Window::FieldChanged(Field field) {
    QLineEdit* edit = fields_[Index(field)];
    const std::u32string& text = model_->Text(field);
    const QString shown = ToQString(text);
    if (edit->text() != shown) {
        edit->setText(shown);  // emits no textEdited, so it does not come back
    }
    edit->setCursorPosition(Utf16Index(text, model_->Caret(field)));
}

void Form2Window::LabelChanged(Label label) {
    QLabel* widget = labels_[Index(label)];
    widget->setText(ToQString(model_->Caption(label)));
    widget->setVisible(model_->IsVisible(label));
}

void Form2Window::NeedleMoved() {
    dial_->SetNeedle(model_->NeedleStart(), model_->NeedleEnd());
    // The needle follows the bearing field; before the first calculation it
    // rests at north with no bearing behind it.
    const QString bearing = ToQString(model_->Text(Field::Text1)).trimmed();
    bool isNumber = false;
    bearing.toInt(&isNumber);
    dial_->setAccessibleDescription(isNumber ? QStringLiteral("Bearing %1 degrees").arg(bearing)
                                             : QStringLiteral("No bearing calculated"));
}

void Form2Window::ShowMessageBox(std::u32string_view message) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    ToQString(std::u32string(message)), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

void Form2Window::CloseWindow() {
    close();
}

}  // namespace vestrel::window
