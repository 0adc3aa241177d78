#pragma once

#include "core/numbers/real.h"
#include "sparams/analysis/sparameter_error.h"
#include "sparams/analysis/two_port.h"
#include "sparams/analysis/two_port_design.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A transistor's two-port file as design data: the S-parameters of every row as the file gives
// them (not as the table rounds them for display) and the noise parameters of its noise block.
namespace qv {

struct DeviceRow {
    Real frequencyHz = 0;
    SMatrix s;
};

struct NoiseRow {
    Real frequencyHz = 0;
    NoiseParameters noise;
};

struct DeviceData {
    std::vector<DeviceRow> rows; // rising frequencies
    std::vector<NoiseRow> noise; // rising frequencies; empty without a noise block
    Real referenceOhms = 50;     // the option line's R, or the first "[Reference]" value
};

// Why a file gives no device data.
enum class DeviceFault {
    None,
    Unreadable,       // detail: the path
    TooLarge,         // detail: the path
    NotParsed,        // file: the parser's error
    IncompleteRow,    // detail: the row's frequency as shown
    FallingFrequency, // detail: the row's frequency as shown
    NoTwoPortData,
};

struct DeviceError {
    DeviceFault fault = DeviceFault::None;
    std::string detail{};
    SParameterError file{};

    bool failed() const { return fault != DeviceFault::None; }
};

struct DeviceRead {
    std::optional<DeviceData> data;
    DeviceError error; // when there is no data
};

// The noise rows are "f NFmin(dB) |Gopt| angle Rn": after the two-port rows of a version 1 file
// (a frequency not above the previous one, or a row of five numbers, begins them), or after
// "[Noise Data]" of a version 2.0 file. Rn is normalised to the reference in version 1 files and
// in ohms in version 2.0 files. Total: any bytes give data or an error.
DeviceRead ReadDeviceData(std::string_view bytes);
DeviceRead ReadDeviceFile(const std::string& path);

// The device at one frequency. S between two rows is linear in real and imaginary part; the noise
// parameters (NFmin in dB, Gopt in real and imaginary part, Rn) likewise between noise rows.
struct DevicePoint {
    Real frequencyHz = 0;
    SMatrix s;
    std::optional<NoiseParameters> noise; // nothing outside the noise rows' range
};

// Nothing for a frequency outside the rows' range (no extrapolation); a frequency within a
// millionth of a millionth of a row is that row.
std::optional<DevicePoint> DeviceAt(const DeviceData& data, Real frequencyHz);

} // namespace qv
