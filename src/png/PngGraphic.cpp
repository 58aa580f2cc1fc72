#include "png/PngGraphic.h"

#include "platform/FileSink.h"

#include <utility>

namespace tintlace {

TPNGGraphic::TPNGGraphic() : Time(SystemPNGTime()) {}

TPNGGraphic::~TPNGGraphic() = default;

Bitmap* TPNGGraphic::GetImage() {
    return LinkedImage ? LinkedImage : &OwnImage;
}
const Bitmap* TPNGGraphic::GetImage() const {
    return LinkedImage ? LinkedImage : &OwnImage;
}

void TPNGGraphic::SetImage(Bitmap* bitmap) {
    if (bitmap != nullptr && bitmap == LinkedAlpha)
        LinkedAlpha = nullptr;
    LinkedImage = bitmap;
    SetTransFlag(*GetImage());
}

Bitmap* TPNGGraphic::GetAlphaBitmap() {
    return LinkedAlpha ? LinkedAlpha : &OwnAlpha;
}

void TPNGGraphic::SetABmp(Bitmap* bitmap) {
    LinkedAlpha = (bitmap == nullptr || bitmap == LinkedImage) ? nullptr : bitmap;
}

void TPNGGraphic::AlphaBitmapAssign(const TPNGGraphic& source) {
    LinkedAlpha = nullptr;
    OwnAlpha = source.OwnAlpha;
}

void TPNGGraphic::AlphaBitmapAssign(const Bitmap& source) {
    LinkedAlpha = nullptr;
    OwnAlpha = source;
}

bool TPNGGraphic::AlphaBitmapAssignTo(Bitmap* dest) const {
    if (OwnAlpha.isEmpty())
        return false;
    if (dest != nullptr)
        *dest = OwnAlpha;
    return true;
}

void TPNGGraphic::FreeAlphaBitmap() {
    OwnAlpha = Bitmap();
}

void TPNGGraphic::SetIDATSize(int size) {
    if (size < TPNGWriteStream::MinIDATSize || size > TPNGWriteStream::MaxIDATSize)
        throw EPNGError(PngErrGraphicIDATSize);
    IDATSize = size;
}

void TPNGGraphic::SetTransColor(TColor color) {
    TransColor = color;
    Bitmap* image = GetImage();
    if (image->isEmpty())
        return;
    if (color == NoColor)
        SetTransparent(false);
    else
        image->setTransparentColor(color);
}

bool TPNGGraphic::GetEmpty() const {
    return GetImage()->isEmpty();
}
int TPNGGraphic::GetWidth() const {
    return GetImage()->width();
}
int TPNGGraphic::GetHeight() const {
    return GetImage()->height();
}
const Palette& TPNGGraphic::GetPalette() const {
    return GetImage()->palette();
}

void TPNGGraphic::SetWidth(int width) {
    if (!GetImage()->isEmpty())
        GetImage()->setSize(width, GetImage()->height());
    if (!GetAlphaBitmap()->isEmpty())
        GetAlphaBitmap()->setSize(width, GetAlphaBitmap()->height());
    Changed();
}

void TPNGGraphic::SetHeight(int height) {
    if (!GetImage()->isEmpty())
        GetImage()->setSize(GetImage()->width(), height);
    if (!GetAlphaBitmap()->isEmpty())
        GetAlphaBitmap()->setSize(GetAlphaBitmap()->width(), height);
    Changed();
}

void TPNGGraphic::SetPalette(Palette palette) {
    GetImage()->setPalette(std::move(palette));
    Changed();
}

void TPNGGraphic::SetTransparent(bool value) {
    if (!TransUpdating && GetImage()->transparent() != value)
        GetImage()->setTransparent(value);
    if (Transparent != value) {
        Transparent = value;
        Changed();
    }
}

void TPNGGraphic::SetTransFlag(const Bitmap& graphic) {
    PaletteModified = true;
    if (Transparent == graphic.transparent()) {
        Changed();
        return;
    }
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{TransUpdating};
    TransUpdating = true;
    SetTransparent(graphic.transparent());
}

void TPNGGraphic::Changed() {
    Modified = true;
    if (OnChange)
        OnChange(*this);
}

void TPNGGraphic::Assign(const TPNGGraphic& source) {
    if (&source == this)
        return;
    LinkedImage = nullptr;
    OwnImage = source.OwnImage;
    OwnAlpha = source.OwnAlpha;
    LinkedImage = source.LinkedImage;
    LinkedAlpha = source.LinkedAlpha;
    CompressLevel = source.CompressLevel;
    Filter = source.Filter;
    IDATSize = source.IDATSize;
    Interlace = source.Interlace;
    GrayScale = source.GrayScale;
    Comment = source.Comment;
    BGColor = source.BGColor;
    TransColor = source.TransColor;
    Gamma = source.Gamma;
    SignificantBits = source.SignificantBits;
    UnitSpecifier = source.UnitSpecifier;
    PixelsPerUnitX = source.PixelsPerUnitX;
    PixelsPerUnitY = source.PixelsPerUnitY;
    UseSystemTime = source.UseSystemTime;
    Time = source.Time;
    Chromaticities = source.Chromaticities;
    SetTransFlag(OwnImage);
}

void TPNGGraphic::Assign(const Bitmap& source) {
    LinkedImage = nullptr;
    if (&source != &OwnImage)
        OwnImage = source;
    SetTransFlag(OwnImage);
}

void TPNGGraphic::AssignTo(Bitmap& dest) const {
    if (&dest != GetImage())
        dest = *GetImage();
}

void TPNGGraphic::configure(TPNGWriteStream& writer, bool persistence) {
    if (!persistence) {
        writer.CompressLevel = CompressLevel;
        writer.Filter = Filter;
        writer.SetIDATSize(IDATSize);
        writer.Interlace = Interlace;
        writer.UseSystemTime = UseSystemTime;
        writer.OnEncode = OnEncode;
    }
    writer.GrayScale = GrayScale;
    writer.Comment = Comment;
    writer.BGColor = BGColor;
    writer.TransColor = TransColor;
    writer.Gamma = Gamma;
    writer.SignificantBits = SignificantBits;
    writer.UnitSpecifier = UnitSpecifier;
    writer.PixelsPerUnitX = PixelsPerUnitX;
    writer.PixelsPerUnitY = PixelsPerUnitY;
    writer.Time = &Time;
    writer.Chromaticities = &Chromaticities;
    writer.GIFExtension = &GIFExtension;
    writer.Password = Password;
}

void TPNGGraphic::SaveToStream(ByteSink& stream) {
    Bitmap* image = GetImage();
    TPNGWriteStream writer;
    configure(writer, false);
    if (UseAlpha)
        writer.AlphaSource = GetAlphaBitmap();
    // The graphic's progress handler watches the image for the length of the save; the
    // image's own handler comes back however the save ends.
    struct ProgressLoan {
        Bitmap& image;
        ProgressEvent saved;
        bool lent;
        ~ProgressLoan() {
            if (lent)
                image.onProgress = std::move(saved);
        }
    } loan{*image, {}, static_cast<bool>(OnProgress)};
    if (loan.lent) {
        loan.saved = std::move(image->onProgress);
        image->onProgress = OnProgress;
    }
    writer.SaveToStream(image, &stream);
}

void TPNGGraphic::SaveToFile(const std::string& utf8Path) {
    writeFileAtomically(utf8Path, [this](ByteSink& file) { SaveToStream(file); });
}

void TPNGGraphic::WriteData(ByteSink& stream) {
    if (OwnImage.isEmpty())
        return;
    TPNGWriteStream writer;
    configure(writer, true);
    if (UseAlpha)
        writer.AlphaSource = &OwnAlpha;
    writer.SaveToStream(&OwnImage, &stream);
}

} // namespace tintlace
