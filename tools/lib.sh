# shellcheck shell=bash
# Shared steps of the build scripts; configure and build_and_test work from the
# top of the checkout.

# Runs a command as root: through sudo unless root already.
as_root() {
    if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

# Configures a build folder: configure DIR [CMAKE_ARGUMENT...]. Under CI
# (CI=true) every warning is an error; elsewhere a new compiler's warning must
# not stop a build.
configure() {
    local dir=$1 werror=OFF
    shift
    if [[ ${CI:-} == true ]]; then werror=ON; fi
    cmake -S . -B "$dir" -DCMAKE_COMPILE_WARNING_AS_ERROR:BOOL="$werror" "$@" >/dev/null
}

# Configures a build folder as configure does, builds everything in it and runs
# every test there.
build_and_test() {
    configure "$@"
    cmake --build "$1" -j"$(nproc)"
    ctest --test-dir "$1" --output-on-failure -j"$(nproc)"
}
