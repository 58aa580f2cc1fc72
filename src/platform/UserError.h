#pragma once
// Failures that the user sees: the message is the text shown in the error box.
// Messages are UTF-8 (they are shown by the window, never stored in CP932 files).
#include <stdexcept>
#include <string>

namespace tintlace {

class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The platform's error texts; `path` and `text` are UTF-8.
UserError cannotWriteError(const std::string& path);      // "%s に書き込めません"
UserError cannotCreateFileError(const std::string& path); // "ファイル %s を作成できません"
UserError cannotOpenFileError(const std::string& path);   // "ファイル %s は開けません"
UserError listIndexError(int index);                      // "リストのインデックスが範囲を超えています (%d)"
UserError notAnIntegerError(const std::string& text);     // "'%s' は整数ではありません"
UserError clipboardError();                               // "クリップボードを開くことができません"

} // namespace tintlace
