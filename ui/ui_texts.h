#pragma once

// Numbers of the window layer's texts in the string table.
namespace ui::text {
constexpr int NotAnInteger = 200;
constexpr int IntegerOutOfRange = 201;
constexpr int TooManyCharacters = 202;
} // namespace ui::text
