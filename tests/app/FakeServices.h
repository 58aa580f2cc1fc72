#pragma once
// Services that answer the window without a screen: dialogs answer from queued replies,
// the clipboard and the sounds are recorded.
#include "app/Services.h"
#include "platform/UserError.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tintlace::testing {

class FakeServices : public Services {
public:
    std::optional<Color> chooseColor(QWidget*, Color initial) override {
        colorDialogInitials.push_back(initial);
        if (colorReplies.empty())
            return std::nullopt;
        std::optional<Color> reply = colorReplies.front();
        colorReplies.pop_front();
        return reply;
    }
    int showModal(QDialog& dialog) override {
        ++modalCount;
        if (onModal)
            onModal(dialog);
        return QDialog::Accepted;
    }
    bool askYesNo(QWidget*, const QString& caption, const QString& text) override {
        questions.push_back(caption + "|" + text);
        return yesAnswer;
    }
    void showError(QWidget*, const QString& message) override { errors.push_back(message); }
    void showInformation(QWidget*, const QString& message) override {
        informations.push_back(message);
    }
    void beep() override { ++beeps; }
    void setClipboardText(const std::string& cp932Text) override {
        if (clipboardFails)
            throw clipboardError();
        clipboardText = cp932Text;
    }
    void setClipboardImage(const QImage& image) override {
        if (clipboardFails)
            throw clipboardError();
        clipboardImage = image;
    }
    void openWithDesktop(const QString& urlOrPath) override { opened.push_back(urlOrPath); }
    std::string desktopFolder() override { return desktop; }

    // Replies and settings.
    std::deque<std::optional<Color>> colorReplies; // nullopt = Cancel
    std::function<void(QDialog&)> onModal;
    bool yesAnswer = true;
    bool clipboardFails = false;
    std::string desktop = "/tmp/";

    // Records.
    std::vector<Color> colorDialogInitials;
    int modalCount = 0;
    std::vector<QString> questions;
    std::vector<QString> errors;
    std::vector<QString> informations;
    int beeps = 0;
    std::optional<std::string> clipboardText;
    std::optional<QImage> clipboardImage;
    std::vector<QString> opened;
};

} // namespace tintlace::testing
