#pragma once

// Paths of the pictures and the icon in the program's resources (target zelkora_resources).
namespace pictures {

// openSaveButton while cards are held: the card box full of written cards, with a pen.
constexpr const char* kSave = ":/pictures/save.svg";
// openSaveButton while no card is held: the empty card box beside a block of blank cards.
constexpr const char* kOpen = ":/pictures/open.svg";
// startButton: a tilted sheet covered with coloured question marks.
constexpr const char* kStart = ":/pictures/start.svg";
// The level pictures of the card tables: a strip of eight 16 x 16 pictures side by side.
// 0 to 4 a diamond on a square, light green to dark red; 5 the square alone; 6 and 7 empty.
// A card on level L shows picture 4 - L for L up to 4, and picture 5 from level 5 on.
constexpr const char* kLevels = ":/pictures/levels.svg";
constexpr int kLevelPictureSize = 16;
constexpr int kLevelPictureCount = 8;

// The window icon, scalable and as a 256 x 256 picture.
constexpr const char* kIcon = ":/icons/zelkora.svg";
constexpr const char* kIconPng = ":/icons/zelkora.png";

// The pictures' drawing size (the view box of the SVG files).
constexpr int kPictureWidth = 256;
constexpr int kPictureHeight = 192;

} // namespace pictures
