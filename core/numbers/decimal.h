#pragma once

#include "core/numbers/real.h"

#include <string_view>

// Plain decimal conversions of typed text, with the platform's conversion error texts.
namespace qv {

// Trims blanks (codes <= 32), then reads an optional sign, digits with at most one point and an
// optional exponent. Throws ConversionError "'%s' is not a valid floating point value".
Real StrToFloat(std::string_view text);

// Trims blanks, then reads an optional sign and decimal digits that fit a 32-bit signed integer.
// Throws ConversionError "'%s' is not a valid integer value".
int StrToInt(std::string_view text);

// The same checks without throwing: false when the text is no number.
bool TryStrToFloat(std::string_view text, Real& value);

// Numbers a user types: as StrToFloat but without an exponent, so "1e3" is no number here, as it
// is none to ValidateNumber and to the engineering parsers.
Real TypedToFloat(std::string_view text);
bool TryTypedToFloat(std::string_view text, Real& value);
bool TryStrToInt(std::string_view text, int& value);

// Removes leading and trailing characters with codes of 32 or less.
std::string_view Trim(std::string_view text);

} // namespace qv
