#pragma once

#include <QString>
#include <functional>

// The English interface: every text shown to the user is looked up by its Chinese wording.
// Texts made at run time ("接入元件3", "电压反射系数=0.1234") are translated piece by piece, so
// the numbers in them stay exactly as the window formatted them.
namespace qv {

// True when the text holds a Chinese character or full-width punctuation.
bool HasChineseText(const QString& text);

// The English of a Chinese wording, or a null string when there is none.
using TextLookup = std::function<QString(const QString& chinese)>;

// The whole text when it is known; otherwise each run of Chinese characters (spaces inside a run
// ignored), and within an unknown run each stretch between punctuation marks, full-width
// punctuation becoming its ASCII form. Anything that is not Chinese is kept as it is, and a
// piece without an English wording stays Chinese.
QString TranslateText(const QString& text, const TextLookup& lookup);

// TranslateText with the installed English translation; the text itself when none is installed.
QString Translated(const QString& text);

} // namespace qv
