#include "app/QtServices.h"
#include "app/QtText.h"

#include "platform/Cp932.h"
#include "platform/UserError.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace tintlace {

std::optional<Color> QtServices::chooseColor(QWidget* parent, Color initial) {
    QColor chosen = QColorDialog::getColor(
        QColor(colorRed(initial), colorGreen(initial), colorBlue(initial)), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return makeColor(chosen.red(), chosen.green(), chosen.blue());
}

int QtServices::showModal(QDialog& dialog) { return dialog.exec(); }

bool QtServices::askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void QtServices::showError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QApplication::applicationName(), message);
}

void QtServices::showInformation(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, QApplication::applicationName(), message);
}

void QtServices::beep() { QApplication::beep(); }

void QtServices::setClipboardText(const std::string& cp932Text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw clipboardError();
    clipboard->setText(fromCp932(cp932Text));
}

void QtServices::setClipboardImage(const QImage& image) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw clipboardError();
    clipboard->setImage(image);
}

void QtServices::openWithDesktop(const QString& urlOrPath) {
    QUrl url(urlOrPath);
    if (url.scheme().isEmpty() || url.scheme().size() == 1) // a plain path
        url = QUrl::fromLocalFile(urlOrPath);
    QDesktopServices::openUrl(url);
}

std::string QtServices::desktopFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + "/Desktop";
    QDir().mkpath(folder);
    return QDir(folder).absolutePath().toStdString() + "/";
}

} // namespace tintlace
