#pragma once

// Paths of the pictures and the icon in the program's resources (target zelkora_resources).
namespace pictures {

// openSaveButton while cards are held: the card box full of written cards, with a pen.
constexpr const char* kSave = ":/pictures/save.svg";
// openSaveButton while no card is held: the empty card box beside a block of blank cards.
constexpr const char* kOpen = ":/pictures/open.svg";
// startButton: a tilted sheet covered with coloured question marks.
constexpr const char* kStart = ":/pictures/start.svg";
// The window icon, scalable and as a 256 x 256 picture.
constexpr const char* kIcon = ":/icons/zelkora.svg";
constexpr const char* kIconPng = ":/icons/zelkora.png";

// The pictures' drawing size (the view box of the SVG files).
constexpr int kPictureWidth = 256;
constexpr int kPictureHeight = 192;

} // namespace pictures
