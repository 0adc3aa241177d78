#include "ui/field_reader.h"

#include "core/numbers/decimal.h"
#include "ui/fixed_dialog.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace qv {

namespace {
struct FieldText {
    Q_DECLARE_TR_FUNCTIONS(FieldText)
};
} // namespace

std::string InputErrorText() {
    return U8(FieldText::tr("输入错误！"));
}

std::string FieldErrorText(std::string_view fieldCaption) {
    return U8(FieldText::tr("输入错误：%1").arg(Q(fieldCaption)));
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
