// What a screen reader calls the main window's controls. Eight team popups,
// seven "Play" buttons or fourteen empty score fields read alike; each gets a
// name made of the design's own words, the text of the label that stands for
// its row or its bowl, and a word or two that tell it from its like. Nothing a
// sighted user sees changes.
#include "main_window/design.h"
#include "main_window/window1.h"

#include <string>
#include <string_view>

namespace vantoro {

namespace {

// In place of words: the control's own caption follows the label's text.
constexpr const char* kCaption = nullptr;

// A control, the label whose text begins its name (none: the words alone),
// and the words that follow it.
struct Naming {
    std::string_view control;
    std::string_view label;
    const char* words;
};

// clang-format off
constexpr Naming kNamings[] = {
    // The row of team popups, "Teams:" (Label5), and its DONE box.
    {"PopupMenu1", "Label5", "1"}, {"PopupMenu2", "Label5", "2"}, {"PopupMenu3", "Label5", "3"},
    {"PopupMenu4", "Label5", "4"}, {"PopupMenu5", "Label5", "5"}, {"PopupMenu6", "Label5", "6"},
    {"PopupMenu7", "Label5", "7"}, {"PopupMenu8", "Label5", "8"}, {"CheckBox1", "Label5", kCaption},
    // The row of strength popups, "Strength:" (Label6), and its DONE box.
    {"PopupMenu9", "Label6", "1"},  {"PopupMenu10", "Label6", "2"}, {"PopupMenu11", "Label6", "3"},
    {"PopupMenu12", "Label6", "4"}, {"PopupMenu13", "Label6", "5"}, {"PopupMenu14", "Label6", "6"},
    {"PopupMenu15", "Label6", "7"}, {"PopupMenu16", "Label6", "8"}, {"CheckBox2", "Label6", kCaption},
    // Each bowl by its caption; left and right as the controls stand in its frame.
    {"PopupMenu17", "Label1", "left team"}, {"PopupMenu18", "Label1", "right team"},
    {"TextField1", "Label1", "left score"}, {"TextField2", "Label1", "right score"},
    {"PushButton1", "Label1", kCaption},
    {"PopupMenu19", "Label2", "left team"}, {"PopupMenu20", "Label2", "right team"},
    {"TextField3", "Label2", "left score"}, {"TextField4", "Label2", "right score"},
    {"PushButton2", "Label2", kCaption},
    {"PopupMenu21", "Label3", "left team"}, {"PopupMenu22", "Label3", "right team"},
    {"TextField5", "Label3", "left score"}, {"TextField6", "Label3", "right score"},
    {"PushButton3", "Label3", kCaption},
    {"PopupMenu23", "Label4", "left team"}, {"PopupMenu24", "Label4", "right team"},
    {"TextField7", "Label4", "left score"}, {"TextField8", "Label4", "right score"},
    {"PushButton4", "Label4", kCaption},
    {"TextField9", "Label9", "left score"}, {"TextField10", "Label9", "right score"},
    {"PushButton5", "Label9", kCaption},
    {"TextField11", "Label14", "left score"}, {"TextField12", "Label14", "right score"},
    {"PushButton6", "Label14", kCaption},
    {"TextField13", "Label19", "left score"}, {"TextField14", "Label19", "right score"},
    {"PushButton7", "Label19", kCaption},
    // The results list stands under no label.
    {"Listbox1", "", "Results"},
};
// clang-format on

// Labels of the design that name the control beside them, as its label.
struct LabelFor {
    std::string_view label;
    std::string_view control;
};
constexpr LabelFor kLabelsFor[] = {{"Label28", "TextField15"}};

constexpr bool declaredAs(std::string_view name, bool (*kind)(ControlKind)) {
    for (const DeclaredControl& c : kDeclaredControls)
        if (c.name == name) return kind(c.kind);
    return false;
}
constexpr bool isLabel(ControlKind kind) { return kind == ControlKind::Label; }
// A frame or a timer is nothing a user operates or reads.
constexpr bool isNameable(ControlKind kind) {
    return kind != ControlKind::Timer && kind != ControlKind::RoundRectangle;
}
constexpr bool hasCaption(ControlKind kind) { return kind == ControlKind::PushButton || kind == ControlKind::CheckBox; }

// Every row names a control of the window, once, after a label of the window;
// a caption is asked only of a control that has one.
consteval bool namingsMatchTheDesign() {
    std::size_t named = 0;
    for (const Naming& n : kNamings) {
        if (!declaredAs(n.control, isNameable) || (!n.label.empty() && !declaredAs(n.label, isLabel))) return false;
        if (n.words == kCaption && !declaredAs(n.control, hasCaption)) return false;
        for (const Naming& other : kNamings) named += other.control == n.control;
    }
    for (const LabelFor& l : kLabelsFor) {
        if (!declaredAs(l.label, isLabel) || !declaredAs(l.control, isNameable)) return false;
        for (const Naming& n : kNamings) named += n.control == l.control;
    }
    return named == std::size(kNamings);
}
static_assert(namingsMatchTheDesign(),
              "an accessible name is given to a control the main window does not have or twice, after a control "
              "that is no label, or from a caption the control lacks");

std::string captionOf(const fw::RectControl& control) {
    if (const auto* button = dynamic_cast<const fw::PushButton*>(&control)) return button->Caption();
    return dynamic_cast<const fw::CheckBox&>(control).Caption();
}
} // namespace

void nameControlsForAssistiveTools(Window1& window) {
    for (const Naming& n : kNamings) {
        fw::RectControl& control = fw::deref(window.controlNamed<fw::RectControl>(n.control));
        std::string name;
        if (!n.label.empty()) {
            // A row label ends in ":" and reads on ("Teams: 1"); a bowl's
            // caption is set off by a comma ("Pasta Bowl, left score").
            name = fw::deref(window.controlNamed<fw::Label>(n.label)).Text();
            name += name.ends_with(':') ? " " : ", ";
        }
        name += n.words == kCaption ? captionOf(control) : n.words;
        control.setAccessibleName(name);
    }
    for (const LabelFor& l : kLabelsFor)
        fw::deref(window.controlNamed<fw::Label>(l.label))
            .setLabelFor(fw::deref(window.controlNamed<fw::RectControl>(l.control)));
}

} // namespace vantoro
