// The 79 built-in skins: each one a palette and a style sheet generated from one colour scheme
// (a traditional Chinese colour as the accent, light or dark). Applying a skin changes the look
// of every window of the program, including the windows opened later.
#pragma once

#include <QPalette>
#include <QString>

namespace qinghe {

inline constexpr int kBuiltInSkinCount = 79;

// The name of skin number 1 … 79 (a colour name such as 竹青), or "" for any other number.
QString skinName(int number);

QPalette skinPalette(int number);
QString skinStyleSheet(int number);

// Makes skin number 1 … 79 the look of the whole application; other numbers do nothing.
void applySkin(int number);
// The skin applied last, or 0 before the first one.
int currentSkin();

}  // namespace qinghe
