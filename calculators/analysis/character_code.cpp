#include "calculators/analysis/character_code.h"

namespace qv {

std::string CharacterCodeText(unsigned counter) {
    std::string text = std::to_string(counter) + "-->";
    const unsigned code = counter & 0xFFu;
    if (code < 0x80u)
        text += static_cast<char>(code);
    else if (code == 0x80u)
        text += "\xE2\x82\xAC"; // the euro sign
    return text;
}

} // namespace qv
