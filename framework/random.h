// Random whole numbers. Every Random is a fresh generator; tests can make the
// sequence repeatable (seedRandom) or dictate the next draws (scriptRandom).
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace fw {

class Random {
public:
    Random();
    // A whole number from min to max, both included (min and max swapped if reversed).
    std::int32_t InRange(std::int32_t min, std::int32_t max);

private:
    std::mt19937_64 engine_;
};

namespace seams {
// From now on new generators are seeded from one repeatable sequence started by `seed`.
void seedRandom(std::uint64_t seed);
// Back to fresh, unpredictable seeds.
void unseedRandom();
// The next InRange calls of any generator return these values in order (each
// clamped into the asked range), then drawing goes on as before.
void scriptRandom(std::vector<std::int32_t> values);
void clearRandomScript();
} // namespace seams

} // namespace fw
