#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class MessageHub;
class Prompter;
struct ProgramState;

// "参数设置": the operating frequency Fo and the reference impedance Zo.
class TForm4 final : public QWidget {
    Q_OBJECT
public:
    TForm4(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent = nullptr);

    // Takes both fields when each is a positive value; otherwise says "输入错误！" and changes
    // nothing. Stores the fields in para.ini as typed and asks the chart to recalculate.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProgramState& state_;
    MessageHub& hub_;
    Prompter& prompter_;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
};

} // namespace qv
