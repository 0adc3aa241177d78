#include "sparams/windows/file_input_window.h"

#include "core/settings/atomic_file.h"
#include "sparams/analysis/file_input_directories.h"
#include "sparams/analysis/sparameter_file.h"
#include "sparams/analysis/sparameter_file_row.h"
#include "sparams/analysis/sparameter_file_words.h"
#include "sparams/windows/sparameter_file_dialog.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace qv {

namespace {
constexpr int PanelHeight = 64;
} // namespace

LinePickingText::LinePickingText(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::NoWrap);
    setAcceptRichText(false);
}

void LinePickingText::pickCaretLine() {
    QTextCursor caret = textCursor();
    const QTextBlock line = caret.block();
    caret.setPosition(line.position());
    caret.setPosition(line.position() + line.length() - 1, QTextCursor::KeepAnchor);
    setTextCursor(caret);
    QTextEdit::ExtraSelection marked;
    marked.cursor = caret;
    marked.format.setForeground(Qt::red);
    setExtraSelections({marked});
    emit picked(line.text());
}

void LinePickingText::keyPressEvent(QKeyEvent* event) {
    QTextEdit::keyPressEvent(event);
    pickCaretLine();
}

void LinePickingText::mousePressEvent(QMouseEvent* event) {
    QTextEdit::mousePressEvent(event);
    pickCaretLine();
}

void LinePickingText::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    const QString selected = textCursor().selectedText();
    if (!selected.trimmed().isEmpty())
        emit picked(selected);
}

Tfsinput::Tfsinput(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), hub_(hub), prompter_(prompter) {
    setObjectName(QStringLiteral("Tfsinput"));
    setWindowTitle(tr("S参数文件输入"));
    resize(720, 480);

    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFixedHeight(PanelHeight);
    comboBox1_ = new QComboBox(panel1_);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->move(8, 6);
    edit1_ = new QLineEdit(panel1_);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->move(8, 36);
    bitBtn1_ = new QPushButton(tr("打开文件"), panel1_);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn2_ = new QPushButton(tr("确定"), panel1_);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* button : {bitBtn1_, bitBtn2_})
        button->setGeometry(0, 20, 72, 26);

    richEdit1_ = new LinePickingText(this);
    richEdit1_->setObjectName(QStringLiteral("RichEdit1"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel1_);
    layout->addWidget(richEdit1_, 1);

    for (const std::string& directory : ReadDirectoryList(state_.programDir))
        comboBox1_->addItem(QString::fromStdString(directory));
    comboBox1_->setCurrentIndex(-1);

    connect(bitBtn1_, &QPushButton::clicked, this, &Tfsinput::BitBtn1Click);
    connect(bitBtn2_, &QPushButton::clicked, this, &Tfsinput::BitBtn2Click);
    connect(comboBox1_, &QComboBox::activated, this, &Tfsinput::ComboBox1Change);
    connect(richEdit1_, &LinePickingText::picked, edit1_, &QLineEdit::setText);
}

void Tfsinput::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int width = panel1_->width();
    bitBtn1_->move(width - 180, bitBtn1_->y());
    bitBtn2_->move(width - 100, bitBtn2_->y());
    edit1_->resize(std::max(0, width - 240), edit1_->height());
    comboBox1_->resize(std::max(0, width - 240), comboBox1_->height());
}

void Tfsinput::ComboBox1Change() {
    initialDirectory_ = comboBox1_->currentText();
}

void Tfsinput::BitBtn1Click() {
    const std::optional<ChosenSParameterFile> chosen = ChooseSParameterFile(prompter_, initialDirectory_);
    if (!chosen)
        return;
    // CR, LF and CRLF files all show one line per line.
    QString text = Q(DisplayTextOfBytes(chosen->bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    richEdit1_->setPlainText(text);

    std::vector<std::string> directories;
    for (int k = 0; k < comboBox1_->count(); ++k)
        directories.push_back(comboBox1_->itemText(k).toStdString());
    const std::string directory = DirectoryOfPath(chosen->path.toStdString());
    if (!AddDirectory(directories, directory))
        return;
    comboBox1_->addItem(QString::fromStdString(directory));
    if (!WriteDirectoryList(state_.programDir, directories))
        prompter_.showMessage(tr("无法保存文件 %1").arg(Q(state_.programDir + "/" + DirectoryListFileName)));
}

void Tfsinput::BitBtn2Click() {
    const std::string block = InputLineMessage(edit1_->text().toStdString());
    emit hub_.sparameterRow(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    close();
}

} // namespace qv
