#pragma once

#include "ui/print_device.h"

#include <string>
#include <string_view>

// The document and page calls of one print run. A call that fails shows text 139 once, aborts
// the open document and makes every later call fail, so a run stops at its first failure.
class PrintJob {
public:
    explicit PrintJob(ui::PrintDevice& device) : device_(device) {}
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    ~PrintJob();

    bool startDocument(std::string_view name);
    bool endDocument();
    bool startPage();
    bool endPage();

private:
    bool check(bool ok);

    ui::PrintDevice& device_;
    bool documentOpen_ = false;
    bool failed_ = false;
};

// Replaces the first occurrence of the placeholder ("%1") in the text.
void replaceArgument(std::string& text, std::string_view placeholder, std::string_view value);
