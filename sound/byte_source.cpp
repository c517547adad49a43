#include "sound/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace korvane {

std::size_t MemoryBytes::readAt(std::uint64_t offset, unsigned char* out, std::size_t count) {
    if (offset >= bytes_.size() || count == 0) return 0;
    const std::size_t n = std::min<std::uint64_t>(count, bytes_.size() - offset);
    std::memcpy(out, bytes_.data() + offset, n);
    return n;
}

namespace {

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

}  // namespace korvane
