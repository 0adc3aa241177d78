#pragma once

#include "core/numbers/real.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// The program's one formatter of printed numbers. Conversions:
//   %w.pf  fixed point, p decimals, minimum width w (space-padded on the left)
//   %f %wf %F  two decimals when no precision is given ("%F" behaves like "%f")
//   %d %wd  whole numbers;  %s  text;  %%  a percent sign
// A negative zero, or a value that rounds to zero, prints without a minus sign ("0.000").
// Infinities print as "INF" / "-INF", NaN as "NAN".
namespace qv {

class FormatArg {
public:
    FormatArg(long double v) : value_(v) {}
    FormatArg(double v) : value_(static_cast<long double>(v)) {}
    FormatArg(int v) : value_(static_cast<long long>(v)) {}
    FormatArg(long v) : value_(static_cast<long long>(v)) {}
    FormatArg(long long v) : value_(v) {}
    FormatArg(unsigned v) : value_(static_cast<long long>(v)) {}
    FormatArg(const char* v) : value_(std::string(v)) {}
    FormatArg(std::string v) : value_(std::move(v)) {}
    FormatArg(std::string_view v) : value_(std::string(v)) {}
    const std::variant<long double, long long, std::string>& value() const { return value_; }

private:
    std::variant<long double, long long, std::string> value_;
};

// Throws FormatError for a conversion without a matching argument of a usable kind.
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

// How a zero imaginary part is signed in a pair text.
enum class ZeroImaginary { Minus, Plus };

// A complex pair as "<prefix><re>+j<im>", or "<prefix><re>-j<|im|>" for a negative imaginary part,
// both numbers printed with numberFormat: FormatSignedPair("R=", "%3.2f", r, x) gives "R=1.00-j2.00".
std::string FormatSignedPair(std::string_view prefix, std::string_view numberFormat, Real re, Real im,
                             ZeroImaginary zero = ZeroImaginary::Minus);

// Fixed point with the given decimals, no padding (the core of %.pf).
std::string FormatFixed(Real value, int decimals);

// General number-to-text: the shortest form with up to 15 significant digits that reads back to
// the value rounded to 15 digits ("50", "0.5", "1E-5", "554000000").
std::string FormatGeneral(Real value);

} // namespace qv
