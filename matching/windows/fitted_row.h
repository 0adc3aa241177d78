#pragma once

#include <QWidget>
#include <algorithm>

namespace qv {

// The width a control needs for its text, and never less than its place in the design.
inline int FittedWidth(const QWidget& control, int designWidth) {
    return std::max(designWidth, control.sizeHint().width());
}

// Places one row of a fixed layout from left to right: each control keeps its design position
// unless a caption before it grew for a longer text (another language), and then moves right.
class FittedRow {
public:
    // A caption (label, button, check box): as wide as its text needs.
    void placeCaption(QWidget& control, int designX, int designWidth) {
        place(control, designX, FittedWidth(control, designWidth));
    }
    // An entry field: its design width.
    void placeField(QWidget& control, int designX, int designWidth) { place(control, designX, designWidth); }

private:
    void place(QWidget& control, int designX, int width) {
        const int x = std::max(designX, next_);
        control.setGeometry(x, control.y(), width, control.height());
        next_ = x + width + Gap;
    }
    static constexpr int Gap = 4;
    int next_ = 0; // where the next control may start
};

} // namespace qv
