#pragma once

#include <iosfwd>
#include <string>

// Headless runs of the console's command language: every line of a script goes through the
// same interpreter and console step as a line typed into the console, with the main window's
// recalculation and notifications wired as in the program.
namespace qv {

struct BatchOptions {
    std::string programDirectory; // holds para.ini
    std::string script;           // a file name, or "-" for standard input
    std::string saveChart;        // the chart picture written after the last line; empty: none
};

// Writes the lines the console would append to out (UTF-8, one per line) and the errors that
// the program would show in a message box to err, then goes on with the next line.
// Returns 0 after the last line, 2 when the script cannot be read, 1 when the chart picture
// cannot be written.
int RunBatch(const BatchOptions& options, std::istream& standardInput, std::ostream& out, std::ostream& err);

} // namespace qv
