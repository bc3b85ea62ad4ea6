#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/text.h"
#include "main_window/window1.h"
#include "tournament/bracket.h"

namespace vantoro {

namespace {
// The user ID names the file, so a name that can't be a file in the folder is
// refused here instead of being taken as a path.
constexpr const char* kUnusableUserId = "This UserID can not be used as a file name";
constexpr const char* kNotSaved = "The results could not be saved";

std::string cleanedUserId(const std::string& typed) {
    std::string id = fw::ReplaceAll(typed, ".", "");
    id = fw::ReplaceAll(id, " ", "");
    id = fw::ReplaceAll(id, ":", "-");
    return fw::ReplaceAll(id, "_", "-");
}

std::string resultLine(const std::string& left, const std::string& right) {
    return left + fw::Chr(9) + "|| " + right + fw::EndOfLine();
}
} // namespace

void Window1::PushButton11_Action(fw::Ref<fw::PushButton> button) {
    const fw::Date today;
    if (fw::deref(TextField15()).Text().empty()) {
        fw::MsgBox("Please enter your UserID first");
        return;
    }
    const std::string id = cleanedUserId(fw::deref(TextField15()).Text());
    fw::deref(TextField15()).SetText(id);

    const std::string fileName = id + "-" + fw::ReplaceAll(today.ShortDate(), "/", "-") + ".txt";
    fw::Ref<fw::FolderItem> file = fw::GetFolderItem(fileName);
    if (!file) {
        fw::MsgBox(kUnusableUserId);
        return;
    }
    fw::Ref<fw::TextOutputStream> out = file->Exists() ? file->AppendToTextFile() : file->CreateTextFile();
    // Another copy of the program may have made or removed the file just now.
    if (!out) out = file->Exists() ? file->AppendToTextFile() : file->CreateTextFile();
    if (!out) {
        fw::MsgBox(kNotSaved);
        return;
    }

    out->Write(resultLine("TEAM (BCS#)_Strength", "Number of Wins"));
    // A line for each row the results list is made with, made yet or not.
    for (std::int32_t row = 0; row < std::int32_t{bracket::kTeamCount}; ++row) {
        fw::Listbox& list = fw::deref(Listbox1());
        out->Write(resultLine(list.Cell(row, 0), list.Cell(row, 1)));
        fw::runtime::yield();
    }
    out->Write("==========" + fw::EndOfLine());
    if (!out->Close()) {
        fw::MsgBox(kNotSaved);
        return;
    }
    fw::deref(button).SetEnabled(false);
}

} // namespace vantoro
