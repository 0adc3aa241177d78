#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

// Bridges between the core's UTF-8 std::string texts and 0x00BBGGRR colours and Qt's types.
namespace qv {

inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string U8(const QString& text) {
    return text.toStdString();
}

// 0x00BBGGRR (255 is pure red) to QColor and back.
QColor ToQColor(int bgr);
int FromQColor(const QColor& colour);

} // namespace qv
