#pragma once

#include "store/card.h"
#include "ui/print_device.h"

#include <deque>
#include <string>
#include <vector>

// A print device that records what is drawn. A text is as wide as its characters (code points,
// UTF-8) times charWidth.
class RecordingDevice : public ui::PrintDevice {
public:
    struct Text {
        int x;
        int y;
        std::string text;
        std::string face;
        int fontHeight;
    };
    struct Line {
        int x1, y1, x2, y2;
        bool operator==(const Line&) const = default;
    };
    struct Page {
        std::vector<Text> texts;
        std::vector<Line> lines;
        bool ended = false;
        // The first text drawn at (x, y), or "(nothing)".
        std::string textAt(int x, int y) const;
        std::string faceAt(int x, int y) const;
        const Text* findText(int x, int y) const;
    };
    struct Document {
        std::string name;
        std::vector<Page> pages;
        bool ended = false;
    };

    int charWidth = 100;
    int width = 4792;
    int height = 6851;
    ui::PageOrientation pageOrientation = ui::PageOrientation::Portrait;
    std::string file;
    bool oneDocument = false;
    int failStartDocumentNumber = -1; // 0 = the first document's start fails
    int failStartPageNumber = -1;     // counted over all documents

    std::vector<Document> documents;
    int aborted = 0;
    int drawnOutsidePage = 0;
    FontDescription selected;

    std::vector<Page> allPages() const;

    void selectFont(const FontDescription& font) override { selected = font; }
    int textWidth(std::string_view text) override {
        int characters = 0;
        for (char c : text)
            characters += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
        return characters * charWidth;
    }
    int textHeight() override { return 80; }
    void drawText(int x, int y, std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void fillRect(int, int, int, int, ui::Color) override {}
    void frameRect(int, int, int, int, ui::Color) override {}

    int printableWidth() const override { return width; }
    int printableHeight() const override { return height; }
    ui::PageOrientation orientation() const override { return pageOrientation; }
    std::string outputFile() const override { return file; }
    bool keepsOneDocument() const override { return oneDocument; }

    bool startDocument(std::string_view name) override;
    bool endDocument() override;
    void abortDocument() override;
    bool startPage() override;
    bool endPage() override;

private:
    Page* openPage();
    int documentsStarted_ = 0;
    int pagesStarted_ = 0;
};

// Cards that live as long as the holder, made the way the program makes them.
class TestCards {
public:
    Card* add(const std::string& question, const std::string& answer = "answer",
              const std::string& lesson = "-");
    // n cards "q1".."qn" with answers "a1".."an".
    void addNumbered(int n, const std::string& lesson = "-");
    const std::vector<Card*>& all() const { return pointers_; }

private:
    std::deque<Card> cards_;
    std::vector<Card*> pointers_;
};
