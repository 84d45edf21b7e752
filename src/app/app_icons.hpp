// The program's own pictures (SVG files in src/app/icons, compiled into the program): the
// application icon, the five toolbar buttons, the seven mode images of the status bar, the image
// of the list rows and the picture of the about box.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace qinghe {

enum class AppIcon {
    Application,
    ToolModeSelection,
    ToolBazi,
    ToolScoring,
    ToolRecords,
    ToolDictionary,
    ListRow,
    AboutPicture,
};

// An icon drawn from its SVG at whatever size it is shown, sharp on any screen scale.
QIcon appIcon(AppIcon icon);

// Mode images, one per generation mode, numbered as the status bar uses them:
// 0 经典 1 高分 2 诗词 3 组合 4 小名 5 英文 6 超吉.
inline constexpr int kModeImageCount = 7;
QIcon modeImage(int index);

// A picture at a fixed size in device-independent pixels, for the screen's scale.
QPixmap appPixmap(AppIcon icon, QSize size, qreal devicePixelRatio);

}  // namespace qinghe
