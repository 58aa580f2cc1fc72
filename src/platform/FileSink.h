#pragma once
// Files as byte sinks, and the one way to replace a file so that a failed write leaves the
// old file (or no file) behind instead of a half-written one.
#include "platform/ByteSink.h"

#include <functional>
#include <string>

namespace tintlace {

// A file opened for writing; closes it when destroyed.
class FileSink : public ByteSink {
public:
    // Creates `utf8Path` or truncates an existing file; throws cannotCreateFileError(path).
    explicit FileSink(const std::string& utf8Path);
    ~FileSink() override;
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    // Throws cannotWriteError(path) when the bytes cannot all be written.
    void write(const void* data, std::size_t count) override;
    // Closes the file now; throws cannotWriteError(path) when the system reports a failure.
    void close();

private:
    friend void writeFileAtomically(const std::string&, const std::function<void(ByteSink&)>&);
    struct Adopt {};
    FileSink(Adopt, int fd, std::string path);

    int m_fd = -1;
    std::string m_path;
};

// Runs `writer` on a temporary file in the folder of `utf8Path` and renames it over `utf8Path`
// when the writer returns. Whatever fails, the temporary is removed and the error goes on to
// the caller; the target is then untouched. A temporary that cannot be made and a failed
// rename raise cannotCreateFileError(utf8Path); write failures raise cannotWriteError(utf8Path).
void writeFileAtomically(const std::string& utf8Path, const std::function<void(ByteSink&)>& writer);

} // namespace tintlace
