// Services the runtime gives the program: message boxes, URLs, the keyboard,
// dates and the application's folder; and the seams through which tests answer,
// record or fix them. The real behaviour is the default.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fw {

// Modal box with the text and an OK button; returns when dismissed.
void MsgBox(const std::string& text);

// Hands a web or mail address to the system.
void ShowURL(const std::string& address);

namespace Keyboard {
// Whether Shift is down at this moment.
bool AsyncShiftKey();
}

class Date {
public:
    // Holds the current date; the program asks a date for nothing but its day.
    Date();
    // The date in the system's short form.
    std::string ShortDate() const;

private:
    int year_ = 0, month_ = 0, day_ = 0;
};

// The folder of the executable, where bare file names lie.
std::string applicationFolder();

// The platform's line end.
std::string EndOfLine();

namespace seams {
// Message boxes return at once and their texts are recorded.
void answerMessageBoxes(bool on);
std::vector<std::string>& messageBoxTexts();
// URLs are recorded instead of opened.
void recordUrls(bool on);
std::vector<std::string>& shownUrls();
// Shift state: fixed, or nullopt for the real keyboard.
void setShiftKey(std::optional<bool> down);
// Today's date: fixed (year, month, day), or nullopt for the clock.
struct Day {
    int year, month, day;
};
void setToday(std::optional<Day> day);
// The locale of the short date: a named one ("de_DE"), or nullopt for the system's.
void setDateLocale(std::optional<std::string> name);
// The application's folder: fixed, or nullopt for the executable's folder.
void setApplicationFolder(std::optional<std::string> folder);
} // namespace seams

} // namespace fw
