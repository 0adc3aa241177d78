#pragma once

#include "core/settings/program_state.h"

#include <QTextEdit>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qv {

class MessageHub;
class Prompter;

// The file text of the input window: a key or a mouse press puts the caret's line into the
// line field and marks the whole line red; a mouse release over a non-blank selection puts the
// selected text there instead.
class LinePickingText final : public QTextEdit {
    Q_OBJECT
public:
    explicit LinePickingText(QWidget* parent);

signals:
    void picked(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pickCaretLine();
};

// "S参数文件输入": a file shown as text; the user picks one line, may edit it, and "确定" sends its
// numbers to the two-port calculator. The folders of opened files are kept in sf1.txt.
class Tfsinput final : public QWidget {
    Q_OBJECT
public:
    Tfsinput(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click(); // "打开文件"
    void BitBtn2Click(); // "确定"
    void ComboBox1Change();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ProgramState& state_;
    MessageHub& hub_;
    Prompter& prompter_;
    QString initialDirectory_;
    QWidget* panel1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    LinePickingText* richEdit1_ = nullptr;
};

} // namespace qv
