#include "image/Rect.h"

#include <algorithm>

namespace tintlace {

Rect clipToImage(const Rect& box, int width, int height) {
    return Rect{std::max(box.Left, 0), std::max(box.Top, 0), std::min(box.Right, width),
                std::min(box.Bottom, height)};
}

} // namespace tintlace
