#pragma once

#include <QDialog>

namespace qv {

// "关于": the program's name and two contact lines.
class Tfabout final : public QDialog {
    Q_OBJECT
public:
    explicit Tfabout(QWidget* parent = nullptr);
};

} // namespace qv
