#include "wave_file_entry.h"

#include <vector>

#include "sound/wave_stream.h"

namespace korvane::fuzz {

void readAsWaveFile(const std::uint8_t* data, std::size_t size) {
    std::string problem;
    auto bytes = std::make_unique<MemoryBytes>(std::vector<unsigned char>(data, data + size));
    std::unique_ptr<WaveStream> stream = WaveStream::open(std::move(bytes), problem);
    if (!stream) return;
    static_cast<void>(stream->length());
    std::vector<unsigned char> buffer(4096);
    while (stream->read(buffer.data(), buffer.size()) == buffer.size()) {
    }
}

}  // namespace korvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvane::fuzz::readAsWaveFile(data, size);
    return 0;
}
