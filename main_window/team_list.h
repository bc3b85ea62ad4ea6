#pragma once
#include <string_view>

namespace vantoro {
// The built-in team list: the 2011 season's last ten BCS teams with their ratings,
// in falling order of rating.
inline constexpr std::string_view kBuiltInTeamList =
    "LSU (1),Alabama (0.9419),Oklahoma State (0.9333),Stanford (0.8476),Oregon (0.7901),Arkansas (0.7687),"
    "Boise State (0.7408),Kansas State (0.6827),South Carolina (0.6553),Wisconsin (0.6374)";
} // namespace vantoro
