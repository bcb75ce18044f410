// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <random>

namespace sd {

// Seconds since midnight with a fraction; injected so tests control time.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() = 0;
};

// The local time of day.
class SystemClock final : public Clock {
  public:
    double secondsSinceMidnight() override;
};

// Uniform whole numbers; injected so tests control the draws.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A number in [0, bound), every value equally likely; bound is at least 1.
    virtual int below(int bound) = 0;
};

// One Mersenne Twister seeded once from the clock.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(Clock& clock);
    explicit SeededRandom(uint32_t seed) : engine_(seed) {}
    int below(int bound) override;

  private:
    std::mt19937 engine_;
};

}  // namespace sd
