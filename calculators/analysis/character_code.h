#pragma once

#include <string>

namespace qv {

// The character table's line for a press counter: the counter in decimal, "-->" and the character
// whose code is the counter's low byte in the GBK code page, as UTF-8. Codes 0x81 to 0xFF start
// two-byte characters and show nothing on their own; 0x80 is the euro sign.
std::string CharacterCodeText(unsigned counter);

} // namespace qv
