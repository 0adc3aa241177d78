#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

// The program's errors and refusals. Error texts are ready for a message box.
namespace qv {

// Every error the program raises itself; the global error handler shows its text.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A division by zero, an invalid operation (log or square root of a negative number, 0/0) or an overflow.
class FloatingPointError : public Error {
public:
    using Error::Error;
};

// A text that should have been a number: "'%s' is not a valid floating point value".
class ConversionError : public Error {
public:
    using Error::Error;
};

// A format pattern whose arguments do not fit it: a fault of the program, not of the user.
class FormatError : public Error {
public:
    using Error::Error;
};

// A record that breaks the limits of a file format, as a node count outside 0..500.
class FileFormatError : public Error {
public:
    using Error::Error;
};

struct Done {};

// What an operation that can say no gives back: its value, or the reason in words (and then
// nothing has changed).
template <typename T = Done> class Refusable {
public:
    Refusable(T value = T{}) : value_(std::move(value)) {}
    static Refusable Refused(std::string reason) {
        Refusable r;
        r.value_.reset();
        r.reason_ = std::move(reason);
        return r;
    }
    explicit operator bool() const { return value_.has_value(); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    // Empty when the operation was done.
    const std::string& reason() const { return reason_; }

private:
    std::optional<T> value_;
    std::string reason_;
};

} // namespace qv
