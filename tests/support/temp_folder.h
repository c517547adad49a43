#pragma once

#include <string>
#include <vector>

namespace korvane::testing {

// A fresh folder in GoogleTest's temporary folder, removed with everything in it (permissions
// restored first), so tests and whole test runs never meet on a path.
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

  private:
    std::string path_;
};

}  // namespace korvane::testing
