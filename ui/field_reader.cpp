#include "ui/field_reader.h"

#include "core/numbers/decimal.h"
#include "ui/fixed_dialog.h"

#include <QLineEdit>

namespace qv {

std::string FieldErrorText(std::string_view fieldCaption) {
    return "输入错误：" + std::string(fieldCaption);
}

Real FieldReader::number(const QLineEdit& field, std::string_view message) {
    return value([&] { return CheckedNumber(field.text()); }, message);
}

int FieldReader::wholeNumber(const QLineEdit& field, std::string_view message) {
    return value(
        [&]() -> std::optional<int> {
            int whole = 0;
            if (!TryStrToInt(U8(field.text()), whole))
                return std::nullopt;
            return whole;
        },
        message);
}

} // namespace qv
