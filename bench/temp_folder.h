#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace korvane::bench {

// A folder of this run's own under the system's temporary folder, removed with all it holds
// when this goes: two benches at once never share a file.
class TempFolder {
  public:
    TempFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX");
        if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("no temporary folder");
        path_ = name;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // FILE inside the folder.
    std::string operator/(const std::string& file) const { return (path_ / file).string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace korvane::bench
