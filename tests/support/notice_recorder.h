#pragma once

#include "store/notices.h"

#include <string>
#include <vector>

// Records every message box instead of showing it; installed for its lifetime.
class NoticeRecorder : public NoticeSink {
public:
    struct Entry {
        NoticeKind kind;
        std::string caption;
        std::string text;
    };

    NoticeRecorder();
    ~NoticeRecorder() override;
    int show(NoticeKind kind, const std::string& caption, const std::string& text) override;

    std::vector<Entry> entries;
    std::vector<std::string> texts() const;

private:
    NoticeSink* previous_;
};
