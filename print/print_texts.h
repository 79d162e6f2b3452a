#pragma once

// Numbers of the printing texts in the string table.
namespace print::text {
constexpr int ChooseButton = 126;
constexpr int NoDevice = 138;
constexpr int PrinterFailure = 139;
constexpr int NoMatchingCards = 184;
constexpr int ListDocument = 185;
constexpr int CardsDocument = 186;
constexpr int A6NeedsPortrait = 187;
constexpr int A7NeedsLandscape = 188;
constexpr int PageTooSmallForList = 850;
constexpr int PageTooSmallForCards = 851;
constexpr int AnswerPagesFirst = 852;
} // namespace print::text
