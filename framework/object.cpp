#include "framework/object.h"

#include "framework/class_record.h"

namespace fw {

void Object::destroy(const Object* object) {
    // The classes' tear-down hooks run while the object is still whole, the
    // most derived class's first.
    auto& whole = const_cast<Object&>(*object);
    // A hook that takes a reference of its own does not delete it a second time.
    object->refs_ = 1;
    for (const ClassRecord* c = &object->classRecord(); c; c = c->base)
        if (c->exit) c->exit(whole);
    delete object;
}

namespace {
// The last two parts of a source path, which are enough to find the file.
std::string_view shortPath(std::string_view path) {
    const std::size_t last = path.rfind('/');
    if (last == std::string_view::npos || last == 0) return path;
    const std::size_t before = path.rfind('/', last - 1);
    return before == std::string_view::npos ? path : path.substr(before + 1);
}
} // namespace

std::string CallSite::describe() const {
    return std::string(function) + " (" + std::string(shortPath(file)) + ":" + std::to_string(line) + ")";
}

void throwNilObject(const CallSite& where) { throw NilObjectException("a nil object was used in " + where.describe()); }

void throwNotFound(std::string_view name, std::string_view within, const CallSite& where) {
    throw NilObjectException("no " + std::string(name) + " in " + std::string(within) + ", used in " +
                             where.describe());
}

} // namespace fw
