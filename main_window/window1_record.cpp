// The class record that Window1 registers with the runtime: its operation table
// with signature texts and attributes, its property rows and its window hooks.
#include "main_window/window1.h"

namespace vantoro {

namespace {
using fw::hiddenMethod;
using fw::publicMethod;
using fw::publicScope;

template <class Field>
fw::PropertyRow property(const char* name, const char* typeCode, Field Window1::*field, const char* accessorType) {
    const std::string t = accessorType;
    return fw::PropertyRow{
        .name = name,
        .kind = 5,
        .attributes = {publicScope()},
        .typeCode = typeCode,
        .get = [field](const fw::Object& o) { return fw::Value(static_cast<const Window1&>(o).*field); },
        .set = [field](fw::Object& o, const fw::Value& v) { static_cast<Window1&>(o).*field = std::get<Field>(v); },
        .accessorNames = {t + ".Get", t + ".Set", t + ".Introspection.GetValue", t + ".Introspection.SetValue"},
    };
}

std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    auto& m = r->methods;
    m.push_back(publicMethod("Layout", "%%", fw::invokerOf<&Window1::Layout>()));
    m.push_back(publicMethod("CreateControls", "%%", fw::invokerOf<&Window1::CreateControls>()));
    m.push_back(hiddenMethod("_CreateControls0", "%%", fw::invokerOf<&Window1::CreateControls0>()));
    m.push_back(hiddenMethod("_CreateControls1", "%%", fw::invokerOf<&Window1::CreateControls1>()));
    m.push_back(hiddenMethod("_CreateControls2", "%%", fw::invokerOf<&Window1::CreateControls2>()));
#define VANTORO_ACCESSOR_ROW(name, cls) m.push_back(publicMethod(#name, "%o<" #cls ">%", fw::invokerOf<&Window1::name>()));
    VANTORO_MAIN_CONTROLS(VANTORO_ACCESSOR_ROW)
#define VANTORO_HANDLER_ROW(name, cls) m.push_back(publicMethod(#name, "%%o<" #cls ">", fw::invokerOf<&Window1::name>()));
#define VANTORO_MOUSE_ROW(name, cls) m.push_back(publicMethod(#name, "%b%o<" #cls ">i4i4", fw::invokerOf<&Window1::name>()));
    VANTORO_MAIN_HANDLERS(VANTORO_HANDLER_ROW, VANTORO_MOUSE_ROW)
    VANTORO_MENU_ITEMS(VANTORO_ACCESSOR_ROW)
#undef VANTORO_ACCESSOR_ROW
#undef VANTORO_HANDLER_ROW
#undef VANTORO_MOUSE_ROW
    m.push_back(publicMethod("AddMenuHandlers", "%%o<Window>", fw::invokerOf<&Window1::AddMenuHandlers>()));
    m.push_back(publicMethod("Event_EnableMenuItems", "%%", fw::invokerOf<&Window1::Event_EnableMenuItems>()));
    m.push_back(publicMethod("_FileAboutVantoro2011_Action", "%b%", fw::invokerOf<&Window1::FileAboutVantoro2011_Action>()));
    m.push_back(publicMethod("_Instructionsinstructions_Action", "%b%", fw::invokerOf<&Window1::Instructionsinstructions_Action>()));

    r->properties = {
        property("team", "A1s", &Window1::team, "Object"),
        property("one", "i4", &Window1::one, "Int32"),
        property("two", "i4", &Window1::two, "Int32"),
        property("three", "i4", &Window1::three, "Int32"),
        property("four", "i4", &Window1::four, "Int32"),
        property("five", "i4", &Window1::five, "Int32"),
        property("six", "i4", &Window1::six, "Int32"),
        property("seven", "i4", &Window1::seven, "Int32"),
        property("eight", "i4", &Window1::eight, "Int32"),
        property("listit", "i4", &Window1::listit, "Int32"),
        property("TeamList", "s", &Window1::TeamList, "String"),
    };

    r->eventHooks = fw::hookEvents(fw::Window::staticRecord(), {{"Layout", "Layout"},
                                                                {"CreateControls", "CreateControls"},
                                                                {"AddMenuHandlers", "AddMenuHandlers"},
                                                                {"EnableMenuItems", "Event_EnableMenuItems"}});
    r->attributes = {publicScope()};
    r->init = [](fw::Object& o) { static_cast<Window1&>(o).Init(); };
    r->exit = [](fw::Object& o) { static_cast<Window1&>(o).Exit(); };
    return r;
}
} // namespace

const fw::ClassRecord& Window1::staticRecord() { return fw::lookupClass("Window1.Window1", build); }

} // namespace vantoro
