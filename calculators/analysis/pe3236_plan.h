#pragma once

#include <optional>
#include <string>

// Frequency plan of a PE3236 PLL synthesiser for the DVB-T UHF channels: the VCO runs 36 MHz
// (the IF) below the channel, the reference is divided by R + 1, and the main counter
// N = 10 (M + 1) + A comes from the 10/11 prescaler. All values in whole megahertz.
namespace qv {

struct Pe3236Setting {
    long long vcoMHz = 0;
    long long n = 0; // total division VCO / (reference / (R + 1)), truncated
    long long m = 0;
    long long a = 0;
    long long channel = 0; // UHF channel number, (f - 306) / 8 truncated toward zero
};

// Throws FloatingPointError when the comparison frequency is zero (reference 0 or R = -1) or N
// does not fit a whole number.
Pe3236Setting PlanPe3236(long long channelMHz, long long referenceMHz, long long rDivider);

// The channel file: one Verilog case line per channel of a lookup table, from `startMHz` up to
// but not including `endMHz` in steps of `stepMHz`, each line led by `tabs` tabs and ended with
// CR LF. The bank counters (ctrA, ctrB) run (3, 0), (2, 1), (1, 2), (0, 3) in blocks of 24 lines.
struct ChannelFileRequest {
    long long referenceMHz = 10;
    long long rDivider = 4;
    long long startMHz = 566;
    long long endMHz = 638;
    long long tabs = 9;
    long long stepMHz = 2;
};

// The most lines a channel file may have, and the most tabs in front of a line: far above any
// real band plan, low enough that a mistyped field cannot fill the disk.
inline constexpr long long MaxChannelFileLines = 10000;
inline constexpr long long MaxChannelFileTabs = 100;

// Nothing when the request cannot make a sensible file: a step of 0 or below with a start below
// the end (the loop would never end), more than MaxChannelFileLines lines or more than
// MaxChannelFileTabs tabs. Fewer than 0 tabs means none. Throws as PlanPe3236.
std::optional<std::string> ChannelFileText(const ChannelFileRequest& request);

// The lines appended to fin.txt: three channels from `firstChannelMHz` in steps of 8 MHz with
// reference 10 and R 4, each ten blanks then "%4d%5d%5d%4d%4d" of the line number (from 1), the
// channel, the VCO, M and A, ended with CR LF.
std::string FinListText(long long firstChannelMHz);

} // namespace qv
