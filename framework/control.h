// Controls: objects created inside a window, registered under a name, given a
// property list and wired to handlers. Control is the base of all of them (timers
// included); RectControl is the base of the visible ones.
#pragma once

#include "framework/class_record.h"
#include "framework/delegate.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace fw {

class Window;

class Control : public Object {
public:
    Control();
    ~Control() override;

    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // The owning window; nil once the window is gone.
    Window* window() const;

    // RuntimeAddEventHandler: attaches a delegate to one of the control's events.
    void AddEventHandler(const std::string& event, Ref<Delegate> handler);
    bool hasEventHandler(const std::string& event) const;
    // Calls the event's handler with the control (and `args`) and returns its
    // result; nothing happens when no handler is attached.
    Value raiseEvent(const std::string& event, std::vector<Value> args = {});
    // The same for an event the user raised from the event loop: what escapes
    // the handler is reported and the program goes on. While another handler
    // runs, the event waits for it and is then raised only if the control still
    // takes input and `deliver` (the user's act taking effect: a tick, a pick)
    // agrees.
    void raiseUserEvent(const std::string& event, std::vector<Value> args = {},
                        std::function<bool()> deliver = {});
    // Whether the user can act on the control now: its window is open (and a
    // visible control is enabled and shown).
    virtual bool takesUserInput() const;

    // Values of keys that have no behaviour of their own (help tags, data
    // bindings and the like) are kept as set.
    PropertyValue stored(const std::string& key) const;
    void store(const std::string& key, PropertyValue value);

    // Called by the window.
    virtual void attach(Window& window, QWidget* content);
    virtual void windowClosed();
    // The control's native widget, for the runtime's own use; nil if none.
    QWidget* nativeWidget() const { return widget(); }

protected:
    // Creates the control's widget inside the window's content area; nil for
    // controls that are not shown (timers).
    virtual QWidget* createWidget(QWidget* content);
    QWidget* widget() const;

private:
    struct WidgetSlot;
    std::string name_;
    std::weak_ptr<Window*> window_;
    std::map<std::string, Ref<Delegate>> handlers_;
    std::map<std::string, PropertyValue> stored_;
    std::unique_ptr<WidgetSlot> slot_;
};

class RectControl : public Control {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    void SetLeft(std::int32_t v);
    void SetTop(std::int32_t v);
    void SetWidth(std::int32_t v);
    void SetHeight(std::int32_t v);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    double TextSize() const { return textSize_; }
    void SetTextSize(double points);
    std::int32_t TextUnit() const { return textUnit_; }
    void SetTextUnit(std::int32_t unit) { textUnit_ = unit; }
    bool Bold() const { return bold_; }
    void SetBold(bool v);
    bool Italic() const { return italic_; }
    void SetItalic(bool v);
    bool Underline() const { return underline_; }
    void SetUnderline(bool v);
    // The font family by name; "System" is the runtime's face for control text.
    const std::string& TextFont() const { return textFont_; }
    void SetTextFont(std::string name);

    // The frame that contains this control (InitialParent); nil: the window.
    const std::string& InitialParent() const { return initialParent_; }
    void SetInitialParent(std::string name) { initialParent_ = std::move(name); }
    std::int32_t TabIndex() const { return tabIndex_; }
    void SetTabIndex(std::int32_t v) { tabIndex_ = v; }

    void attach(Window& window, QWidget* content) override;
    bool takesUserInput() const override;

    // What assistive tools (a screen reader) call the control, where what it
    // shows does not tell it apart from its like. Nothing on screen changes.
    virtual void setAccessibleName(const std::string& name);

    // Text without a set size takes the framework's default size, in pixels.
    static constexpr double kDefaultTextSize = 12.0;

protected:
    void applyGeometry();
    void applyFont();

private:
    std::int32_t left_ = 0, top_ = 0, width_ = 80, height_ = 20;
    bool enabled_ = true, visible_ = true;
    double textSize_ = 0;
    std::int32_t textUnit_ = 0;
    bool bold_ = false, italic_ = false, underline_ = false;
    std::string textFont_ = "System";
    std::string initialParent_;
    std::int32_t tabIndex_ = 0;
};

// Property-row makers for the runtime's classes.
// Converts between a property list's value and a row's value.
Value toValue(const PropertyValue& v);

namespace props {
template <class C, class T>
PropertyRow row(std::string name, std::string typeCode, T (C::*get)() const, void (C::*set)(T)) {
    PropertyRow r;
    r.name.swap(name);
    r.typeCode.swap(typeCode);
    r.attributes = {publicScope()};
    r.get = [get](const Object& o) { return Value(T((static_cast<const C&>(o).*get)())); };
    r.set = [set](Object& o, const Value& v) { (static_cast<C&>(o).*set)(std::get<T>(v)); };
    return r;
}
template <class C, class Getter>
PropertyRow text(std::string name, Getter get, void (C::*set)(std::string)) {
    PropertyRow r;
    r.name.swap(name);
    r.typeCode.push_back('s');
    r.attributes = {publicScope()};
    r.get = [get](const Object& o) { return Value((static_cast<const C&>(o).*get)()); };
    r.set = [set](Object& o, const Value& v) { (static_cast<C&>(o).*set)(std::get<std::string>(v)); };
    return r;
}
// A key kept as set, with no behaviour of its own, on a class that keeps such
// keys (a control or a window).
template <class C = Control>
PropertyRow stored(std::string name, std::string typeCode) {
    PropertyRow r;
    r.name = name;
    r.typeCode = typeCode;
    r.attributes = {publicScope()};
    r.get = [name](const Object& o) { return toValue(static_cast<const C&>(o).stored(name)); };
    r.set = [name, typeCode](Object& o, const Value& v) {
        auto& keeper = static_cast<C&>(o);
        if (typeCode == "i4") keeper.store(name, std::get<std::int32_t>(v));
        else if (typeCode == "b") keeper.store(name, std::get<bool>(v));
        else if (typeCode == "c") keeper.store(name, std::get<Color>(v));
        else keeper.store(name, std::get<std::string>(v));
    };
    return r;
}
} // namespace props

// _SetProperties: applies a property list to a window or a control. Each key
// names a property of the object's class or its bases, letter case ignored.
// Returns false (and applies nothing further) at a key that names no property,
// a value of another form, or a record cut short; it then says so on the error
// output, with the object's name and class.
bool SetProperties(Object& object, std::string_view record);

namespace seams {
// Every record handed to SetProperties while recording is on, with the object
// it went to and whether it parsed to its last byte.
struct AppliedRecord {
    const Object* object;
    std::string_view record;
    bool complete;
};
void recordAppliedRecords(bool on);
std::vector<AppliedRecord>& appliedRecords();
} // namespace seams

} // namespace fw
