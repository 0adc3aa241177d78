#pragma once

#include <string>

namespace qv {

// Why an S-parameter file gives no table: a code and its values, worded where it is shown.
enum class SParameterFault {
    None,
    TooManyBytes, // limit: MiB
    TooManyLines, // limit: lines
    MissingValue, // line, format and column: the column of the layout with no word
    NotANumber,   // line and word
    OutOfRange,   // line and word: a number whose value overflows once converted
};

struct SParameterError {
    SParameterFault fault = SParameterFault::None;
    int line = 0; // counted from 1; 0 for a fault of the whole file
    int limit = 0;
    int format = 1;
    int column = 0;
    std::string word{}; // the file's word as written

    bool failed() const { return fault != SParameterFault::None; }
};

} // namespace qv
