#pragma once

#include "ui/print_device.h"

#include <functional>
#include <string>

class QPrinter;
class QPrintPreviewDialog;

namespace ui {

// How the printer is set up before the user sees it.
struct PrintSetup {
    PageOrientation orientation = PageOrientation::Portrait;
    bool duplex = false;      // both sides of the sheet, turned over about its vertical axis
    std::string documentName; // UTF-8; the dialog offers it as the name of a PDF file
};

// Draws the pages on the device; gets nullptr when the chosen printer cannot be had. The
// orientation is the one chosen for the page, known even when the printer is not.
using PagePainter = std::function<void(PrintDevice* device, PageOrientation orientation)>;

// The print dialog (the CUPS printers and printing to a PDF file), preset with the setup. After
// OK the painter runs on the chosen printer at 600 dpi. False when the user cancelled.
bool runPrintDialog(const PrintSetup& setup, const PagePainter& painter);

// The print preview of the same pages on the default printer, preset with the setup. The painter
// draws every rendering of the preview, and once more when the user prints from it.
void runPrintPreview(const PrintSetup& setup, const PagePainter& painter);

// Tests stand in for the user in the print dialog: the handler may change the printer (output
// file, orientation) and returns whether OK was pressed. nullptr shows the real dialog.
using PrintDialogHandler = std::function<bool(QPrinter& printer)>;
void setPrintDialogHandler(PrintDialogHandler handler);

// Tests stand in for the user in the preview: the handler gets the dialog instead of its modal
// loop (its QPrintPreviewWidget renders the pages on updatePreview()). nullptr shows the dialog.
using PrintPreviewHandler = std::function<void(QPrintPreviewDialog& dialog)>;
void setPrintPreviewHandler(PrintPreviewHandler handler);

} // namespace ui
