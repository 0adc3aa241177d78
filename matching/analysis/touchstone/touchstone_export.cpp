#include "matching/analysis/touchstone/touchstone_export.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"
#include "core/settings/atomic_file.h"
#include "matching/analysis/network_two_port.h"

#include <algorithm>
#include <cctype>

namespace qv {

namespace {

void AppendPair(std::string& line, Complex z) {
    line += ' ' + FormatGeneral(z.re) + ' ' + FormatGeneral(z.im);
}

// (z - 1)/(z + 1) for an impedance normalised to the reference.
std::optional<Complex> Reflection(Complex z) {
    try {
        const Complex g = CheckedStep([&] { return CDiv({z.re - 1, z.im}, {z.re + 1, z.im}); });
        return Complex{RequireFinite(g.re), RequireFinite(g.im)};
    } catch (const FloatingPointError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<int> TouchstonePortCount(std::string_view fileName) {
    if (fileName.size() < 4)
        return std::nullopt;
    std::string extension(fileName.substr(fileName.size() - 4));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".s1p")
        return 1;
    if (extension == ".s2p")
        return 2;
    return std::nullopt;
}

TouchstoneText EncodeTouchstone(const SweepNetwork& network, const std::vector<ResponsePoint>& sweep,
                                int portCount) {
    TouchstoneText out;
    out.text = portCount == 1 ? "! Quorvane: input reflection at the source end, load in place\n"
                              : "! Quorvane: matching network, port 1 source end, port 2 load end\n";
    out.text += "# MHZ S RI R " + FormatGeneral(network.Zo) + "\n";
    for (const ResponsePoint& point : sweep) {
        std::string line = FormatGeneral(point.frequencyHz / 1e6L);
        bool written = false;
        if (point.ok && portCount == 1) {
            if (const std::optional<Complex> s11 = Reflection(point.sourceEnd)) {
                AppendPair(line, *s11);
                written = true;
            }
        } else if (point.ok) {
            try {
                const SParameters s = NetworkSParameters(network, point.frequencyHz, network.Zo);
                // Touchstone 1.1 orders a two-port row S11 S21 S12 S22.
                for (const Complex& z : {s.S11, s.S21, s.S12, s.S22})
                    AppendPair(line, z);
                written = true;
            } catch (const FloatingPointError&) {
            }
        }
        if (written) {
            out.text += line + "\n";
            ++out.rows;
        } else {
            ++out.skipped;
        }
    }
    return out;
}

ExportOutcome WrongExportName() {
    ExportOutcome outcome;
    outcome.result = ExportOutcome::Result::WrongName;
    return outcome;
}

ExportOutcome WriteTouchstone(const std::string& fileName, const TouchstoneText& file) {
    ExportOutcome outcome;
    outcome.rows = file.rows;
    outcome.skipped = file.skipped;
    if (file.rows == 0)
        outcome.result = ExportOutcome::Result::NothingToWrite;
    else if (!WriteFileAtomically(fileName, file.text, &outcome.failure))
        outcome.result = ExportOutcome::Result::WriteFailed;
    return outcome;
}

ExportOutcome ExportTouchstone(const std::string& fileName, const SweepNetwork& network,
                               const std::vector<ResponsePoint>& sweep) {
    const std::optional<int> ports = TouchstonePortCount(fileName);
    if (!ports)
        return WrongExportName();
    return WriteTouchstone(fileName, EncodeTouchstone(network, sweep, *ports));
}

} // namespace qv
