// The regular file opened for reading and the detection buffer its one head
// read fills, shared by the detector's path entry and the assessment.
#include "mime_magic/file_head.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace mime_magic {

RegularFile::RegularFile(std::string_view path, bool follow_link) {
    open_at(AT_FDCWD, path, follow_link);
}

RegularFile::RegularFile(int dir_fd, std::string_view name, bool follow_link) {
    open_at(dir_fd, name, follow_link);
}

void RegularFile::open_at(int dir_fd, std::string_view path, bool follow_link) {
    if (path.find('\0') != std::string_view::npos) return;
    const std::string cpath(path);
    const int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (follow_link ? 0 : O_NOFOLLOW);
    int fd;
    do {
        fd = ::openat(dir_fd, cpath.c_str(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = static_cast<uint64_t>(st.st_size);
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

DetectionBuffer& DetectionBuffer::of_this_thread() {
    static thread_local DetectionBuffer buffer;
    return buffer;
}

void DetectionBuffer::fill(const unsigned char* data, size_t len) {
    len_ = len < sizeof bytes_ ? len : sizeof bytes_;
    std::memmove(bytes_, data, len_);
    if (len_ < dirty_) std::memset(bytes_ + len_, 0, dirty_ - len_);
    dirty_ = len_;
}

ssize_t DetectionBuffer::read_head(int fd) {
    const ssize_t got = ::read(fd, bytes_, sizeof bytes_);
    if (got < 0) {
        // A failed read may have written anything: the next one clears it.
        len_ = 0;
        dirty_ = sizeof bytes_;
        return got;
    }
    len_ = static_cast<size_t>(got);
    if (len_ < dirty_) std::memset(bytes_ + len_, 0, dirty_ - len_);
    dirty_ = len_;
    return got;
}

}  // namespace mime_magic
