#include "sound/wave_layout.h"

#include <algorithm>
#include <cstring>

namespace korvane {

namespace {

// SDL reads no more of a fmt chunk than this (its largest format, MS ADPCM with coefficients).
constexpr std::size_t kFormatBytesRead = 1046;
// SDL gives up on a file after this many chunks.
constexpr int kChunkLimit = 10000;
constexpr std::uint64_t kUnknownFormLength = 0xFFFFFFFFu;

std::uint32_t readLE32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void putLE32(std::vector<unsigned char>& out, std::uint64_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putBytes(std::vector<unsigned char>& out, const void* bytes, std::size_t count) {
    const std::size_t at = out.size();
    out.resize(at + count);
    if (count > 0) std::memcpy(out.data() + at, bytes, count);
}

void putTag(std::vector<unsigned char>& out, const char* tag) {
    putBytes(out, tag, 4);
}

struct Chunk {
    std::uint64_t start = 0;  // of its body
    std::uint64_t length = 0;
};

// Where the chunks begin and where the form says they end.
struct Form {
    std::uint64_t start = 0;
    std::uint64_t end = 0;
};

// After "RIFF", its length and "WAVE"; or right after a leading "WAVE", whose length is then
// unknown.
std::optional<Form> findForm(ByteSource& bytes, std::string& problem) {
    unsigned char head[12] = {};
    const std::size_t got = bytes.readAt(0, head, sizeof head);
    if (got >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0) {
        const std::uint32_t length = readLE32(head + 4);
        return Form{12, 8 + (length != 0 ? length : kUnknownFormLength)};
    }
    if (got >= 8 && std::memcmp(head, "WAVE", 4) == 0) return Form{4, kUnknownFormLength};
    problem = "not a RIFF WAVE file";
    return std::nullopt;
}

struct Chunks {
    std::optional<Chunk> format;
    std::optional<Chunk> data;
};

// Walks the chunk headers in the form's span up to the first fmt and data chunks.
bool walkChunks(ByteSource& bytes, const Form& form, Chunks& found, std::string& problem) {
    std::uint64_t next = form.start;
    for (int count = 0; form.end > next && !(found.format && found.data); ++count) {
        if (count >= kChunkLimit) return problem = "too many chunks", false;
        unsigned char header[8];
        if (bytes.readAt(next, header, sizeof header) != sizeof header) break;
        const Chunk chunk{next + 8, readLE32(header + 4)};
        if (std::memcmp(header, "fmt ", 4) == 0 && !found.format) {
            if (found.data) return problem = "fmt chunk after the data chunk", false;
            found.format = chunk;
        } else if (std::memcmp(header, "data", 4) == 0 && !found.data) {
            found.data = chunk;
        }
        next = chunk.start + chunk.length + (chunk.length & 1);  // chunks pad to even lengths
    }
    if (!found.format) return problem = "no fmt chunk", false;
    if (!found.data) return problem = "no data chunk", false;
    return true;
}

std::vector<unsigned char> readFormat(ByteSource& bytes, const Chunk& chunk) {
    std::vector<unsigned char> format(std::min<std::uint64_t>(chunk.length, kFormatBytesRead));
    format.resize(bytes.readAt(chunk.start, format.data(), format.size()));
    return format;
}

}  // namespace

std::optional<WaveLayout> findWaveLayout(ByteSource& bytes, std::string& problem) {
    const std::optional<Form> form = findForm(bytes, problem);
    Chunks found;
    if (!form || !walkChunks(bytes, *form, found, problem)) return std::nullopt;
    WaveLayout layout;
    layout.format = readFormat(bytes, *found.format);
    if (layout.format.size() < 14) return problem = "fmt chunk too short", std::nullopt;
    layout.blockAlign =
        std::max(1u, layout.format[12] | static_cast<unsigned>(layout.format[13]) << 8);
    const std::uint64_t size = bytes.size();
    layout.dataStart = std::min(found.data->start, size);
    layout.dataLength = std::min(found.data->length, size - layout.dataStart);
    return layout;
}

std::vector<unsigned char> waveWithSamples(const WaveLayout& layout, const unsigned char* samples,
                                           std::size_t count) {
    const std::size_t format = layout.format.size();
    const std::size_t pad = format & 1;
    std::vector<unsigned char> file;
    file.reserve(12 + 8 + format + pad + 8 + count);
    putTag(file, "RIFF");
    putLE32(file, 4 + 8 + format + pad + 8 + count);
    putTag(file, "WAVE");
    putTag(file, "fmt ");
    putLE32(file, format);
    putBytes(file, layout.format.data(), format);
    if (pad) file.push_back(0);
    putTag(file, "data");
    putLE32(file, count);
    putBytes(file, samples, count);
    return file;
}

}  // namespace korvane
