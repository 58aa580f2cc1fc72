#pragma once
#include "app/Services.h"

namespace tintlace {

// The real desktop: Qt's dialogs, clipboard, beep and desktop services.
class QtServices : public Services {
public:
    std::optional<Color> chooseColor(QWidget* parent, Color initial) override;
    int showModal(QDialog& dialog) override;
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void showError(QWidget* parent, const QString& message) override;
    void showInformation(QWidget* parent, const QString& message) override;
    void beep() override;
    void setClipboardText(const std::string& cp932Text) override;
    void setClipboardImage(const QImage& image) override;
    void openWithDesktop(const QString& urlOrPath) override;
    std::string desktopFolder() override;
};

} // namespace tintlace
