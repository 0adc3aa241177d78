#pragma once

#include <stdexcept>
#include <string>

// The few error types of the program. Their texts are ready for a message box.
namespace qv {

// A division by zero, an invalid operation (log or square root of a negative number, 0/0) or an overflow.
class FloatingPointError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should have been a number: "'%s' is not a valid floating point value".
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace qv
