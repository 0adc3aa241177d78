#pragma once

#include "core/numbers/real.h"

#include <QPushButton>
#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qv {

class Prompter;

// The number in a field: the trimmed text must pass the numeric check (digits and points, one
// leading minus sign) and then read as a decimal number. A text that passes the check but is
// no number ("-", ".", "1.2.3") is rejected like one that fails it.
std::optional<Real> CheckedNumber(const QString& text);

// "输入错误：" and the caption of the field that was refused, so the user sees which one.
void ReportFieldError(Prompter& prompter, const char* fieldCaption);

// Places the window in the middle of the primary screen; one held in a dock stays where it is.
void CentreOnScreen(QWidget& window);

// A window's colour box: a click opens the colour dialog; the chosen colour becomes the box's
// background and its caption takes the inverse colour (colour XOR 0xFFFFFF).
class ColourBox final : public QPushButton {
    Q_OBJECT
public:
    ColourBox(const QString& caption, int colour, Prompter& prompter, QWidget* parent);
    int colour() const { return colour_; }
    void setColour(int colour);

private:
    void choose();
    Prompter& prompter_;
    int colour_ = 0;
};

// The frame shared by the small windows that put entered values on the chart and by the
// matching windows: a fixed client size, a background colour (0x00BBGGRR) and controls placed
// at fixed positions, each named as the window layout names it.
class FixedDialog : public QWidget {
    Q_OBJECT
public:
    FixedDialog(const char* name, const QString& caption, int width, int height, int background,
                QWidget* parent = nullptr);

protected:
    // Each control goes into `into` (a group box) when given, else into the window.
    QLabel* addLabel(const char* name, const QString& text, int x, int y, int width = 80,
                     QWidget* into = nullptr);
    QLineEdit* addEdit(const char* name, int x, int y, int width = 120, QWidget* into = nullptr);
    QCheckBox* addCheckBox(const char* name, const QString& text, int x, int y, int width = 120,
                           QWidget* into = nullptr);
    QPushButton* addButton(const char* name, const QString& text, int x, int y, int width = 80,
                           QWidget* into = nullptr);
    ColourBox* addColourBox(const QString& text, int colour, Prompter& prompter, int x, int y,
                            int width = 90);
    // Shows "输入错误！" through the prompter.
    static void ReportInputError(Prompter& prompter);
    // Enter presses the window's confirming button ("BitBtn1" unless another is named);
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }

private:
    QPushButton* defaultButton_ = nullptr;
};

// Colours of the window frames, 0x00BBGGRR.
inline constexpr int WindowWhite = 0xFFFFFF;
inline constexpr int WindowSkyBlue = 0xF0CAA6; // RGB 166,202,240
inline constexpr int Navy = 0x800000;          // RGB 0,0,128
inline constexpr int PureRed = 255;

} // namespace qv
