#include "platform/UserError.h"

namespace tintlace {

UserError cannotWriteError(const std::string& path) {
    return UserError(path + " に書き込めません");
}
UserError cannotCreateFileError(const std::string& path) {
    return UserError("ファイル " + path + " を作成できません");
}
UserError cannotOpenFileError(const std::string& path) {
    return UserError("ファイル " + path + " は開けません");
}
UserError listIndexError(int index) {
    return UserError("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")");
}
UserError notAnIntegerError(const std::string& text) {
    return UserError("'" + text + "' は整数ではありません");
}
UserError clipboardError() {
    return UserError("クリップボードを開くことができません");
}

} // namespace tintlace
