#include "ui/interface_text.h"

#include "ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>

namespace qv {

namespace {

bool IsIdeograph(char16_t c) {
    return (c >= 0x2E80 && c <= 0x2FDF) || (c >= 0x3040 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

bool IsWidePunctuation(char16_t c) {
    return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

// Curly quotes and the ellipsis are ordinary English too; they only join a Chinese run.
bool JoinsChineseRun(char16_t c) {
    return IsIdeograph(c) || IsWidePunctuation(c) || (c >= 0x2018 && c <= 0x201D) || c == 0x2026;
}

bool IsWord(QChar c) {
    return c.isLetterOrNumber() && !IsIdeograph(c.unicode());
}

bool EndsClause(QChar c) {
    return QStringLiteral(",.:;!?").contains(c);
}

// The ASCII form of full-width punctuation; the text itself for anything else.
QString PlainPunctuation(char16_t c) {
    switch (c) {
    case 0x3000:
        return QStringLiteral(" ");
    case 0x3001:
        return QStringLiteral(",");
    case 0x3002:
        return QStringLiteral(".");
    case 0x300A:
    case 0x3008:
        return QStringLiteral("<");
    case 0x300B:
    case 0x3009:
        return QStringLiteral(">");
    case 0x3010:
        return QStringLiteral("[");
    case 0x3011:
        return QStringLiteral("]");
    case 0x2018:
    case 0x2019:
        return QStringLiteral("'");
    case 0x201C:
    case 0x201D:
        return QStringLiteral("\"");
    case 0x2026:
        return QStringLiteral("...");
    default:
        if (c >= 0xFF01 && c <= 0xFF5E) // full-width forms of ASCII
            return QString(QChar(static_cast<char16_t>(c - 0xFEE0)));
        return QString(QChar(c));
    }
}

QString WithoutSpaces(QString text) {
    text.remove(u' ');
    return text;
}

QString LookUp(const QString& chinese, const TextLookup& lookup) {
    QString english = lookup(chinese);
    if (english.isNull() && chinese.contains(u' '))
        english = lookup(WithoutSpaces(chinese));
    return english;
}

// Appends an English piece, keeping it apart from a word or number it would touch.
void AppendPiece(QString& out, const QString& piece, QChar next) {
    if (piece.isEmpty())
        return;
    if (!out.isEmpty() && (IsWord(out.back()) || EndsClause(out.back())) && IsWord(piece.front()))
        out += u' ';
    out += piece;
    if ((IsWord(piece.back()) || EndsClause(piece.back())) && IsWord(next))
        out += u' ';
}

// An unknown run: its stretches between punctuation marks one by one.
QString TranslateRunPieces(const QString& run, const TextLookup& lookup) {
    QString out;
    qsizetype i = 0;
    while (i < run.size()) {
        const char16_t c = run.at(i).unicode();
        if (!IsIdeograph(c) && c != u' ') {
            out += PlainPunctuation(c);
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < run.size() && (IsIdeograph(run.at(end).unicode()) || run.at(end) == u' '))
            ++end;
        const QString stretch = run.mid(i, end - i);
        const QString english = LookUp(stretch.trimmed(), lookup);
        const QChar next = end < run.size() ? run.at(end) : QChar();
        AppendPiece(out, english.isNull() ? stretch : english, next);
        i = end;
    }
    return out;
}

} // namespace

bool HasChineseText(const QString& text) {
    for (const QChar c : text)
        if (IsIdeograph(c.unicode()) || IsWidePunctuation(c.unicode()))
            return true;
    return false;
}

QString TranslateText(const QString& text, const TextLookup& lookup) {
    if (!HasChineseText(text))
        return text;
    if (const QString whole = LookUp(text, lookup); !whole.isNull())
        return whole;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!JoinsChineseRun(text.at(i).unicode())) {
            out += text.at(i++);
            continue;
        }
        // A run of Chinese, with the spaces inside it but not those after it.
        qsizetype end = i;
        qsizetype last = i;
        while (end < text.size() && (JoinsChineseRun(text.at(end).unicode()) || text.at(end) == u' ')) {
            if (text.at(end) != u' ')
                last = end;
            ++end;
        }
        end = last + 1;
        const QString run = text.mid(i, end - i);
        const QString english = LookUp(run, lookup);
        const QChar next = end < text.size() ? text.at(end) : QChar();
        AppendPiece(out, english.isNull() ? TranslateRunPieces(run, lookup) : english, next);
        i = end;
    }
    return out;
}

QString Translated(const QString& text) {
    const TextLookup& lookup = InstalledTextLookup();
    if (!lookup)
        return text;
    return TranslateText(text, lookup);
}

namespace {

// Sets only a changed text: a text without an English wording must not cause another repaint.
template <typename Get, typename Set> void TranslateProperty(Get get, Set set) {
    const QString text = get();
    if (!HasChineseText(text))
        return;
    if (const QString english = Translated(text); english != text)
        set(english);
}

// The captions of a header, which a window may set whenever it fills its table.
void TranslateHeader(const QHeaderView& header) {
    QAbstractItemModel* model = header.model();
    if (!model)
        return;
    const Qt::Orientation orientation = header.orientation();
    const int count = orientation == Qt::Horizontal ? model->columnCount() : model->rowCount();
    for (int section = 0; section < count; ++section)
        TranslateProperty([&] { return model->headerData(section, orientation).toString(); },
                          [&](const QString& t) { model->setHeaderData(section, orientation, t); });
}

// Width the control needs for its text in its current font.
int NeededWidth(const QWidget& control, const QString& text) {
    const int textWidth = control.fontMetrics().horizontalAdvance(text);
    const QStyle* style = control.style();
    if (qobject_cast<const QCheckBox*>(&control))
        return textWidth + style->pixelMetric(QStyle::PM_IndicatorWidth) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 2;
    if (qobject_cast<const QRadioButton*>(&control))
        return textWidth + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 2;
    if (qobject_cast<const QPushButton*>(&control))
        return textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return textWidth + (label->width() - label->contentsRect().width());
    return textWidth;
}

bool PlacedByLayout(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(&control) >= 0;
}

// Shrinks the font of a fixed-position control until its single-line text fits.
void FitText(QWidget& control, const QString& text) {
    if (PlacedByLayout(control) || text.contains(u'\n') || control.width() <= 0)
        return;
    if (const auto* label = qobject_cast<const QLabel*>(&control);
        label && (label->wordWrap() || Qt::mightBeRichText(text)))
        return;
    constexpr qreal SmallestPoints = 7;
    QFont font = control.font();
    while (NeededWidth(control, text) > control.width() && font.pointSizeF() > SmallestPoints) {
        font.setPointSizeF(std::max(SmallestPoints, font.pointSizeF() - 0.5));
        control.setFont(font);
    }
}

void TranslateWidget(QWidget& widget) {
    if (widget.isWindow())
        TranslateProperty([&] { return widget.windowTitle(); },
                          [&](const QString& t) { widget.setWindowTitle(t); });
    TranslateProperty([&] { return widget.toolTip(); }, [&](const QString& t) { widget.setToolTip(t); });
    TranslateProperty([&] { return widget.statusTip(); }, [&](const QString& t) { widget.setStatusTip(t); });
    TranslateProperty([&] { return widget.whatsThis(); }, [&](const QString& t) { widget.setWhatsThis(t); });
    TranslateShownText(widget);
    // Only captions set when the window is made are fitted: texts that change later (readouts)
    // keep their font, so that they do not shrink and grow as they are updated.
    if (auto* label = qobject_cast<QLabel*>(&widget))
        FitText(*label, label->text());
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        FitText(*button, button->text());
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        TranslateProperty([&] { return edit->placeholderText(); },
                          [&](const QString& t) { edit->setPlaceholderText(t); });
        if (edit->isReadOnly()) // shown, never typed: a caption in a field's clothes
            TranslateProperty([&] { return edit->text(); }, [&](const QString& t) { edit->setText(t); });
    }
    // An editable list holds values and a list of paths holds the user's folders; other lists hold
    // choices worded for the user.
    if (auto* combo = qobject_cast<QComboBox*>(&widget); combo && !combo->isEditable())
        for (int i = 0; i < combo->count(); ++i)
            if (!QDir::isAbsolutePath(combo->itemText(i)))
                TranslateProperty([&] { return combo->itemText(i); },
                                  [&](const QString& t) { combo->setItemText(i, t); });
    if (auto* tabs = qobject_cast<QTabWidget*>(&widget))
        for (int i = 0; i < tabs->count(); ++i) {
            TranslateProperty([&] { return tabs->tabText(i); },
                              [&](const QString& t) { tabs->setTabText(i, t); });
            TranslateProperty([&] { return tabs->tabToolTip(i); },
                              [&](const QString& t) { tabs->setTabToolTip(i, t); });
        }
    for (QAction* action : widget.actions()) {
        TranslateProperty([&] { return action->text(); }, [&](const QString& t) { action->setText(t); });
        TranslateProperty([&] { return action->toolTip(); },
                          [&](const QString& t) { action->setToolTip(t); });
        TranslateProperty([&] { return action->statusTip(); },
                          [&](const QString& t) { action->setStatusTip(t); });
    }
}

} // namespace

void TranslateShownText(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget))
        TranslateProperty([&] { return label->text(); }, [&](const QString& t) { label->setText(t); });
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        TranslateProperty([&] { return button->text(); }, [&](const QString& t) { button->setText(t); });
    else if (auto* group = qobject_cast<QGroupBox*>(&widget))
        TranslateProperty([&] { return group->title(); }, [&](const QString& t) { group->setTitle(t); });
    else if (const auto* header = qobject_cast<const QHeaderView*>(&widget))
        TranslateHeader(*header);
}

void TranslateWindowTexts(QWidget& window) {
    TranslateWidget(window);
    for (QWidget* child : window.findChildren<QWidget*>())
        TranslateWidget(*child);
}

} // namespace qv
