#pragma once
#include <string_view>

namespace vantoro {
// Shown on the About window's link label and opened when it is pressed; the two
// must be one address.
inline constexpr std::string_view kProductPage = "http://www.example.com/vantoro";
} // namespace vantoro
