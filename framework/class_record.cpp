#include "framework/class_record.h"

#include <algorithm>
#include <cctype>

namespace fw {

std::unique_ptr<ClassRecord> plainRecord() { return std::make_unique<ClassRecord>(); }

std::vector<EventHook> hookEvents(const ClassRecord& base, std::initializer_list<EventHook> hooked) {
    std::vector<EventHook> table;
    for (const EventHook& e : base.eventHooks) {
        std::string hook;
        for (const EventHook& h : hooked)
            if (h.event == e.event) hook = h.hook;
        table.push_back({e.event, std::move(hook)});
    }
    return table;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

MethodRow publicMethod(std::string name, std::string signature, Invoker invoke) {
    return MethodRow{std::move(name), 1, {publicScope()}, std::move(signature), std::move(invoke)};
}

MethodRow hiddenMethod(std::string name, std::string signature, Invoker invoke) {
    MethodRow row = publicMethod(std::move(name), std::move(signature), std::move(invoke));
    row.attributes.push_back(hidden());
    return row;
}

bool ClassRecord::isA(const ClassRecord& other) const {
    for (const ClassRecord* c = this; c; c = c->base)
        if (c == &other) return true;
    return false;
}

const MethodRow* ClassRecord::findMethod(std::string_view methodName) const {
    for (const ClassRecord* c = this; c; c = c->base)
        for (const MethodRow& row : c->methods)
            if (row.name == methodName) return &row;
    return nullptr;
}

const PropertyRow* ClassRecord::findProperty(std::string_view propertyName) const {
    for (const ClassRecord* c = this; c; c = c->base)
        for (const PropertyRow& row : c->properties)
            if (equalsIgnoreCase(row.name, propertyName)) return &row;
    return nullptr;
}

std::string ClassRecord::hookFor(std::string_view event) const {
    for (const ClassRecord* c = this; c; c = c->base)
        for (const EventHook& h : c->eventHooks)
            if (h.event == event && !h.hook.empty()) return h.hook;
    return {};
}

std::vector<const MethodRow*> ClassRecord::operationTable() const {
    std::vector<const MethodRow*> table = base ? base->operationTable() : std::vector<const MethodRow*>{};
    for (const MethodRow& row : methods) table.push_back(&row);
    return table;
}

ClassRegistry& ClassRegistry::instance() {
    // Never destroyed: objects released during the process's own tear-down
    // still ask for their class.
    static ClassRegistry* registry = new ClassRegistry;
    return *registry;
}

const ClassRecord& ClassRegistry::add(std::unique_ptr<ClassRecord> record) {
    records_.push_back(std::move(record));
    return *records_.back();
}

const ClassRecord* ClassRegistry::find(std::string_view className) const {
    for (const auto& r : records_)
        if (r->name == className) return r.get();
    return nullptr;
}

std::vector<std::string> ClassRegistry::names() const {
    std::vector<std::string> out;
    for (const auto& r : records_) out.push_back(r->name);
    return out;
}

const ClassRecord& lookupClass(const char* className, std::unique_ptr<ClassRecord> (*build)()) {
    if (const ClassRecord* existing = ClassRegistry::instance().find(className)) return *existing;
    auto record = build();
    record->name = className;
    return ClassRegistry::instance().add(std::move(record));
}

} // namespace fw

namespace fw {
Value callMethod(Object& self, std::string_view name, std::span<const Value> args) {
    const MethodRow* method = self.classRecord().findMethod(name);
    if (!method || !method->invoke) throw NilObjectException("no operation " + std::string(name));
    return method->invoke(self, args);
}
} // namespace fw
