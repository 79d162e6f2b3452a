#include "ui/print_dialogs.h"

#include "ui/dialog_parent.h"
#include "ui/qt_print_device.h"

#include <QCoreApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace ui {
namespace {

// The page layouts are made of fixed numbers of device units that fit a page at 600 dpi.
constexpr int kPrintResolution = 600;

PrintDialogHandler& printDialogHandler() {
    static PrintDialogHandler handler;
    return handler;
}

PrintPreviewHandler& printPreviewHandler() {
    static PrintPreviewHandler handler;
    return handler;
}

void preparePrinter(QPrinter& printer, const PrintSetup& setup) {
    printer.setResolution(kPrintResolution);
    printer.setDocName(QString::fromStdString(setup.documentName));
    bool landscape = setup.orientation == PageOrientation::Landscape;
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // A portrait sheet turns over its long edge, a landscape one over its short edge.
    if (setup.duplex)
        printer.setDuplex(landscape ? QPrinter::DuplexShortSide : QPrinter::DuplexLongSide);
}

bool askForPrinter(QPrinter& printer) {
    if (PrintDialogHandler handler = printDialogHandler())
        return handler(printer);
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

// A printer must be one the system knows, a file must have a name; Qt would only fail when
// painting. A preview paints into itself.
bool printerAvailable(const QPrinter& printer, bool preview) {
    if (!printer.isValid())
        return false;
    if (preview)
        return true;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

// A preview renders its pages into pictures; printing from the preview paints on the printer.
bool rendersPreview(const QPrinter& printer) {
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

// A preview whose pages were refused shows one empty page, not the pages it showed before.
void clearPreview(QPrinter& printer) {
    QPainter blank;
    if (blank.begin(&printer))
        blank.end();
}

void paintOn(QPrinter& printer, bool preview, const PagePainter& painter) {
    const PageOrientation orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                                            ? PageOrientation::Landscape
                                            : PageOrientation::Portrait;
    if (!printerAvailable(printer, preview)) {
        painter(nullptr, orientation);
        return;
    }
    // A printer chosen in a dialog may bring a resolution of its own.
    if (printer.resolution() != kPrintResolution)
        printer.setResolution(kPrintResolution);
    QtPrintDevice device(printer, preview);
    painter(&device, orientation);
    if (preview && !device.documentStarted())
        clearPreview(printer);
}

} // namespace

bool runPrintDialog(const PrintSetup& setup, const PagePainter& painter) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, setup);
    if (!askForPrinter(printer))
        return false;
    paintOn(printer, false, painter);
    return true;
}

void runPrintPreview(const PrintSetup& setup, const PagePainter& painter) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, setup);
    QPrintPreviewDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(QCoreApplication::translate("PrintDialogs", "Print Preview"));
    // The preview's renderings and a print from it both arrive here. A rendering must not
    // replace its first document with a second, so its pages go into one; a print from the
    // preview goes to the printer as any print does.
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&painter](QPrinter* target) { paintOn(*target, rendersPreview(*target), painter); });
    if (PrintPreviewHandler handler = printPreviewHandler())
        handler(dialog);
    else
        dialog.exec();
}

void setPrintDialogHandler(PrintDialogHandler handler) {
    printDialogHandler() = std::move(handler);
}

void setPrintPreviewHandler(PrintPreviewHandler handler) {
    printPreviewHandler() = std::move(handler);
}

} // namespace ui
