#pragma once

#include <QString>
#include <functional>

class QWidget;

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

// Translates the captions, hints, button texts, tab and header texts and list entries of the
// window and all its children; of the fields only the read-only ones, never what the user types.
// A fixed-position control whose English caption is wider than the control gets a smaller font,
// down to 7 points.
void TranslateWindowTexts(QWidget& window);

// The same for the text a label, button or group box shows, which windows may set at any time.
void TranslateShownText(QWidget& widget);

} // namespace qv
