#include "core/numbers/decimal.h"

#include "core/numbers/errors.h"

#include <charconv>
#include <cmath>
#include <string>

namespace qv {

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optional sign, digits with at most one point (at least one digit), an optional exponent.
bool IsDecimalNumber(std::string_view s, bool exponentAllowed) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            ++digits;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (exponentAllowed && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i)
            ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == s.size();
}

bool ConvertFloat(std::string_view text, bool exponentAllowed, Real& value) {
    std::string_view s = Trim(text);
    if (!IsDecimalNumber(s, exponentAllowed))
        return false;
    if (s.front() == '+')
        s.remove_prefix(1);
    Real parsed = 0;
    // from_chars is locale-independent: the decimal separator is always a point.
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

Real ConvertFloatOrThrow(std::string_view text, bool exponentAllowed) {
    Real value = 0;
    if (!ConvertFloat(text, exponentAllowed, value))
        throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

} // namespace

bool TryStrToFloat(std::string_view text, Real& value) {
    return ConvertFloat(text, true, value);
}

Real StrToFloat(std::string_view text) {
    return ConvertFloatOrThrow(text, true);
}

bool TryTypedToFloat(std::string_view text, Real& value) {
    return ConvertFloat(text, false, value);
}

Real TypedToFloat(std::string_view text) {
    return ConvertFloatOrThrow(text, false);
}

bool TryStrToInt(std::string_view text, int& value) {
    std::string_view s = Trim(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty() || !IsDigit(s.back()) || (s.front() != '-' && !IsDigit(s.front())))
        return false;
    if (s.size() != Trim(text).size() && s.front() == '-')
        return false; // "+-5"

    int parsed = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (error != std::errc() || end != s.data() + s.size())
        return false;
    value = parsed;
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

} // namespace qv
