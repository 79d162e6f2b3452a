#pragma once

#include "ui/print_device.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class QPrinter;

namespace ui {

// The print device on a QPrinter: a real printer, a PDF file or a print preview. Pages are
// painted in the printer's pixels, with (0, 0) at the top-left corner of the printable area.
class QtPrintDevice : public PrintDevice {
public:
    // preview: the printer belongs to a preview, where a second document would replace the first.
    explicit QtPrintDevice(QPrinter& printer, bool preview = false);
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice&) = delete;
    QtPrintDevice& operator=(const QtPrintDevice&) = delete;

    void selectFont(const FontDescription& font) override;
    int textWidth(std::string_view text) override;
    int textHeight() override;
    void drawText(int x, int y, std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void fillRect(int x, int y, int width, int height, Color color) override;
    void frameRect(int x, int y, int width, int height, Color color) override;

    int printableWidth() const override;
    int printableHeight() const override;
    PageOrientation orientation() const override;
    std::string outputFile() const override;
    bool keepsOneDocument() const override;

    bool startDocument(std::string_view name) override;
    bool endDocument() override;
    void abortDocument() override;
    bool startPage() override;
    bool endPage() override;

    // Whether a document was begun on the printer (a refused print begins none).
    bool documentStarted() const { return documentStarted_; }

private:
    const QFontMetrics& metrics();

    using WidthCache = std::unordered_map<std::string, int>;

    QPrinter& printer_;
    QPainter painter_;
    bool preview_;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    // The fonts selected so far with the widths measured in each on the current page: a list
    // measures every row before it draws it, in three fonts by turns.
    std::vector<FontDescription> fonts_;
    std::vector<WidthCache> widths_;
    std::size_t current_ = 0;
    int pagesStarted_ = 0;
    bool documentStarted_ = false;
};

} // namespace ui
