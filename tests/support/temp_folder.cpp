#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace korvane::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::path(::testing::TempDir()) / "korvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(path_, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_symlink()) fs::permissions(it->path(), fs::perms::owner_all, error);
    }
    fs::remove_all(path_, error);
}

std::string TempFolder::write(const std::string& name,
                              const std::vector<unsigned char>& bytes) const {
    const std::string file = *this / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + file);
    return file;
}

std::string TempFolder::writeText(const std::string& name, const std::string& text) const {
    return write(name, std::vector<unsigned char>(text.begin(), text.end()));
}

}  // namespace korvane::testing
