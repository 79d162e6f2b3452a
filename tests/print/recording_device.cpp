#include "tests/print/recording_device.h"

const RecordingDevice::Text* RecordingDevice::Page::findText(int x, int y) const {
    for (const Text& t : texts)
        if (t.x == x && t.y == y)
            return &t;
    return nullptr;
}

std::string RecordingDevice::Page::textAt(int x, int y) const {
    const Text* found = findText(x, y);
    return found ? found->text : "(nothing)";
}

std::string RecordingDevice::Page::faceAt(int x, int y) const {
    const Text* found = findText(x, y);
    return found ? found->face : "(nothing)";
}

std::vector<RecordingDevice::Page> RecordingDevice::allPages() const {
    std::vector<Page> pages;
    for (const Document& d : documents)
        pages.insert(pages.end(), d.pages.begin(), d.pages.end());
    return pages;
}

RecordingDevice::Page* RecordingDevice::openPage() {
    if (documents.empty() || documents.back().ended || documents.back().pages.empty() ||
        documents.back().pages.back().ended)
        return nullptr;
    return &documents.back().pages.back();
}

void RecordingDevice::drawText(int x, int y, std::string_view text) {
    Page* page = openPage();
    if (!page) {
        ++drawnOutsidePage;
        return;
    }
    page->texts.push_back({x, y, std::string(text), selected.faceName, selected.height});
}

void RecordingDevice::drawLine(int x1, int y1, int x2, int y2) {
    Page* page = openPage();
    if (!page) {
        ++drawnOutsidePage;
        return;
    }
    page->lines.push_back({x1, y1, x2, y2});
}

bool RecordingDevice::startDocument(std::string_view name) {
    if (documentsStarted_++ == failStartDocumentNumber)
        return false;
    documents.push_back({std::string(name), {}, false});
    return true;
}

bool RecordingDevice::endDocument() {
    if (documents.empty() || documents.back().ended)
        return false;
    documents.back().ended = true;
    return true;
}

void RecordingDevice::abortDocument() {
    ++aborted;
    if (!documents.empty())
        documents.back().ended = true;
}

bool RecordingDevice::startPage() {
    if (pagesStarted_++ == failStartPageNumber)
        return false;
    if (documents.empty() || documents.back().ended)
        return false;
    documents.back().pages.push_back({});
    return true;
}

bool RecordingDevice::endPage() {
    Page* page = openPage();
    if (!page)
        return false;
    page->ended = true;
    return true;
}

Card* TestCards::add(const std::string& question, const std::string& answer,
                     const std::string& lesson) {
    Card& card = cards_.emplace_back();
    card = Card{};
    assignText(card, CardField::question, question);
    assignText(card, CardField::answer, answer);
    assignText(card, CardField::lesson, lesson);
    assignText(card, CardField::additionalInfo, "-");
    pointers_.push_back(&card);
    return &card;
}

void TestCards::addNumbered(int n, const std::string& lesson) {
    for (int i = 1; i <= n; ++i)
        add("q" + std::to_string(i), "a" + std::to_string(i), lesson);
}
