#include "framework/services.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

namespace fw {

namespace {
struct SeamState {
    bool answerBoxes = false;
    std::vector<std::string> boxTexts;
    bool recordUrls = false;
    std::vector<std::string> urls;
    std::optional<bool> shift;
    std::optional<seams::Day> today;
    std::optional<std::string> dateLocale;
    std::optional<std::string> folder;
};
SeamState& seamState() {
    static SeamState s;
    return s;
}
} // namespace

void MsgBox(const std::string& text) {
    SeamState& s = seamState();
    if (s.answerBoxes) {
        s.boxTexts.push_back(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void ShowURL(const std::string& address) {
    SeamState& s = seamState();
    if (s.recordUrls) {
        s.urls.push_back(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

bool Keyboard::AsyncShiftKey() {
    if (seamState().shift) return *seamState().shift;
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

Date::Date() {
    QDate d = QDate::currentDate();
    if (const auto& fixed = seamState().today) d = QDate(fixed->year, fixed->month, fixed->day);
    year_ = d.year();
    month_ = d.month();
    day_ = d.day();
}

std::string Date::ShortDate() const {
    const QDate date(year_, month_, day_);
    const auto& named = seamState().dateLocale;
    const QLocale locale = named ? QLocale(QString::fromStdString(*named)) : QLocale::system();
    // Without a configured locale the system's short date is the numeric
    // month/day/year form rather than the C locale's spelled-out month.
    if (locale.language() == QLocale::C) return date.toString("M/d/yy").toStdString();
    return locale.toString(date, QLocale::ShortFormat).toStdString();
}

std::string applicationFolder() {
    if (seamState().folder) return *seamState().folder;
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string EndOfLine() { return "\n"; }

namespace seams {
void answerMessageBoxes(bool on) { seamState().answerBoxes = on; }
std::vector<std::string>& messageBoxTexts() { return seamState().boxTexts; }
void recordUrls(bool on) { seamState().recordUrls = on; }
std::vector<std::string>& shownUrls() { return seamState().urls; }
void setShiftKey(std::optional<bool> down) { seamState().shift = down; }
void setToday(std::optional<Day> day) { seamState().today = day; }
void setDateLocale(std::optional<std::string> name) { seamState().dateLocale = std::move(name); }
void setApplicationFolder(std::optional<std::string> folder) { seamState().folder = std::move(folder); }
} // namespace seams

} // namespace fw
