#include "core/numbers/engineering.h"

#include "core/numbers/decimal.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"

#include <cmath>
#include <span>
#include <string>

namespace qv {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct Suffix {
    char letter; // lower case; either case is read
    Real multiplier;
};

// Both cases of m mean mega in values: there is no milli in this notation. Inductances know only
// nano, micro and milli.
constexpr Suffix EngineeringSuffixes[] = {{'p', 1e-12L}, {'n', 1e-9L}, {'u', 1e-6L},
                                          {'m', 1e6L},   {'k', 1e3L},  {'g', 1e9L}};
constexpr Suffix InductanceSuffixes[] = {{'n', 1e-9L}, {'u', 1e-6L}, {'m', 1e-3L}};

// The multiplier of a suffix letter; 0 for a character that is none of them.
Real MultiplierOf(char c, std::span<const Suffix> suffixes) {
    for (const Suffix& suffix : suffixes)
        if (suffix.letter == LowerAscii(c))
            return suffix.multiplier;
    return 0;
}

Real EngineeringMultiplier(char c) {
    return MultiplierOf(c, EngineeringSuffixes);
}

// f, F, h and H are accepted (as in "10pF" or "100H") but multiply nothing.
bool IsEngineeringLetter(char c) {
    return EngineeringMultiplier(c) != 0 || c == 'f' || c == 'F' || c == 'h' || c == 'H';
}

Real InductanceMultiplier(char c) {
    return MultiplierOf(c, InductanceSuffixes);
}

// A number near the top of the range times its multiplier can overflow; that is no value either.
Real FiniteOr(Real value, Real rejected) {
    return std::isfinite(value) ? value : rejected;
}

// The shortest fixed-point text of value / multiplier, followed by the suffix, that ParseEngineering
// reads back to exactly the value; empty when there is none with a reasonable number of decimals.
std::string ExactSuffixText(Real value, Real multiplier, std::string_view suffix) {
    constexpr int MostDecimals = 30;
    for (int decimals = 0; decimals <= MostDecimals; ++decimals) {
        const std::string text = FormatFixed(value / multiplier, decimals) + std::string(suffix);
        if (ParseEngineering(text) == value)
            return text;
    }
    return {};
}

// The shortest plain decimal text that reads back to exactly the value: a correctly rounded
// conversion needs 21 significant digits at most, after the zeros that follow the point.
std::string ExactPlainText(Real value) {
    const int leadingZeros =
        std::abs(value) < 1 ? static_cast<int>(std::ceil(-std::log10(std::abs(value)))) : 0;
    const int enough = leadingZeros + 21;
    for (int decimals = 0; decimals < enough; ++decimals) {
        const std::string text = FormatFixed(value, decimals);
        if (ParseEngineering(text) == value)
            return text;
    }
    return FormatFixed(value, enough);
}

// The stored text of a positive value: with the suffix when that reads back exactly, else plain.
std::string StoreText(Real value, Real multiplier, std::string_view suffix) {
    if (!std::isfinite(value) || value <= 0)
        return {};
    if (multiplier != 1) {
        std::string text = ExactSuffixText(value, multiplier, suffix);
        if (!text.empty())
            return text;
    }
    return ExactPlainText(value);
}

} // namespace

Real ParseEngineering(std::string_view text) {
    const std::size_t n = Trim(text).size();
    if (n == 0)
        return RejectedEngineeringValue;
    // The scan looks at the first n characters of the untrimmed text, so a leading blank rejects.
    const std::string_view head = text.substr(0, n);
    if (head.front() != '-') {
        for (char c : head)
            if (c != '.' && !IsDigit(c) && !IsEngineeringLetter(c))
                return RejectedEngineeringValue;
    }
    for (std::size_t i = 0; i < head.size(); ++i) {
        const Real multiplier = EngineeringMultiplier(head[i]);
        if (multiplier != 0)
            return FiniteOr(TypedToFloat(Trim(head.substr(0, i))) * multiplier, RejectedEngineeringValue);
    }
    std::string digits(head);
    for (char& c : digits)
        if (c != '-' && c != '.' && !IsDigit(c))
            c = ' ';
    return TypedToFloat(Trim(digits));
}

Real ParseInductance(std::string_view text) {
    const std::size_t n = Trim(text).size();
    if (n == 0)
        return RejectedInductance;
    const std::string_view head = text.substr(0, n);
    for (char c : head)
        if (c != '.' && !IsDigit(c) && InductanceMultiplier(c) == 0)
            return RejectedInductance;
    for (std::size_t i = 0; i < head.size(); ++i) {
        const Real multiplier = InductanceMultiplier(head[i]);
        if (multiplier != 0)
            return FiniteOr(TypedToFloat(Trim(head.substr(0, i))) * multiplier, RejectedInductance);
    }
    return TypedToFloat(Trim(head));
}

int ValidateNumber(std::string_view text) {
    if (Trim(text).empty())
        return -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' || IsDigit(c) || (i == 0 && c == '-'))
            continue;
        return -1;
    }
    return 1;
}

bool ValidateDigits(std::string_view text) {
    if (Trim(text).empty())
        return false;
    for (char c : text)
        if (!IsDigit(c))
            return false;
    return true;
}

std::string FormatCapacitance(Real c) {
    if (c < 1e-9L)
        return Format("%3.2fpF", {c * 1e12L});
    if (c < 1e-6L)
        return Format("%3.2fnF", {c * 1e9L});
    if (c < 0.001L)
        return Format("%3.2fuF", {c * 1e6L});
    return Format("%3.2fF", {c});
}

std::string FormatInductance(Real l) {
    if (l < 1e-9L)
        return Format("%3.2fpH", {l * 1e12L});
    if (l < 1e-6L)
        return Format("%3.2fnH", {l * 1e9L});
    if (l < 0.001L)
        return Format("%3.2fuH", {l * 1e6L});
    if (l < 1)
        return Format("%3.2fmH", {l * 1e3L});
    return Format("%3.2fH", {l});
}

std::string FormatFrequency(Real f) {
    if (f >= 1e9L)
        return Format("%4fG", {f / 1e9L});
    if (f >= 1e6L)
        return Format("%4fM", {f / 1e6L});
    if (f >= 1000)
        return Format("%4fK", {f / 1000});
    return {};
}

std::string FrequencyStoreText(Real f) {
    if (f >= 1e9L)
        return StoreText(f, 1e9L, "G");
    if (f >= 1e6L)
        return StoreText(f, 1e6L, "M");
    if (f >= 1000)
        return StoreText(f, 1000, "K");
    return StoreText(f, 1, "");
}

std::string ImpedanceStoreText(Real ohms) {
    return StoreText(ohms, 1, "");
}

std::string FormatLength(Real len) {
    if (len < 1e-6L)
        return Format("%3.2fnm", {len * 1e9L});
    if (len < 0.001L)
        return Format("%3.2fum", {len * 1e6L});
    if (len < 1)
        return Format("%3.2fmm", {len * 1000});
    return Format("%3.2fm", {len});
}

bool IsUsablePositive(Real value) {
    return value != RejectedEngineeringValue && value >= 1e-40L && value <= 1e40L;
}

bool IsRejectedEngineering(Real value) {
    return value == RejectedEngineeringValue || !std::isfinite(value);
}

std::optional<Real> TryParseEngineering(std::string_view text) {
    try {
        const Real value = ParseEngineering(Trim(text));
        if (IsRejectedEngineering(value))
            return std::nullopt;
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

} // namespace qv
