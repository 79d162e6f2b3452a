#pragma once

#include <cstdint>

enum class LevelChoice { NoCardsOpen, NoCardsOnLevel, Chosen };

constexpr int kHighestLevelChoice = 10000;

// Fills levelList with the cards of the main list on the level and enables "Level in order...".
// Shows the error of a refusal.
LevelChoice chooseLevel(int32_t level);
