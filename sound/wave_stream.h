#pragma once

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sound/byte_source.h"
#include "sound/sample_source.h"
#include "sound/wave_layout.h"

namespace korvane {

// A wave file decoded by SDL a piece at a time as it plays, so a file of any length plays in
// a few hundred kilobytes of memory.
class WaveStream : public SampleSource {
  public:
    // Bytes of the file decoded at a time (whole blocks of the format).
    static constexpr std::size_t kPieceBytes = 256 * 1024;

    // Decodes the first piece; null, with SDL's reason, when SDL cannot decode the file or
    // its rate or channels are nothing an output could play.
    static std::unique_ptr<WaveStream> open(std::unique_ptr<ByteSource> bytes,
                                            std::string& problem);

    // The decoded format, and how long the whole sound lasts.
    const SDL_AudioSpec& spec() const { return spec_; }
    std::chrono::milliseconds length() const;

    std::size_t read(unsigned char* out, std::size_t count) override;

  private:
    WaveStream(std::unique_ptr<ByteSource> bytes, WaveLayout layout);
    bool decodeNextPiece(std::string& problem);

    std::unique_ptr<ByteSource> bytes_;
    WaveLayout layout_;
    std::size_t pieceBytes_;
    SDL_AudioSpec spec_{};
    std::vector<unsigned char> decoded_;
    std::size_t decodedRead_ = 0;
    std::uint64_t nextPiece_ = 0;         // offset into the samples of the file
    double decodedBytesPerFileByte_ = 1;  // how much a piece grows when decoded
};

}  // namespace korvane
