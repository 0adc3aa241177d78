#pragma once

#include "sparams/analysis/device_data.h"
#include "sparams/analysis/sparameter_file.h"

#include <QString>

// The wording of the S-parameter files' refusals, notes and column captions, in the interface
// language; shared by the windows and the console.
namespace qv {

QString SParameterErrorText(const SParameterError& error);
QString SParameterWarningText(const SParameterWarning& warning);
QString DeviceErrorText(const DeviceError& error);

// The header of a column of a maker's layout.
QString ColumnCaption(int format, int column);

} // namespace qv
