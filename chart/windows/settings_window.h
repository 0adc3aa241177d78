#pragma once

#include "core/numbers/errors.h"
#include "core/numbers/real.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class NetworkPort;
class Prompter;
struct ProgramState;

// "参数设置": the operating frequency Fo, the reference impedance Zo and the interface language.
class TForm4 final : public QWidget {
    Q_OBJECT
public:
    TForm4(ProgramState& state, Prompter& prompter, QWidget* parent = nullptr);
    // Where Fo and Zo are set; until it is plugged in the window refuses them.
    void setNetwork(NetworkPort* network) { network_ = network; }

    // Takes both fields when each is a positive value; otherwise says "输入错误！" and changes
    // nothing. Sets Fo and Zo through the network and stores the fields in para.ini as typed,
    // with the chosen language ("zh" or "en").
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Fo and Zo, or "输入错误：" and the first field that is no positive value.
    struct Reference {
        Real frequencyHz = 0;
        Real ohms = 0;
    };
    Refusable<Reference> readInputs() const;

    ProgramState& state_;
    NetworkPort* network_ = nullptr;
    Prompter& prompter_;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QComboBox* language_ = nullptr; // stored with the fields, used from the next start
};

} // namespace qv
