#include "store/FileIo.h"

#include "platform/FileSink.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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
    try {
        writeFileAtomically(path, [bytes](ByteSink& file) { file.write(bytes.data(), bytes.size()); });
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace tintlace
