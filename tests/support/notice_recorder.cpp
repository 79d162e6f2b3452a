#include "tests/support/notice_recorder.h"

NoticeRecorder::NoticeRecorder() : previous_(setNoticeSink(this)) {}

NoticeRecorder::~NoticeRecorder() {
    setNoticeSink(previous_);
}

int NoticeRecorder::show(NoticeKind kind, const std::string& caption, const std::string& text) {
    entries.push_back({kind, caption, text});
    return 1;
}

std::vector<std::string> NoticeRecorder::texts() const {
    std::vector<std::string> result;
    for (const auto& e : entries)
        result.push_back(e.text);
    return result;
}
