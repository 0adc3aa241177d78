#include "ui/interface_text.h"

#include "ui/language.h"

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

} // namespace qv
