// Text fonts: which installed family a control's TextFont names.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fw {

// "System" (or no name) is the runtime's face for control text: a sans whose
// widths match the faces the designs were laid out in, the first of those that
// is installed. Any other name is that family when installed, else "System".
// Empty when no such face is installed: the platform's default font stays.
std::string textFontFamily(std::string_view textFont, const std::function<bool(const std::string&)>& installed);
// The same against the fonts the platform has installed.
std::string textFontFamily(std::string_view textFont);

} // namespace fw
