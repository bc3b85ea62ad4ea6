#include "framework/control.h"

#include "framework/runtime.h"
#include "framework/text_font.h"
#include "framework/window.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <cstdio>

namespace fw {

struct Control::WidgetSlot {
    QPointer<QWidget> widget;
};

Control::Control() : slot_(std::make_unique<WidgetSlot>()) {}

Control::~Control() {
    // A widget still inside a living window goes with the control; until it is
    // deleted it must neither paint nor report input to the control it served.
    // The runtime connects a widget's signals with the widget itself as the
    // context, so this cuts exactly those; Qt's own connections (the
    // accessibility cache's watch on `destroyed` among them) must stay.
    if (QWidget* w = slot_->widget) {
        QObject::disconnect(w, nullptr, w, nullptr);
        w->hide();
        w->setEnabled(false);
        w->deleteLater();
    }
}

namespace {
std::unique_ptr<ClassRecord> buildControl() {
    auto r = std::make_unique<ClassRecord>();
    r->properties = {props::text<Control>("Name", &Control::Name, &Control::SetName), props::stored("Index", "i4")};
    return r;
}

std::unique_ptr<ClassRecord> buildRectControl() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &Control::staticRecord();
    using R = RectControl;
    r->properties = {
        props::row<R, std::int32_t>("Left", "i4", &R::Left, &R::SetLeft),
        props::row<R, std::int32_t>("Top", "i4", &R::Top, &R::SetTop),
        props::row<R, std::int32_t>("Width", "i4", &R::Width, &R::SetWidth),
        props::row<R, std::int32_t>("Height", "i4", &R::Height, &R::SetHeight),
        props::row<R, bool>("Enabled", "b", &R::Enabled, &R::SetEnabled),
        props::row<R, bool>("Visible", "b", &R::Visible, &R::SetVisible),
        props::row<R, bool>("Bold", "b", &R::Bold, &R::SetBold),
        props::row<R, bool>("Italic", "b", &R::Italic, &R::SetItalic),
        props::row<R, bool>("Underline", "b", &R::Underline, &R::SetUnderline),
        props::row<R, std::int32_t>("TabIndex", "i4", &R::TabIndex, &R::SetTabIndex),
        props::text<R>("InitialParent", &R::InitialParent, &R::SetInitialParent),
        props::stored("LockLeft", "b"),
        props::stored("LockTop", "b"),
        props::stored("LockRight", "b"),
        props::stored("LockBottom", "b"),
        props::stored("TabPanelIndex", "i4"),
        props::stored("TabStop", "b"),
        props::stored("HelpTag", "s"),
        props::stored("AutoDeactivate", "b"),
        props::text<R>("TextFont", &R::TextFont, &R::SetTextFont),
        props::stored("DataSource", "s"),
        props::stored("DataField", "s"),
    };
    return r;
}
} // namespace

const ClassRecord& Control::staticRecord() { return lookupClass("Control", buildControl); }
const ClassRecord& RectControl::staticRecord() { return lookupClass("RectControl", buildRectControl); }

Window* Control::window() const {
    auto token = window_.lock();
    return token ? *token : nullptr;
}

void Control::AddEventHandler(const std::string& event, Ref<Delegate> handler) { handlers_[event] = std::move(handler); }

bool Control::hasEventHandler(const std::string& event) const { return handlers_.count(event) != 0; }

Value Control::raiseEvent(const std::string& event, std::vector<Value> args) {
    auto it = handlers_.find(event);
    if (it == handlers_.end()) return Value{};
    // The control, its window and the delegate stay alive until the handler
    // returns, even when the handler closes the window.
    Ref<Control> self(this);
    Ref<Window> owner(window());
    Ref<Delegate> handler = it->second;
    runtime::HandlerScope scope(owner.get());
    std::vector<Value> call;
    call.reserve(args.size() + 1);
    call.emplace_back(Ref<Object>(this));
    for (Value& a : args) call.push_back(std::move(a));
    return handler->invoke(std::span<const Value>(call));
}

void Control::raiseUserEvent(const std::string& event, std::vector<Value> args, std::function<bool()> deliver) {
    runtime::dispatch(
        [self = Ref<Control>(this), event, args = std::move(args), deliver = std::move(deliver)]() mutable {
            // It may have waited for another handler, which can have disabled
            // the control or closed its window meanwhile: then the act is void.
            if (!self->takesUserInput() || (deliver && !deliver())) return;
            self->raiseEvent(event, std::move(args));
        });
}

bool Control::takesUserInput() const {
    Window* w = window();
    return w && w->isOpen();
}

bool RectControl::takesUserInput() const { return Control::takesUserInput() && enabled_ && visible_; }

PropertyValue Control::stored(const std::string& key) const {
    auto it = stored_.find(key);
    return it == stored_.end() ? PropertyValue{} : it->second;
}

void Control::store(const std::string& key, PropertyValue value) { stored_[key] = std::move(value); }

void Control::attach(Window& window, QWidget* content) {
    window_ = window.aliveToken();
    slot_->widget = createWidget(content);
}

void Control::windowClosed() { handlers_.clear(); }

QWidget* Control::createWidget(QWidget*) { return nullptr; }

QWidget* Control::widget() const { return slot_->widget.data(); }

void RectControl::attach(Window& window, QWidget* content) {
    Control::attach(window, content);
    applyGeometry();
    applyFont();
    if (QWidget* w = widget()) {
        w->setEnabled(enabled_);
        w->setVisible(visible_);
    }
}

void RectControl::SetLeft(std::int32_t v) {
    left_ = v;
    applyGeometry();
}
void RectControl::SetTop(std::int32_t v) {
    top_ = v;
    applyGeometry();
}
void RectControl::SetWidth(std::int32_t v) {
    width_ = v;
    applyGeometry();
}
void RectControl::SetHeight(std::int32_t v) {
    height_ = v;
    applyGeometry();
}

void RectControl::SetEnabled(bool v) {
    enabled_ = v;
    QWidget* w = widget();
    if (!w) return;
    // Disabling the focused widget would hand the focus on along the tab chain,
    // where the next key (Space on "Restart") would act on a control the user
    // never chose. The window's content area takes it instead and ignores keys.
    QWidget* focused = w->window()->focusWidget();
    if (!v && focused && (focused == w || w->isAncestorOf(focused))) {
        Window* owner = window();
        QWidget* content = owner ? owner->contentWidget() : nullptr;
        if (content) content->setFocus(Qt::OtherFocusReason);
        else w->clearFocus();
    }
    w->setEnabled(v);
}

void RectControl::setAccessibleName(const std::string& name) {
    if (QWidget* w = widget()) w->setAccessibleName(QString::fromStdString(name));
}

void RectControl::SetVisible(bool v) {
    visible_ = v;
    if (QWidget* w = widget()) w->setVisible(v);
}

void RectControl::SetTextSize(double points) {
    textSize_ = points;
    applyFont();
}
void RectControl::SetBold(bool v) {
    bold_ = v;
    applyFont();
}
void RectControl::SetItalic(bool v) {
    italic_ = v;
    applyFont();
}
void RectControl::SetUnderline(bool v) {
    underline_ = v;
    applyFont();
}

void RectControl::SetTextFont(std::string name) {
    textFont_ = std::move(name);
    applyFont();
}

void RectControl::applyGeometry() {
    if (QWidget* w = widget()) w->setGeometry(left_, top_, width_, height_);
}

void RectControl::applyFont() {
    QWidget* w = widget();
    if (!w) return;
    QFont f = w->font();
    const std::string family = textFontFamily(textFont_);
    if (!family.empty()) f.setFamily(QString::fromStdString(family));
    // Sizes are in pixels, as the design was drawn at one pixel per point.
    f.setPixelSize(static_cast<int>(textSize_ > 0 ? textSize_ : kDefaultTextSize));
    f.setBold(bold_);
    f.setItalic(italic_);
    f.setUnderline(underline_);
    w->setFont(f);
}

Value toValue(const PropertyValue& v) {
    return std::visit([](const auto& x) { return Value(x); }, v);
}

namespace {
bool& recordingApplied() {
    static bool on = false;
    return on;
}

std::optional<Form> formOfTypeCode(const std::string& typeCode) {
    if (typeCode == "i4") return Form::Int32;
    if (typeCode == "b") return Form::Boolean;
    if (typeCode == "c") return Form::Color;
    if (typeCode == "s") return Form::String;
    return std::nullopt;
}
} // namespace

bool SetProperties(Object& object, std::string_view record) {
    const ClassRecord& cls = object.classRecord();
    DecodeResult decoded = decodeRecord(record, [&](std::string_view key) -> std::optional<Form> {
        const PropertyRow* row = cls.findProperty(key);
        if (!row || !row->set) return std::nullopt;
        return formOfTypeCode(row->typeCode);
    });
    for (const DecodedEntry& e : decoded.entries) cls.findProperty(e.key)->set(object, toValue(e.value));
    if (recordingApplied()) seams::appliedRecords().push_back({&object, record, decoded.complete});
    if (!decoded.complete) {
        // The caller goes on with the object as far as it was set; whoever
        // changed the design learns which list stopped, and why.
        const auto* control = dynamic_cast<const Control*>(&object);
        const std::string what = control ? control->Name() + " (" + cls.name + ")" : cls.name;
        std::fprintf(stderr, "The property list of %s stopped at its entry %zu: %s\n", what.c_str(),
                     decoded.entries.size() + 1, decoded.error.c_str());
        std::fflush(stderr);
    }
    return decoded.complete;
}

void seams::recordAppliedRecords(bool on) { recordingApplied() = on; }

std::vector<seams::AppliedRecord>& seams::appliedRecords() {
    static std::vector<AppliedRecord> applied;
    return applied;
}

} // namespace fw
