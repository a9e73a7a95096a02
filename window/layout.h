#pragma once

// Form2 on Qt 6 Widgets: the calculator's window, bound to its model.
//
// Data flows in a circle with one way in and one way out. A user edit in a
// field or a click on a button goes to the model (WindowModel::Edit or
// Click); the model runs the handlers, which may change any control; every
// change the model makes comes back through the FrontEnd interface and is
// copied into its widget at once. Widgets are written only from the model
// and never echo a programmatic change back into it, so nothing loops.
// No logic lives here: only placement, painting and the binding.

#include <QWidget>

#include <array>
#include <memory>

#include "window/model.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vestrel::window {

class PictureBox;

class Form2Window : public QWidget, private FrontEnd {
public:
    // The window in its initial state: laid out, not yet shown.
    explicit Form2Window(QWidget* parent = nullptr);
    ~Form2Window() override;

    Form2Window(const Form2Window&) = delete;
    Form2Window& operator=(const Form2Window&) = delete;

    // Shows the window centred on its screen, focus on the photograph.
    void ShowCentred();

    WindowModel& Model() { return *model_; }

private:
    void FieldChanged(Field field) override;
    void LabelChanged(Label label) override;
    void NeedleMoved() override;
    void ShowMessageBox(std::u32string_view message) override;
    void CloseWindow() override;

    void CreateControls();
    void PlaceControls();
    void OnUserEdit(Field field);

    std::unique_ptr<WindowModel> model_;
    std::array<QLineEdit*, kFieldCount> fields_{};
    std::array<QLabel*, kLabelCount> labels_{};
    std::array<QPushButton*, kButtonCount> buttons_{};
    PictureBox* photograph_ = nullptr;
    PictureBox* dial_ = nullptr;
};

}  // namespace vestrel::window
