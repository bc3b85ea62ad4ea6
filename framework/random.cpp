#include "framework/random.h"

#include <algorithm>
#include <deque>
#include <utility>

namespace fw {

namespace {

// The program runs on one thread, so the seeding and script state is plain global data.
struct RandomState {
    bool seeded = false;
    std::mt19937_64 seeds; // hands out the seed of each new generator while seeded
    std::deque<std::int32_t> script;
};

RandomState& state() {
    static RandomState s;
    return s;
}

std::mt19937_64 freshEngine() {
    RandomState& s = state();
    if (s.seeded) return std::mt19937_64(s.seeds());
    // One device for the process: opening it is far dearer than reading it, and
    // every game makes three generators.
    static std::random_device device;
    std::seed_seq seq{device(), device(), device(), device(), device(), device(), device(), device()};
    return std::mt19937_64(seq);
}

} // namespace

Random::Random() : engine_(freshEngine()) {}

std::int32_t Random::InRange(std::int32_t min, std::int32_t max) {
    if (min > max) std::swap(min, max);
    RandomState& s = state();
    if (!s.script.empty()) {
        const std::int32_t v = s.script.front();
        s.script.pop_front();
        return std::clamp(v, min, max);
    }
    std::uniform_int_distribution<std::int32_t> dist(min, max);
    return dist(engine_);
}

namespace seams {

void seedRandom(std::uint64_t seed) {
    RandomState& s = state();
    s.seeded = true;
    s.seeds.seed(seed);
}

void unseedRandom() { state().seeded = false; }

void scriptRandom(std::vector<std::int32_t> values) {
    RandomState& s = state();
    s.script.assign(values.begin(), values.end());
}

void clearRandomScript() { state().script.clear(); }

} // namespace seams

} // namespace fw
