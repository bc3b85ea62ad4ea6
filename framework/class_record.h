// Class records: what each class registers with the runtime (name, base,
// operation table with signature texts and attributes, property rows with their
// accessors, window-event hooks) and the registry that finds them by name.
// Checked casts, the implicit-window lookup and property lists all go through it.
#pragma once

#include "framework/object.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct Attribute {
    std::string name;
    std::string value;
    bool hasValue = true;
};

inline Attribute publicScope() { return {"__Scope", "Public", true}; }
inline Attribute privateScope() { return {"__Scope", "Private", true}; }
inline Attribute hidden() { return {"Hidden", "", false}; }

using Invoker = std::function<Value(Object& self, std::span<const Value> args)>;

struct MethodRow {
    std::string name;
    int kind = 1;
    std::vector<Attribute> attributes;
    std::string signature;
    Invoker invoke; // empty for operations the runtime lists but does not provide
};

// A public method row, the form of nearly every row a class registers. Without
// an invoker it lists an operation that the runtime does not provide.
MethodRow publicMethod(std::string name, std::string signature = {}, Invoker invoke = {});
// The same, marked hidden from the runtime's reflection.
MethodRow hiddenMethod(std::string name, std::string signature, Invoker invoke);

struct PropertyRow {
    std::string name;
    int kind = 5;
    std::vector<Attribute> attributes;
    std::string typeCode; // "i4", "b", "c", "s", "A1s", "o<Class>", "f4", "u1"
    std::function<Value(const Object&)> get;
    std::function<void(Object&, const Value&)> set;
    std::array<std::string, 4> accessorNames{}; // get, set, reflective get, reflective set
};

struct InterfaceRow {
    std::string name;
    std::vector<std::string> operations;
};

struct EventHook {
    std::string event;
    std::string hook; // name of the hooking method, empty when not hooked
};

class ClassRecord {
public:
    std::string name;
    const ClassRecord* base = nullptr;
    std::vector<MethodRow> methods;       // own rows, in operation-table order
    std::vector<PropertyRow> properties;  // own rows, in property order
    std::vector<EventHook> eventHooks;    // window events, in the base's order
    std::vector<InterfaceRow> interfaces;
    std::vector<Attribute> attributes;
    std::function<void(Object&)> init;    // instance set-up hook, run by newObject
    std::function<void(Object&)> exit;    // instance tear-down hook, run when the last reference goes

    bool isA(const ClassRecord& other) const;
    // Own rows first, then the bases', so a subclass's row wins.
    const MethodRow* findMethod(std::string_view methodName) const;
    // Letter case ignored, searching the class and its bases.
    const PropertyRow* findProperty(std::string_view propertyName) const;
    // The hook of a window event, through the base chain; empty when none.
    std::string hookFor(std::string_view event) const;
    // The whole operation table: the base's operations, then the own ones.
    std::vector<const MethodRow*> operationTable() const;
};

class ClassRegistry {
public:
    static ClassRegistry& instance();
    // Registers a record under its name; the registry keeps it for the process.
    const ClassRecord& add(std::unique_ptr<ClassRecord> record);
    const ClassRecord* find(std::string_view className) const;
    std::vector<std::string> names() const; // in registration order

private:
    std::vector<std::unique_ptr<ClassRecord>> records_;
};

// Builds a class's record on first use and registers it; later calls return it.
// A builder may look up its base, which is built first.
const ClassRecord& lookupClass(const char* className, std::unique_ptr<ClassRecord> (*build)());

// The builder of a class that registers nothing but its name.
std::unique_ptr<ClassRecord> plainRecord();

// A class's event-hook table: one entry for each of `base`'s events, in the
// base's order, hooked where `hooked` names the event and empty elsewhere.
std::vector<EventHook> hookEvents(const ClassRecord& base, std::initializer_list<EventHook> hooked);

bool equalsIgnoreCase(std::string_view a, std::string_view b);

// A checked cast: nil stays nil; an object of another class raises the
// illegal-cast exception.
template <class T>
Ref<T> checkedCast(const Ref<Object>& object) {
    if (!object) return nullptr;
    if (!object->classRecord().isA(T::staticRecord()))
        throw IllegalCastException("cannot cast " + object->classRecord().name + " to " + T::staticRecord().name);
    return Ref<T>(static_cast<T*>(object.get()));
}

// Adapters that turn a C++ member function into a method-row invoker.
namespace detail {
template <class T>
T fromValue(const Value& v) {
    if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, bool> || std::is_same_v<T, std::string>) {
        return std::get<T>(v);
    } else {
        using Pointee = std::remove_cvref_t<decltype(*std::declval<T>())>;
        return checkedCast<Pointee>(std::get<Ref<Object>>(v));
    }
}
template <class R>
Value toValue(R&& r) {
    using D = std::remove_cvref_t<R>;
    if constexpr (std::is_same_v<D, std::int32_t> || std::is_same_v<D, bool> || std::is_same_v<D, std::string>) {
        return Value(std::forward<R>(r));
    } else {
        return Value(Ref<Object>(r.get()));
    }
}
} // namespace detail

template <auto Method, class Self, class R, class... Args, std::size_t... I>
Value invokeMember(Object& self, std::span<const Value> args, std::index_sequence<I...>) {
    if (args.size() < sizeof...(Args)) throw RuntimeException("too few arguments");
    auto& me = static_cast<Self&>(self);
    if constexpr (std::is_void_v<R>) {
        (me.*Method)(detail::fromValue<std::remove_cvref_t<Args>>(args[I])...);
        return Value{};
    } else {
        return detail::toValue((me.*Method)(detail::fromValue<std::remove_cvref_t<Args>>(args[I])...));
    }
}

template <class Sig>
struct MemberTraits;
template <class Self, class R, class... Args>
struct MemberTraits<R (Self::*)(Args...) const> : MemberTraits<R (Self::*)(Args...)> {};
template <class Self, class R, class... Args>
struct MemberTraits<R (Self::*)(Args...)> {
    using SelfType = Self;
    using Result = R;
    static constexpr std::size_t arity = sizeof...(Args);
    template <auto Method>
    static Value call(Object& self, std::span<const Value> args) {
        return invokeMember<Method, Self, R, Args...>(self, args, std::index_sequence_for<Args...>{});
    }
};

// The invoker of a member function, for a method row.
template <auto Method>
Invoker invokerOf() {
    return &MemberTraits<decltype(Method)>::template call<Method>;
}

} // namespace fw

namespace fw {
// RuntimeNewObject: creates an object and runs its class's set-up hooks, the
// base's first.
template <class T>
Ref<T> newObject() {
    Ref<T> object = make<T>();
    std::vector<const ClassRecord*> chain;
    for (const ClassRecord* c = &T::staticRecord(); c; c = c->base) chain.insert(chain.begin(), c);
    for (const ClassRecord* c : chain)
        if (c->init) c->init(*object);
    return object;
}
} // namespace fw

namespace fw {
// Calls an operation through the object's method table; an operation the table
// lacks raises the nil-object exception.
Value callMethod(Object& self, std::string_view name, std::span<const Value> args = {});
} // namespace fw
