#include "store/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>

namespace tintlace {

namespace {

// Owns one POSIX file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and reports whether the close succeeded (a late write error shows up here).
    bool close() {
        if (m_fd < 0)
            return true;
        int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0;
    }

private:
    int m_fd;
};

// Removes the temporary file unless it was renamed into place.
class TemporaryName {
public:
    explicit TemporaryName(std::string path) : m_path(std::move(path)) {}
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName() {
        if (!m_kept)
            ::unlink(m_path.c_str());
    }
    const std::string& path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    std::string m_path;
    bool m_kept = false;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A hidden name beside the target, so that folder listings never show a half-made file.
std::string temporaryPathFor(const std::string& path, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    std::size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return folder + "." + base + ".tmp" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string(ticks % 1000000) + "-" +
           std::to_string(attempt);
}

} // namespace

FileContents readWholeFile(const std::string& path) {
    FileContents result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileContents::Status::Missing
                                                              : FileContents::Status::Failed;
        return result;
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.status = FileContents::Status::Failed;
            result.bytes.clear();
            return result;
        }
        if (n == 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = FileContents::Status::Ok;
    return result;
}

bool replaceFileAtomically(const std::string& path, std::string_view bytes) {
    int rawFd = -1;
    std::string tempPath;
    for (unsigned attempt = 0; attempt < 100 && rawFd < 0; ++attempt) {
        tempPath = temporaryPathFor(path, attempt);
        rawFd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (rawFd < 0 && errno != EEXIST)
            return false;
    }
    if (rawFd < 0)
        return false;
    FileDescriptor fd(rawFd);
    TemporaryName temp(tempPath);

    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd.get(), old.st_mode & 07777);

    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close())
        return false;
    if (::rename(temp.path().c_str(), path.c_str()) != 0)
        return false;
    temp.keep();
    return true;
}

} // namespace tintlace
