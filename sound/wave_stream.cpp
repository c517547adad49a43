#include "sound/wave_stream.h"

#include <algorithm>
#include <cstring>

namespace korvane {

namespace {

// Rates outside what any output can play are treated as a damaged header.
bool playableRate(int freq) {
    return freq >= 1000 && freq <= 384000;
}

std::size_t frameBytes(const SDL_AudioSpec& spec) {
    return std::size_t{SDL_AUDIO_BITSIZE(spec.format) / 8u} * spec.channels;
}

// SDL decodes one complete little wave file made of the format and these samples.
bool decode(const std::vector<unsigned char>& file, SDL_AudioSpec& spec,
            std::vector<unsigned char>& decoded, std::string& problem) {
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (source == nullptr || SDL_LoadWAV_RW(source, 1, &spec, &data, &length) == nullptr) {
        problem = std::string("not a wave SDL can decode: ") + SDL_GetError();
        return false;
    }
    decoded.assign(data, data + length);
    SDL_FreeWAV(data);
    return true;
}

}  // namespace

WaveStream::WaveStream(std::unique_ptr<ByteSource> bytes, WaveLayout layout)
    : bytes_(std::move(bytes)),
      layout_(std::move(layout)),
      pieceBytes_(std::max<std::size_t>(kPieceBytes / layout_.blockAlign, 1) * layout_.blockAlign) {
}

std::unique_ptr<WaveStream> WaveStream::open(std::unique_ptr<ByteSource> bytes,
                                             std::string& problem) {
    std::optional<WaveLayout> layout = findWaveLayout(*bytes, problem);
    if (!layout) return nullptr;
    std::unique_ptr<WaveStream> stream(new WaveStream(std::move(bytes), std::move(*layout)));
    if (!stream->decodeNextPiece(problem)) return nullptr;
    const SDL_AudioSpec& spec = stream->spec_;
    if (!playableRate(spec.freq) || spec.channels == 0 || frameBytes(spec) == 0) {
        problem = "a sample rate or channel count no output plays";
        return nullptr;
    }
    return stream;
}

std::chrono::milliseconds WaveStream::length() const {
    const double bytes = static_cast<double>(layout_.dataLength) * decodedBytesPerFileByte_;
    const double seconds = bytes / static_cast<double>(frameBytes(spec_)) / spec_.freq;
    return std::chrono::milliseconds(static_cast<std::int64_t>(seconds * 1000));
}

bool WaveStream::decodeNextPiece(std::string& problem) {
    const std::size_t count = std::min<std::uint64_t>(pieceBytes_, layout_.dataLength - nextPiece_);
    std::vector<unsigned char> piece(count);
    piece.resize(bytes_->readAt(layout_.dataStart + nextPiece_, piece.data(), count));
    nextPiece_ += count;
    SDL_AudioSpec spec{};
    if (!decode(waveWithSamples(layout_, piece.data(), piece.size()), spec, decoded_, problem)) {
        return false;
    }
    if (spec_.freq == 0) spec_ = spec;
    if (!piece.empty()) {
        decodedBytesPerFileByte_ = static_cast<double>(decoded_.size()) / piece.size();
    }
    decodedRead_ = 0;
    return true;
}

std::size_t WaveStream::read(unsigned char* out, std::size_t count) {
    std::size_t done = 0;
    std::string problem;
    while (done < count) {
        if (decodedRead_ == decoded_.size()) {
            // A piece that will not decode ends the sound there.
            if (nextPiece_ >= layout_.dataLength || !decodeNextPiece(problem)) break;
        }
        const std::size_t n = std::min(count - done, decoded_.size() - decodedRead_);
        std::memcpy(out + done, decoded_.data() + decodedRead_, n);
        decodedRead_ += n;
        done += n;
    }
    return done;
}

}  // namespace korvane
