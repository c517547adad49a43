#include "sound/byte_source.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#else
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>
#endif

namespace korvane {

namespace {

#if defined(__unix__) || defined(__APPLE__)

class FileBytes : public ByteSource {
  public:
    FileBytes(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    ~FileBytes() override { ::close(fd_); }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    std::uint64_t size() const override { return size_; }

    std::size_t readAt(std::uint64_t offset, unsigned char* out, std::size_t count) override {
        std::size_t done = 0;
        while (done < count) {
            const ssize_t n =
                ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;  // a file that shrank under us is read as far as it goes
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

  private:
    int fd_;
    std::uint64_t size_;
};

}  // namespace

std::unique_ptr<ByteSource> openFileBytes(const std::string& path, std::string& problem) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        problem = std::string("cannot open the file: ") + std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        problem = "not a regular file";
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<FileBytes>(fd, static_cast<std::uint64_t>(info.st_size));
}

#else

class StreamBytes : public ByteSource {
  public:
    StreamBytes(std::ifstream in, std::uint64_t size) : in_(std::move(in)), size_(size) {}

    std::uint64_t size() const override { return size_; }

    std::size_t readAt(std::uint64_t offset, unsigned char* out, std::size_t count) override {
        in_.clear();
        if (offset >= size_ || !in_.seekg(static_cast<std::streamoff>(offset))) return 0;
        in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
        return static_cast<std::size_t>(in_.gcount());
    }

  private:
    std::ifstream in_;
    std::uint64_t size_;
};

}  // namespace

// Without FIFOs to fear, the type is checked before the file is opened.
std::unique_ptr<ByteSource> openFileBytes(const std::string& path, std::string& problem) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        problem = error ? "cannot open the file: " + error.message() : "not a regular file";
        return nullptr;
    }
    const std::uint64_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) {
        problem = "cannot open the file";
        return nullptr;
    }
    return std::make_unique<StreamBytes>(std::move(in), size);
}

#endif

}  // namespace korvane
