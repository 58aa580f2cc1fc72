#include "platform/FileSink.h"

#include "platform/UserError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace tintlace {

FileSink::FileSink(const std::string& utf8Path) : m_path(utf8Path) {
    do {
        m_fd = ::open(utf8Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        throw cannotCreateFileError(utf8Path);
}

FileSink::FileSink(Adopt, int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}

FileSink::~FileSink() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void FileSink::write(const void* data, std::size_t count) {
    if (m_fd < 0)
        throw cannotWriteError(m_path);
    const auto* bytes = static_cast<const char*>(data);
    while (count > 0) {
        const ssize_t done = ::write(m_fd, bytes, count);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            throw cannotWriteError(m_path);
        }
        bytes += done;
        count -= static_cast<std::size_t>(done);
    }
}

void FileSink::close() {
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        throw cannotWriteError(m_path);
}

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new file beside `path` that did not exist before; returns its descriptor and name.
// The name is hidden (folder listings never show a half-made file) and short, so that a target
// whose name is near the file system's length limit can still be replaced.
int createTemporaryBeside(const std::string& path, std::string& tempPath) {
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device seed;
    std::mt19937 random(seed());
    const std::string stem = folderOf(path) + "/.tintlace-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem;
        for (int i = 0; i < 8; ++i)
            name += digits[random() % (sizeof digits - 1)];
        name += ".tmp";
        int fd;
        do {
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            tempPath = std::move(name);
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    throw cannotCreateFileError(path);
}

} // namespace

void writeFileAtomically(const std::string& utf8Path,
                         const std::function<void(ByteSink&)>& writer) {
    if (utf8Path.empty() || utf8Path.back() == '/')
        throw cannotCreateFileError(utf8Path);
    std::string tempPath;
    const int fd = createTemporaryBeside(utf8Path, tempPath);
    try {
        FileSink file(FileSink::Adopt{}, fd, utf8Path);
        // A replaced file keeps its permission bits.
        struct stat old {};
        if (::stat(utf8Path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
            ::fchmod(fd, old.st_mode & 07777);
        writer(file);
        if (::fsync(fd) != 0)
            throw cannotWriteError(utf8Path);
        file.close();
        if (std::rename(tempPath.c_str(), utf8Path.c_str()) != 0)
            throw cannotCreateFileError(utf8Path);
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
}

} // namespace tintlace
