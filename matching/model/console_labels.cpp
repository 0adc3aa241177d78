#include "matching/model/console_labels.h"

#include "core/settings/settings_store.h"

#include <algorithm>

namespace qv {

namespace {

constexpr std::size_t StoredLabelBytes = MatchLabelBytes - 1;

bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// The length of the longest prefix of at most maxBytes that ends on a character boundary.
std::size_t WholeCharacterPrefix(std::string_view gbk, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < gbk.size()) {
        const std::size_t next = end + (IsGbkLeadByte(static_cast<unsigned char>(gbk[end])) ? 2 : 1);
        if (next > maxBytes || next > gbk.size())
            break;
        end = next;
    }
    return end;
}

// GBK of the text; a character without a GBK form becomes "?".
std::string ToGbk(std::string_view utf8) {
    bool ok = false;
    std::string gbk = Utf8ToGbk(utf8, &ok);
    if (ok)
        return gbk;
    gbk.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        length = std::min(length, utf8.size() - i);
        const std::string one = Utf8ToGbk(utf8.substr(i, length), &ok);
        gbk += ok ? one : std::string("?");
        i += length;
    }
    return gbk;
}

// UTF-8 of GBK bytes; a byte pair that is no GBK character shows as "?".
std::string FromGbk(std::string_view gbk) {
    bool ok = false;
    std::string utf8 = GbkToUtf8(gbk, &ok);
    if (ok)
        return utf8;
    utf8.clear();
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t length =
            IsGbkLeadByte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
        const std::string one = GbkToUtf8(gbk.substr(i, length), &ok);
        utf8 += ok && !one.empty() ? one : std::string("?");
        i += length;
    }
    return utf8;
}

} // namespace

void StoreLabel(MatchNode& node, std::string_view utf8) {
    const std::string gbk = ToGbk(utf8);
    const std::size_t length = WholeCharacterPrefix(gbk, StoredLabelBytes);
    node.label.fill(0);
    std::copy_n(gbk.begin(), length, node.label.begin());
}

std::string LabelText(const MatchNode& node, std::size_t maxBytes) {
    const auto terminator = std::find(node.label.begin(), node.label.end(), '\0');
    const std::string_view stored(node.label.data(),
                                  static_cast<std::size_t>(terminator - node.label.begin()));
    return FromGbk(stored.substr(0, WholeCharacterPrefix(stored, maxBytes)));
}

} // namespace qv
