#pragma once
// The pictures on the window's buttons, drawn in code.
#include "engine/CharTable.h"

#include <QIcon>
#include <QImage>

namespace tintlace {

enum class ToolIcon {
    SaveScheme,
    DeleteScheme,
    About,
    Help,
    WritePicture,
    CopyPicture,
    Exchange,
    CopyMarkup,
};

inline constexpr int ButtonIconSize = 22;

// The pictures themselves (ButtonIconSize square, transparent background).
QImage patternPicture(PatternKind kind);
QImage stylePicture(StyleKind kind);
QImage toolPicture(ToolIcon kind);

QIcon patternIcon(PatternKind kind);
QIcon styleIcon(StyleKind kind);
QIcon toolIcon(ToolIcon kind);

} // namespace tintlace
