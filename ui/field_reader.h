#pragma once

#include "core/numbers/errors.h"
#include "core/numbers/real.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

class QLineEdit;

namespace qv {

// "输入错误！": the message of a field that was refused without naming it.
std::string InputErrorText();

// "输入错误：" and the caption of the refused field, so the user sees which one.
std::string FieldErrorText(std::string_view fieldCaption);

// Reads a window's fields in the order the window checks them and keeps the first refusal. Once
// a field has been refused the later reads are skipped (nothing is parsed, they give zero), so
// the message always names the first bad field.
class FieldReader {
public:
    // The number in the field (CheckedNumber), or the message.
    Real number(const QLineEdit& field, std::string_view message);
    // The whole number in the field, or the message.
    int wholeNumber(const QLineEdit& field, std::string_view message);
    // A value only `read` can make (std::optional<T>), or the message when it makes none.
    template <typename Read> auto value(Read read, std::string_view message) {
        using T = typename std::invoke_result_t<Read>::value_type;
        if (refused())
            return T{};
        std::optional<T> made = read();
        if (!made) {
            refuse(message);
            return T{};
        }
        return std::move(*made);
    }
    // A check between fields already read: the message when it fails.
    void require(bool passes, std::string_view message) {
        if (!refused() && !passes)
            refuse(message);
    }
    bool refused() const { return refusal_.has_value(); }
    // The inputs that were read, or the first refusal.
    template <typename T> Refusable<T> result(T inputs) const {
        return refusal_ ? Refusable<T>::Refused(*refusal_) : Refusable<T>(std::move(inputs));
    }

private:
    void refuse(std::string_view message) { refusal_ = std::string(message); }
    std::optional<std::string> refusal_;
};

// Shows the reason of a refused read; true when there was one.
template <typename T> bool ReportRefusal(Prompter& prompter, const Refusable<T>& read) {
    if (read)
        return false;
    prompter.showMessage(Q(read.reason()));
    return true;
}

} // namespace qv
