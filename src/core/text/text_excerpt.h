#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tsp {

// Whether the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// A text as a message may quote it: cut after at most `longest` bytes, never inside a
// character, and marked with "…" where cut; empty when it holds control characters or is not
// UTF-8, so that it cannot be shown as it is.
std::optional<std::string> Excerpt(std::string_view text, std::size_t longest);

}  // namespace tsp
