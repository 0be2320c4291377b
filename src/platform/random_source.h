#pragma once

#include <cstdint>
#include <random>

namespace fennick::platform {

// The program's one random generator (bot picks, mod icons). Tests seed it.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed) : engine_(seed) {}
    static RandomSource fromEntropy() { return RandomSource(std::random_device{}()); }

    // A uniform whole number in [low, high]; low when the range is empty.
    int pick(int low, int high) {
        if (high <= low)
            return low;
        std::uniform_int_distribution<int> dist(low, high);
        return dist(engine_);
    }

private:
    std::mt19937 engine_;
};

} // namespace fennick::platform
