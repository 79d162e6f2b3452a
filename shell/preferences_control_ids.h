#pragma once

// Control ids of the preferences window; each control's object name is its id.
namespace prefctl {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Defaults = 1009;
constexpr int Threshold = 1012;
constexpr int ShowAdditionalInfo = 1030;
constexpr int MeaningsInOrder = 1031;
constexpr int AllMeanings = 1032;
constexpr int AnyMeanings = 1033;
constexpr int DuplexPrinting = 1066;
constexpr int PrintA7 = 1067;
} // namespace prefctl
