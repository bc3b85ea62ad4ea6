#pragma once
#include <string_view>

namespace vantoro {
// Shown on the contact label and used for its mail link; the two must be one address.
inline constexpr std::string_view kContactAddress = "vantoro2011@example.com";
} // namespace vantoro
