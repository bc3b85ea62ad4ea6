// Delegates: a method bound to an object, carrying its signature text. Control
// events, menu handlers and the runtime's start-up and exception routines are
// delegates.
#pragma once

#include "framework/class_record.h"

#include <functional>
#include <span>
#include <string>

namespace fw {

class Delegate : public Object {
public:
    // Bound to `target` and the method of that name in its class's method table.
    Delegate(Ref<Object> target, const MethodRow& method, std::string signature);
    // Bound to a routine of the runtime itself.
    Delegate(std::string name, Invoker routine, std::string signature);

    Value invoke(std::span<const Value> args) const;
    Value invoke(std::initializer_list<Value> args) const { return invoke(std::span<const Value>(args.begin(), args.size())); }

    const std::string& signature() const { return signature_; }
    const std::string& methodName() const { return methodName_; }
    const Ref<Object>& target() const { return target_; }

    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

private:
    Ref<Object> target_;
    std::string methodName_;
    Invoker invoke_;
    std::string signature_;
};

// RuntimeCreateDelegate: the method is taken from the target's method table; a
// name the table lacks raises the nil-object exception.
Ref<Delegate> createDelegate(const Ref<Object>& target, std::string_view methodName, std::string signature);

// An object that carries a C++ routine, so the exception helper can be handed one.
class Callable : public Object {
public:
    explicit Callable(std::function<void()> fn) : fn_(std::move(fn)) {}
    void operator()() const { fn_(); }
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

private:
    std::function<void()> fn_;
};

// A caught runtime exception as an object.
class ExceptionObject : public Object {
public:
    explicit ExceptionObject(std::string className, std::string message)
        : className_(std::move(className)), message_(std::move(message)) {}
    const std::string& exceptionClass() const { return className_; }
    const std::string& message() const { return message_; }
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

private:
    std::string className_;
    std::string message_;
};

} // namespace fw
