#include "framework/text_font.h"

#include "framework/class_record.h"

#include <QFontDatabase>
#include <QString>

#include <map>

namespace fw {

namespace {
// Metric-compatible with the narrow interface sans the designs were measured
// in; the platform's default sans is wider and pushes designed texts out of
// their boxes.
constexpr const char* kSystemFaces[] = {"Liberation Sans", "Arimo"};
} // namespace

std::string textFontFamily(std::string_view textFont, const std::function<bool(const std::string&)>& installed) {
    if (!textFont.empty() && !equalsIgnoreCase(textFont, "System")) {
        const std::string named(textFont);
        if (installed(named)) return named;
    }
    for (const char* face : kSystemFaces)
        if (installed(face)) return face;
    return {};
}

std::string textFontFamily(std::string_view textFont) {
    // The installed fonts do not change while the program runs.
    static std::map<std::string, bool, std::less<>> known;
    return textFontFamily(textFont, [](const std::string& family) {
        auto it = known.find(family);
        if (it == known.end())
            it = known.emplace(family, QFontDatabase::hasFamily(QString::fromStdString(family))).first;
        return it->second;
    });
}

} // namespace fw
