#include "core/text/text_excerpt.h"

#include <algorithm>

namespace tsp {

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    // The allowed range of the first continuation byte excludes overlong forms, surrogates
    // and code points above U+10FFFF.
    int continuations = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      continuations = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      continuations = 2;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      continuations = 3;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i <= static_cast<std::size_t>(continuations)) return false;
    for (int k = 1; k <= continuations; ++k) {
      const auto byte = static_cast<unsigned char>(text[i + k]);
      if (byte < low || byte > high) return false;
      low = 0x80;
      high = 0xBF;
    }
    i += continuations + 1;
  }
  return true;
}

std::optional<std::string> Excerpt(std::string_view text, std::size_t longest) {
  const bool printable = std::none_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  });
  if (!printable || !IsValidUtf8(text)) return std::nullopt;
  if (text.size() <= longest) return std::string(text);
  std::size_t end = longest;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end)) + "\u2026";
}

}  // namespace tsp
