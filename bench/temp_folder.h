#pragma once

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

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
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A new folder of this run's own for a game it starts, removed with all the game left there when
// the bench ends.
inline std::string folderUntilExit() {
    static std::vector<std::unique_ptr<TempFolder>> folders;
    folders.push_back(std::make_unique<TempFolder>());
    return folders.back()->path().string();
}

}  // namespace korvane::bench
