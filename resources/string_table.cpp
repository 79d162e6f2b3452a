#include "resources/string_table.h"

#include <algorithm>
#include <iterator>

namespace strings {
namespace {

struct Entry {
    int number;
    const char* text;
};

// Kept sorted by number.
constexpr Entry table[] = {
    {101, "About Zelkora"},
    {102, "You have not opened any cards yet. Please try 'open' or 'new list'"},
    {123,
     "Du benutzt ein altes, nicht kompatibles Zelkora-Format! Nimm das Programm, mit welchem Du "
     "das Dokument erzeugt hast, und exportiere es dort. Anschliessend solltest Du es "
     "problemlos einlesen koennen."},
    {125, "No more memory. Bye!"},
    {132, "Error in the error-handling. Please mail us this error IMMEDIATELY! "
          "(zelkora-bugs@lists.zelkora.org)"},
    {161, "There was an attempt to delete a nonexistant dialog. Bye..."},
    {163, "An error occurred"},
    {164, "Message:"},
    {172, "Internal Database error: a card has been compared with itself."},
    {173, "A card was not correct. Internal database error."},
    {174, "There are no cards to sort"},
    {176, "The font in the *.zlk file was not found. Please choose another font."},
};

} // namespace

const char* text(int number) {
    auto it = std::lower_bound(std::begin(table), std::end(table), number,
                               [](const Entry& e, int n) { return e.number < n; });
    if (it == std::end(table) || it->number != number)
        return nullptr;
    return it->text;
}

} // namespace strings
