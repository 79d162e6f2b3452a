#pragma once

// Numbers of the card windows' texts in the string table.
namespace cards::text {
constexpr int CautionCaption = 136;
constexpr int EmptyCard = 260;
constexpr int CardNotFound = 261;
constexpr int NoCardToModify = 262;
constexpr int NoCardToDelete = 263;
constexpr int ReallyDelete = 264;
constexpr int DeleteFailed = 265;
// The overview's column headings follow one another from here.
constexpr int FirstHeading = 800;
} // namespace cards::text
