#pragma once

#include "core/numbers/real.h"

#include <optional>
#include <string>
#include <string_view>

// Values typed with a multiplier suffix ("10p", "20n", "554M") and printed with a unit prefix.
namespace qv {

// p 1e-12, n 1e-9, u 1e-6, m/M 1e6 (no milli), k 1e3, g 1e9; characters after the suffix are
// ignored. 4294967295 for an empty or rejected text and for a value beyond the arithmetic's range;
// throws ConversionError for a text that passes the character scan but is no number ("1.2.3p",
// "p", "-", and "-1e1p": an exponent is no part of a typed number).
Real ParseEngineering(std::string_view text);
// The same, trimmed, as a usable number: nothing for a text ParseEngineering rejects, a malformed
// number or a value that is not finite.
std::optional<Real> TryParseEngineering(std::string_view text);
// Whether ParseEngineering gave a value nothing may be built from.
bool IsRejectedEngineering(Real value);

// n 1e-9, u 1e-6, m 1e-3 (milli here); henries without a suffix. -1 for an empty or rejected text.
Real ParseInductance(std::string_view text);

// 1 when the trimmed text is not empty and the untrimmed text is digits and points with an
// optional leading minus sign; -1 otherwise.
int ValidateNumber(std::string_view text);

// True for a non-empty run of decimal digits.
bool ValidateDigits(std::string_view text);

std::string FormatCapacitance(Real farads);
std::string FormatInductance(Real henries);
std::string FormatFrequency(Real hertz); // empty below 1000 Hz
std::string FormatLength(Real metres);

// A parsed value usable as Fo or Zo: not the parsers' rejection sentinel, and between 1e-40 and
// 1e40, so that it is a normal number whose stored text is short and reads back exactly (a
// subnormal value has no such text: para.ini could not take it, nor undo put it back).
bool IsUsablePositive(Real value);

// The texts under which Fo and Zo are stored in para.ini: ParseEngineering reads them back to
// exactly the same value. The frequency keeps the G, M or K suffix of its magnitude where that
// form is exact ("554M", "2.345678G"), and is plain below 1 kHz ("500"); the impedance is plain
// ("50", "33.333333", "0.001"). Empty for a value that is not positive and finite.
std::string FrequencyStoreText(Real hertz);
std::string ImpedanceStoreText(Real ohms);

} // namespace qv
