#pragma once
// Whole-file reading and crash-safe replacement of the small files that hold the user's data.
#include <string>
#include <string_view>

namespace tintlace {

struct FileContents {
    enum class Status {
        Ok,      // `bytes` holds the whole file
        Missing, // no such file (or a path component is not a folder)
        Failed,  // the file exists but could not be read (a folder, no permission, I/O error)
    };
    Status status = Status::Missing;
    std::string bytes;
};

FileContents readWholeFile(const std::string& path);

// Writes `bytes` through writeFileAtomically (a temporary file in the same folder, flushed and
// renamed over `path`). Returns false on any failure; the temporary file is then removed and an old file
// at `path` is left exactly as it was. A replaced file keeps its permission bits.
[[nodiscard]] bool replaceFileAtomically(const std::string& path, std::string_view bytes);

} // namespace tintlace
