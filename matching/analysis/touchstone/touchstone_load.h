#pragma once

#include "core/numbers/real.h"
#include "matching/analysis/frequency_response.h"

#include <optional>
#include <string>
#include <string_view>

// A port of a Touchstone file as the sweep's load: S11 of an .s1p, S11 or S22 of an .s2p, read
// with the S-parameter file parser, referenced to the file's own impedance.
namespace qv {

// onePort: the bytes are an ".s1p", whose rows hold S11 alone.
LoadFileRead LoadFromTouchstone(std::string_view bytes, bool onePort, int port, Real Zo,
                                const std::string& path);

// The file read whole, as a one-port when its name ends in ".s1p"; a missing or unreadable file is
// an error like a malformed one.
LoadFileRead ReadLoadFile(const std::string& path, int port, Real Zo);

} // namespace qv
