#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

#include "fuzz/race_events/race_invariants.h"

namespace korvane::fuzz {

// Where a run's choices come from: a fuzzer's bytes or a seeded generator.
class Choices {
  public:
    virtual ~Choices() = default;
    virtual bool dry() const = 0;
    // A number from 0 to n - 1 (n at least 1).
    virtual std::uint32_t below(std::uint32_t n) = 0;
};

class SeededChoices : public Choices {
  public:
    explicit SeededChoices(std::uint32_t seed) : engine_(seed) {}
    bool dry() const override { return false; }
    std::uint32_t below(std::uint32_t n) override { return engine_() % n; }

  private:
    std::mt19937 engine_;
};

// Reads the choices from a fuzzer's input; once it runs dry every choice is 0.
class ByteChoices : public Choices {
  public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool dry() const override { return at_ >= size_; }
    std::uint32_t below(std::uint32_t n) override;

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Plays up to maxSteps random steps on a fresh race window, judging every one and adding what
// happened to the tally. Throws Broken naming the broken rule and the last steps before it.
void playSession(Choices& choices, Tally& tally, std::uint64_t maxSteps);

}  // namespace korvane::fuzz
