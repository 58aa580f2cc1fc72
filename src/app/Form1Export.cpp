// TForm1: the picture of the graphic tab, written to the desktop or put on the clipboard.
#include "app/CodePageEdit.h"
#include "app/Form1.h"
#include "app/Services.h"
#include "image/ExportName.h"
#include "platform/Cp932.h"
#include "platform/UserError.h"

#include <QCheckBox>
#include <QImage>

namespace tintlace {

void savePng(const Bitmap&, const std::string&);
void saveBmp24(const Bitmap&, const std::string&);

namespace {

// The bitmap as a QImage, for the clipboard.
QImage toQImage(const Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB888);
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint8_t* bgr = bitmap.scanLine(y);
        uchar* rgb = image.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            rgb[x * 3] = bgr[x * 3 + 2];
            rgb[x * 3 + 1] = bgr[x * 3 + 1];
            rgb[x * 3 + 2] = bgr[x * 3];
        }
    }
    return image;
}

} // namespace

bool TForm1::cutPicture() {
    const Rect box = clipToImage(TextImageBox, PreviewImageWidth, PreviewImageHeight);
    if (isEmptyBox(box))
        return false;
    const int width = box.Right - box.Left;
    const int height = box.Bottom - box.Top;
    WorkBitmap.setSize(width, height);
    const QImage& image = m_canvas.image();
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(box.Top + y));
        std::uint8_t* target = WorkBitmap.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = source[box.Left + x];
            target[x * 3] = static_cast<std::uint8_t>(qBlue(pixel));
            target[x * 3 + 1] = static_cast<std::uint8_t>(qGreen(pixel));
            target[x * 3 + 2] = static_cast<std::uint8_t>(qRed(pixel));
        }
    }
    return true;
}

void TForm1::exportPicture(const std::string& path, bool png) {
    if (!cutPicture())
        throw UserError("書き出す画像がありません（文字列が空です）");
    if (png)
        savePng(WorkBitmap, path);
    else
        saveBmp24(WorkBitmap, path);
}

void TForm1::SpeedButton14Click() {
    const std::string baseName = exportBaseName(Edit1->cp932Text());
    const std::string path = m_services.desktopFolder() + cp932ToUtf8(baseName) +
                             (CheckBox13->isChecked() ? ".png" : ".bmp");
    exportPicture(path, CheckBox13->isChecked());
    m_services.beep();
}

void TForm1::SpeedButton15Click() {
    if (!cutPicture())
        throw UserError("コピーする画像がありません（文字列が空です）");
    m_services.setClipboardImage(toQImage(WorkBitmap));
    m_services.beep();
}

} // namespace tintlace
