#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane::testing {

// A fresh folder in GoogleTest's temporary folder, removed with everything in it (permissions
// restored first).
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes the file and returns its path.
    std::string write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::string writeText(const std::string& name, const std::string& text) const;
    // A mono 16-bit wave of a 440 Hz tone lasting ms milliseconds.
    std::string writeTone(const std::string& name, int ms, int rate = 22050) const;

  private:
    std::string path_;
};

// A 440 Hz tone at about half of full scale.
std::vector<std::int16_t> toneSamples(int ms, int rate);

}  // namespace korvane::testing
