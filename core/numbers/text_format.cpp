#include "core/numbers/text_format.h"

#include "core/numbers/errors.h"
#include <charconv>
#include <cmath>
#include <cstdio>

#include <stdexcept>
#include <vector>

namespace qv {

namespace {

struct Directive {
    bool leftAlign = false;
    int width = -1;
    int precision = -1;
    char conversion = 0;
};

std::string NonFinite(Real value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Drops the sign of a printed zero ("-0.000" -> "0.000").
void DropNegativeZero(std::string& text) {
    if (text.empty() || text.front() != '-')
        return;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] >= '1' && text[i] <= '9')
            return;
    text.erase(0, 1);
}

void Pad(std::string& text, const Directive& directive) {
    if (directive.width <= 0 || static_cast<int>(text.size()) >= directive.width)
        return;
    const std::string padding(static_cast<std::size_t>(directive.width) - text.size(), ' ');
    text = directive.leftAlign ? text + padding : padding + text;
}

Real AsReal(const FormatArg& arg) {
    if (const auto* r = std::get_if<long double>(&arg.value()))
        return *r;
    if (const auto* i = std::get_if<long long>(&arg.value()))
        return static_cast<Real>(*i);
    throw FormatError("Format: a number was expected");
}

std::string FormatOne(const Directive& directive, const FormatArg& arg) {
    std::string text;
    switch (directive.conversion) {
    case 'f':
    case 'F':
        text = FormatFixed(AsReal(arg), directive.precision < 0 ? 2 : directive.precision);
        break;
    case 'g':
    case 'G':
        text = FormatGeneral(AsReal(arg));
        break;
    case 'd': {
        const auto* i = std::get_if<long long>(&arg.value());
        if (!i)
            throw FormatError("Format: %d needs a whole number");
        text = std::to_string(*i);
        break;
    }
    case 's': {
        const auto* s = std::get_if<std::string>(&arg.value());
        if (!s)
            throw FormatError("Format: %s needs a text");
        text = *s;
        if (directive.precision >= 0 && static_cast<int>(text.size()) > directive.precision)
            text.resize(static_cast<std::size_t>(directive.precision));
        break;
    }
    default:
        throw FormatError(std::string("Format: unknown conversion %") + directive.conversion);
    }
    Pad(text, directive);
    return text;
}

} // namespace

std::string FormatFixed(Real value, int decimals) {
    if (!std::isfinite(value))
        return NonFinite(value);
    char buffer[64];
    std::string text;
    // to_chars is exact (correctly rounded, ties to even on the exact binary value) and
    // locale-independent. Values too long for the buffer are printed through a heap buffer.
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc()) {
        text.assign(buffer, result.ptr);
    } else {
        std::vector<char> big(6000 + static_cast<std::size_t>(decimals));
        result =
            std::to_chars(big.data(), big.data() + big.size(), value, std::chars_format::fixed, decimals);
        text.assign(big.data(), result.ptr);
    }
    DropNegativeZero(text);
    return text;
}

std::string FormatGeneral(Real value) {
    if (!std::isfinite(value))
        return NonFinite(value);
    if (value == 0)
        return "0";
    char buffer[64];
    // 15 significant digits: d.dddddddddddddde±x
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string sci(buffer, result.ptr);
    const std::size_t e = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (sci[i] != '.')
            digits += sci[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent10 = std::stoi(sci.substr(e + 1)); // value = d.ddd x 10^exponent10
    const int pointPosition = exponent10 + 1;            // digits before the decimal point
    // Built with append() only: GCC 12 reports false -Wrestrict warnings for chained operator+.
    std::string text;
    if (negative)
        text.push_back('-');
    const std::size_t point = static_cast<std::size_t>(pointPosition > 0 ? pointPosition : 0);
    if (pointPosition > 15 || pointPosition < -3) {
        text.append(digits, 0, 1);
        if (digits.size() > 1)
            text.append(".").append(digits, 1);
        text.append("E").append(std::to_string(exponent10));
    } else if (pointPosition <= 0) {
        text.append("0.").append(static_cast<std::size_t>(-pointPosition), '0').append(digits);
    } else if (digits.size() <= point) {
        text.append(digits).append(point - digits.size(), '0');
    } else {
        text.append(digits, 0, point).append(".").append(digits, point);
    }
    return text;
}

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        Directive directive;
        std::size_t j = i + 1;
        if (j < format.size() && format[j] == '-') {
            directive.leftAlign = true;
            ++j;
        }
        auto readNumber = [&](int& target) {
            if (j < format.size() && format[j] >= '0' && format[j] <= '9') {
                target = 0;
                while (j < format.size() && format[j] >= '0' && format[j] <= '9' && target < 10000)
                    target = target * 10 + (format[j++] - '0');
            }
        };
        readNumber(directive.width);
        if (j < format.size() && format[j] == '.') {
            ++j;
            directive.precision = 0;
            readNumber(directive.precision);
        }
        if (j >= format.size())
            throw FormatError("Format: incomplete conversion");
        directive.conversion = format[j];
        if (next == args.end())
            throw FormatError("Format: too few arguments");
        out += FormatOne(directive, *next++);
        i = j;
    }
    return out;
}

std::string FormatSignedPair(std::string_view prefix, std::string_view numberFormat, Real re, Real im,
                             ZeroImaginary zero) {
    const bool plus = im > 0 || (im == 0 && zero == ZeroImaginary::Plus);
    std::string text(prefix);
    text += Format(numberFormat, {re});
    text += plus ? "+j" : "-j";
    text += Format(numberFormat, {plus ? im : -im});
    return text;
}

} // namespace qv
