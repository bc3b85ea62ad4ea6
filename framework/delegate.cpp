#include "framework/delegate.h"

namespace fw {

Delegate::Delegate(Ref<Object> target, const MethodRow& method, std::string signature)
    : target_(std::move(target)), methodName_(method.name), invoke_(method.invoke), signature_(std::move(signature)) {}

Delegate::Delegate(std::string name, Invoker routine, std::string signature)
    : methodName_(std::move(name)), invoke_(std::move(routine)), signature_(std::move(signature)) {}

Value Delegate::invoke(std::span<const Value> args) const {
    if (!invoke_) throw NilObjectException("delegate without a method: " + methodName_);
    // The target stays alive for the whole call, even if the call closes its window.
    Ref<Object> keep = target_;
    if (keep) return invoke_(*keep, args);
    // A routine of the runtime is bound to the delegate itself.
    return invoke_(const_cast<Delegate&>(*this), args);
}

const ClassRecord& Delegate::staticRecord() { return lookupClass("Delegate", plainRecord); }
const ClassRecord& Callable::staticRecord() { return lookupClass("Callable", plainRecord); }
const ClassRecord& ExceptionObject::staticRecord() { return lookupClass("RuntimeException", plainRecord); }

Ref<Delegate> createDelegate(const Ref<Object>& target, std::string_view methodName, std::string signature) {
    const MethodRow* row = deref(target).classRecord().findMethod(methodName);
    if (!row || !row->invoke) throw NilObjectException("no method " + std::string(methodName));
    return make<Delegate>(target, *row, std::move(signature));
}

} // namespace fw
