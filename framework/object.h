// The runtime's object model: reference-counted objects, counted references,
// the runtime exceptions and the value type that method and property rows use.
#pragma once

#include "framework/property_record.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace fw {

class ClassRecord;

class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    void retain() const { ++refs_; }
    void release() const {
        if (refs_ > 1) {
            --refs_;
            return;
        }
        refs_ = 0;
        destroy(this);
    }
    int refCount() const { return refs_; }

    // The record of the object's most derived registered class.
    virtual const ClassRecord& classRecord() const = 0;

private:
    // Out of line, so the compiler does not follow the deletion into callers.
    static void destroy(const Object* object);
    mutable int refs_ = 0;
};

// A counted reference. An empty reference is the runtime's nil.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(T* p) : p_(p) {
        if (p_) p_->retain();
    }
    Ref(const Ref& o) : Ref(o.p_) {}
    Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& o) : Ref(o.get()) {}
    ~Ref() {
        if (p_) p_->release();
    }
    Ref& operator=(Ref o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }
    bool operator==(const Ref& o) const { return p_ == o.p_; }

private:
    T* p_ = nullptr;
};

template <class T, class... Args>
Ref<T> make(Args&&... args) {
    return Ref<T>(new T(std::forward<Args>(args)...));
}

// Base of the exceptions that the runtime raises and reports by class name.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = {}) : message_(std::move(message)) {}
    virtual std::string className() const { return "RuntimeException"; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string className() const override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string className() const override { return "IllegalCastException"; }
};

// Where a call was made, for the messages of the runtime's exceptions.
struct CallSite {
    const char* file;
    int line;
    const char* function;
    std::string describe() const;
};

// A reference found by name: a window's control or a menu bar's item. A nil
// one still says what was looked for, and where, so that using it names what
// is missing. It keeps its own copy of both names, so a name built on the spot
// by the caller is still there when the message is made.
template <class T>
class Found : public Ref<T> {
public:
    Found(Ref<T> ref, std::string_view name, std::string_view within)
        : Ref<T>(std::move(ref)), name_(name), within_(within) {}
    std::string_view name() const { return name_; }
    std::string_view within() const { return within_; }

private:
    std::string name_;
    std::string within_;
};

[[noreturn]] void throwNilObject(const CallSite& where);
[[noreturn]] void throwNotFound(std::string_view name, std::string_view within, const CallSite& where);

// Using a member through a missing object raises the nil-object exception,
// which says where it was used.
template <class T>
T& deref(const Ref<T>& ref, const char* file = __builtin_FILE(), int line = __builtin_LINE(),
         const char* function = __builtin_FUNCTION()) {
    if (!ref) throwNilObject({file, line, function});
    return *ref;
}
// The same for an object found by name, whose name the exception also gives.
template <class T>
T& deref(const Found<T>& found, const char* file = __builtin_FILE(), int line = __builtin_LINE(),
         const char* function = __builtin_FUNCTION()) {
    if (!found) throwNotFound(found.name(), found.within(), {file, line, function});
    return *found;
}

using StringArray = std::vector<std::string>;

// A value passed to and from method and property rows.
using Value = std::variant<std::monostate, std::int32_t, bool, double, Color, std::string, StringArray, Ref<Object>>;

} // namespace fw
