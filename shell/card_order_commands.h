#pragma once

// The two whole-list commands of the Cards menu.
namespace shell {

// "&Sort": the main list in question order, without holes; the search and change windows keep
// working on the main list.
void sortMainList();

// "&Exchange Question and Answer": every card of the main and the known list, then the two fonts.
void exchangeQuestionAndAnswer();

} // namespace shell
