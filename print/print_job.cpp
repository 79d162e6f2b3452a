#include "print/print_job.h"

#include "print/print_texts.h"
#include "store/notices.h"

PrintJob::~PrintJob() {
    if (documentOpen_)
        device_.abortDocument();
}

bool PrintJob::check(bool ok) {
    if (ok)
        return true;
    failed_ = true;
    if (documentOpen_) {
        documentOpen_ = false;
        device_.abortDocument();
    }
    showError(print::text::PrinterFailure);
    return false;
}

bool PrintJob::startDocument(std::string_view name) {
    if (failed_)
        return false;
    bool ok = device_.startDocument(name);
    documentOpen_ = ok;
    return check(ok);
}

bool PrintJob::endDocument() {
    if (failed_)
        return false;
    bool ok = device_.endDocument();
    documentOpen_ = false;
    return check(ok);
}

bool PrintJob::startPage() {
    return !failed_ && check(device_.startPage());
}

bool PrintJob::endPage() {
    return !failed_ && check(device_.endPage());
}

void replaceArgument(std::string& text, std::string_view placeholder, std::string_view value) {
    std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
}
