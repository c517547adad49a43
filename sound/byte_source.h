#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

// Random access to the bytes of a wave file, so a sound can be read in pieces as it plays.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies up to count bytes from offset; returns how many there were.
    virtual std::size_t readAt(std::uint64_t offset, unsigned char* out, std::size_t count) = 0;
};

// Bytes held in memory.
class MemoryBytes : public ByteSource {
  public:
    explicit MemoryBytes(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    std::size_t readAt(std::uint64_t offset, unsigned char* out, std::size_t count) override;

  private:
    std::vector<unsigned char> bytes_;
};

// A regular file opened for reading without blocking, so a FIFO swapped in after the path
// checks cannot hang the game (sound/file_bytes.cpp, one way per platform). Null with the
// reason (errno text) when it cannot be opened or is not a regular file.
std::unique_ptr<ByteSource> openFileBytes(const std::string& path, std::string& problem);

}  // namespace korvane
