#pragma once

#include "ui/canvas.h"

#include <string>
#include <string_view>

namespace ui {

enum class PageOrientation { Portrait, Landscape };

// A printer as the print layouts see it: documents of pages, drawn as a canvas in the printer's
// pixels. Every call that can fail says so; after a failure the caller aborts the document.
class PrintDevice : public Canvas {
public:
    // The printable area of a page in device units (its top-left corner is (0, 0)).
    virtual int printableWidth() const = 0;
    virtual int printableHeight() const = 0;
    virtual PageOrientation orientation() const = 0;

    // The path of the file the pages go to when printing to a file, else empty.
    virtual std::string outputFile() const = 0;
    // True when a second document would replace the pages of the first (a file, a preview): the
    // caller then keeps printing into the one document.
    virtual bool keepsOneDocument() const = 0;

    virtual bool startDocument(std::string_view name) = 0;
    virtual bool endDocument() = 0;
    // Ends a document after a failure; what was drawn may be lost.
    virtual void abortDocument() = 0;
    virtual bool startPage() = 0;
    virtual bool endPage() = 0;
};

} // namespace ui
