#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace korvane {

// Decoded samples handed to the output device a buffer at a time.
class SampleSource {
  public:
    virtual ~SampleSource() = default;
    // Copies the next samples, up to count bytes; fewer only at the end of the sound.
    virtual std::size_t read(unsigned char* out, std::size_t count) = 0;
};

// Samples already in memory, which the caller keeps alive.
class MemorySamples : public SampleSource {
  public:
    MemorySamples(const unsigned char* data, std::size_t size) : data_(data), left_(size) {}
    std::size_t read(unsigned char* out, std::size_t count) override {
        const std::size_t n = std::min(count, left_);
        if (n > 0) std::memcpy(out, data_, n);
        data_ += n;
        left_ -= n;
        return n;
    }

  private:
    const unsigned char* data_;
    std::size_t left_;
};

}  // namespace korvane
