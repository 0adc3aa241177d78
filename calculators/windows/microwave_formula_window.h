#pragma once

#include <QDialog>

class QLineEdit;

namespace qv {

// "微波公式": two link-budget rules of thumb, the free-space loss between two antennas and the
// line-of-sight range from the antenna heights. Shown modally over the general calculator.
//
// A field that is no number makes a handler throw ConversionError, a logarithm or square root out
// of range FloatingPointError; the result keeps its previous text.
class TfrmMirco1 final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMirco1(QWidget* parent = nullptr);

    void BitBtn1Click(); // free-space loss
    void Button1Click(); // line-of-sight range

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* field(const char* name) const;
};

} // namespace qv
