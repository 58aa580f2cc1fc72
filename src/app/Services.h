#pragma once
// What the window asks of the desktop: dialogs, sounds, the clipboard, the shell.
// The window is given one of these, so tests and batch runs answer without a screen.
#include "engine/CharTable.h"

#include <QString>

#include <optional>
#include <string>

class QDialog;
class QImage;
class QWidget;

namespace tintlace {

class Services {
public:
    virtual ~Services() = default;

    // The colour dialog, opening on `initial`; nullopt when cancelled.
    virtual std::optional<Color> chooseColor(QWidget* parent, Color initial) = 0;
    // A modal dialog; returns its result code.
    virtual int showModal(QDialog& dialog) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void showError(QWidget* parent, const QString& message) = 0;
    virtual void showInformation(QWidget* parent, const QString& message) = 0;
    // The system's information sound.
    virtual void beep() = 0;
    // Replaces the clipboard with text (CP932 bytes, converted to Unicode for the desktop).
    // Throws UserError (clipboardError) when the clipboard cannot be written.
    virtual void setClipboardText(const std::string& cp932Text) = 0;
    virtual void setClipboardImage(const QImage& image) = 0;
    // Opens a local file or a URL with the desktop's default program.
    virtual void openWithDesktop(const QString& urlOrPath) = 0;
    // The desktop folder (UTF-8, ending in "/"), created when missing.
    virtual std::string desktopFolder() = 0;
};

} // namespace tintlace
