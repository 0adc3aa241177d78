#pragma once

#include "core/rf/match_network.h"

#include <string>
#include <string_view>

// The label field of a slot holds GBK bytes, zero-terminated, at most 23 of them.
namespace qv {

// Stores the UTF-8 text as GBK, cut to 23 bytes without splitting a two-byte character.
// Characters GBK cannot hold are stored as "?".
void StoreLabel(MatchNode& node, std::string_view utf8);

// The first maxBytes bytes of the label (fewer at a split two-byte character) as UTF-8.
std::string LabelText(const MatchNode& node, std::size_t maxBytes);

} // namespace qv
