#include "matching/windows/console_window.h"

#include "matching/windows/network_dialogs.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <exception>

namespace qv {

namespace {
constexpr int EnterKeyCode = 13;

QTextCharFormat CharFormat(const ConsoleTextStyle& style) {
    QTextCharFormat format;
    format.setForeground(ToQColor(style.colour));
    format.setFontPointSize(style.pointSize);
    return format;
}
} // namespace

Tfordin::Tfordin(NetworkModel& network, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), network_(network), prompter_(prompter) {
    setObjectName(QStringLiteral("Tfordin"));
    setWindowTitle(tr("命令行输入"));

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->installEventFilter(this);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(StatusBar1);
    resize(527, 252 + StatusBar1->sizeHint().height());

    FormCreate();
}

void Tfordin::FormCreate() {
    RichEdit1->clear();
    setTypingStyle(TypingStyle);
    // The lower right corner of the screen, whole: its frame within the usable area.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize frame = frameGeometry().size().expandedTo(size() + QSize(2, 30));
        move(std::max(area.left(), area.right() - 600),
             std::max(area.top(), area.bottom() - frame.height() - 20));
    }
    auto* panel = new QLabel(tr("?  --帮助 "), StatusBar1);
    panel->setObjectName(QStringLiteral("StatusPanel1"));
    panel->setMinimumWidth(50);
    StatusBar1->addWidget(panel);
}

namespace {

// Typing, pasting and Enter act on the input line, the last line of the text, wherever the user
// clicked before: a click on an old line must not turn the next command into part of that line.
bool IsTyping(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut))
        return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
        return false;
    return !key.text().isEmpty();
}

} // namespace

bool Tfordin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QTextCursor caret = RichEdit1->textCursor();
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if ((enter || IsTyping(*key)) && (enter || caret.block().next().isValid())) {
            caret.movePosition(QTextCursor::End);
            RichEdit1->setTextCursor(caret);
        }
    }
    if (watched == RichEdit1 && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
            RichEdit1KeyUp(EnterKeyCode);
    }
    return QWidget::eventFilter(watched, event);
}

void Tfordin::RichEdit1KeyUp(int key) {
    if (key != EnterKeyCode)
        return;
    const int caretLine = RichEdit1->textCursor().blockNumber();
    if (caretLine < 1)
        return;
    const std::string line = U8(RichEdit1->document()->findBlockByNumber(caretLine - 1).text());
    showedTable_ = false;
    try {
        RunConsoleLine(network_, *this, *this, line);
    } catch (const std::exception& error) {
        prompter_.showMessage(Q(error.what()));
    }
    // A message box, or a window the command notified, may have taken the focus; the next command
    // is typed here. Only the S-parameter table that "sp" opened keeps it.
    if (isVisible() && !showedTable_) {
        activateWindow();
        RichEdit1->setFocus();
    }
}

void Tfordin::setConsoleOpacity(int /*colourKey: no colour keying with Qt*/, int alpha) {
    setWindowOpacity(alpha / 255.0);
}

std::optional<std::string> Tfordin::askOpenFileName(std::string_view filter) {
    return AskOpenFileName(prompter_, filter);
}

std::optional<std::string> Tfordin::askSaveFileName(std::string_view filter) {
    return AskSaveFileName(prompter_, filter);
}

void Tfordin::setStayOnTop(bool on) {
    // Docked in the main window, the console is where the main window is.
    if (!isWindow())
        return;
    const bool wasVisible = isVisible();
    const QPoint place = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    move(place);
    if (wasVisible)
        show();
}

void Tfordin::closeConsole() {
    hide();
}

void Tfordin::clearText() {
    RichEdit1->clear();
}

// Each line ends with a line break, so the text always ends in an empty line for the next command.
void Tfordin::drawChartCircle(const OverlayCircle& circle) {
    if (circleSink_)
        circleSink_(circle);
}

void Tfordin::appendLine(const std::string& utf8, const ConsoleTextStyle& style) {
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::End);
    if (!cursor.block().text().isEmpty())
        cursor.insertBlock();
    cursor.insertText(Q(utf8), CharFormat(style));
    cursor.insertBlock();
}

void Tfordin::showSParameterTable() {
    if (sParameterTable_) {
        sParameterTable_->show();
        showedTable_ = true;
    }
}

void Tfordin::setTypingStyle(const ConsoleTextStyle& style) {
    QTextCursor caret = RichEdit1->textCursor();
    caret.movePosition(QTextCursor::End);
    RichEdit1->setTextCursor(caret);
    RichEdit1->setCurrentCharFormat(CharFormat(style));
}

} // namespace qv
