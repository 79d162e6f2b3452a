#include "ui/qt_print_device.h"

#include "ui/fonts.h"
#include "ui/text_codec.h"

#include <QPrinter>

namespace ui {
namespace {

constexpr int kDefaultPointSize = 10;

QColor toQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

} // namespace

QtPrintDevice::QtPrintDevice(QPrinter& printer, bool preview)
    : printer_(printer), preview_(preview) {
    font_.setPointSize(kDefaultPointSize);
}

QtPrintDevice::~QtPrintDevice() {
    if (painter_.isActive())
        painter_.end();
}

void QtPrintDevice::selectFont(const FontDescription& font) {
    if (!fonts_.empty() && fonts_[current_] == font)
        return;
    current_ = 0;
    while (current_ < fonts_.size() && !(fonts_[current_] == font))
        ++current_;
    if (current_ == fonts_.size()) {
        fonts_.push_back(font);
        widths_.emplace_back();
    }
    font_ = makeFont(font);
    if (font.height == 0)
        font_.setPointSize(kDefaultPointSize); // points scale with the printer's resolution
    metrics_.reset();
    if (painter_.isActive())
        painter_.setFont(font_);
}

const QFontMetrics& QtPrintDevice::metrics() {
    // Measured on the printer itself, so widths match what it draws at its resolution.
    if (!metrics_)
        metrics_.emplace(font_, &printer_);
    return *metrics_;
}

int QtPrintDevice::textWidth(std::string_view text) {
    if (widths_.empty())
        return metrics().horizontalAdvance(fromStored(text));
    auto [entry, added] = widths_[current_].try_emplace(std::string(text), 0);
    if (added)
        entry->second = metrics().horizontalAdvance(fromStored(text));
    return entry->second;
}

int QtPrintDevice::textHeight() {
    return metrics().height();
}

void QtPrintDevice::drawText(int x, int y, std::string_view text) {
    // Qt places text on its baseline; the layouts give the top of the line. The text's own
    // direction decides the order of mixed runs (an Arabic line with a number in it).
    const QString string = fromStored(text);
    painter_.setLayoutDirection(string.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter_.drawText(QPoint(x, y + metrics().ascent()), string);
}

void QtPrintDevice::drawLine(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void QtPrintDevice::fillRect(int x, int y, int width, int height, Color color) {
    painter_.fillRect(x, y, width, height, toQColor(color));
}

void QtPrintDevice::frameRect(int x, int y, int width, int height, Color color) {
    QPen previous = painter_.pen();
    painter_.setPen(toQColor(color));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(x, y, width - 1, height - 1);
    painter_.setPen(previous);
}

int QtPrintDevice::printableWidth() const {
    return static_cast<int>(printer_.pageRect(QPrinter::DevicePixel).width());
}

int QtPrintDevice::printableHeight() const {
    return static_cast<int>(printer_.pageRect(QPrinter::DevicePixel).height());
}

PageOrientation QtPrintDevice::orientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape
               ? PageOrientation::Landscape
               : PageOrientation::Portrait;
}

std::string QtPrintDevice::outputFile() const {
    return printer_.outputFileName().toStdString();
}

bool QtPrintDevice::keepsOneDocument() const {
    return preview_ || !printer_.outputFileName().isEmpty();
}

bool QtPrintDevice::startDocument(std::string_view name) {
    if (painter_.isActive())
        return false;
    printer_.setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    // Begin opens the output (the printer's job or the file); it fails when that cannot be had.
    if (!painter_.begin(&printer_))
        return false;
    painter_.setFont(font_);
    painter_.setPen(QPen(Qt::black, 0));
    pagesStarted_ = 0;
    documentStarted_ = true;
    return true;
}

bool QtPrintDevice::endDocument() {
    return painter_.isActive() && painter_.end();
}

void QtPrintDevice::abortDocument() {
    if (!painter_.isActive())
        return;
    if (!preview_)
        printer_.abort();
    painter_.end();
}

bool QtPrintDevice::startPage() {
    if (!painter_.isActive())
        return false;
    // Beginning the document opened its first page; every later page is a new one.
    if (pagesStarted_ > 0 && !printer_.newPage())
        return false;
    for (WidthCache& cache : widths_)
        cache.clear();
    ++pagesStarted_;
    return true;
}

bool QtPrintDevice::endPage() {
    return painter_.isActive();
}

} // namespace ui
