#include "main_window/window1.h"

#include "main_window/team_list.h"

namespace vantoro {

void Window1::Init() {
    team = fw::StringArray{};
    one = two = three = four = five = six = seven = eight = 0;
    listit = 0;
    TeamList = std::string(kBuiltInTeamList);
}

void Window1::Exit() {
    team.clear();
    TeamList.clear();
}

} // namespace vantoro
