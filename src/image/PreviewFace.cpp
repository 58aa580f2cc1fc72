#include "image/TextImage.h"

#include "markup/FontNames.h"
#include "platform/Cp932.h"

namespace tintlace {

std::string previewFaceName(int fontIndex, std::string_view entry) {
    if (fontIndex == 0) {
        static const std::string defaultFace = *utf8ToCp932("ＭＳ Ｐゴシック");
        return defaultFace;
    }
    return DisplayFontName(entry);
}

} // namespace tintlace
