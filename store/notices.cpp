#include "store/notices.h"

#include "resources/string_table.h"

#include <cstdio>
#include <cstdlib>

namespace {

NoticeSink* installedSink = nullptr;

int deliver(NoticeKind kind, const std::string& text) {
    const char* caption = strings::text(kind == NoticeKind::Error ? 163 : 164);
    if (!installedSink) {
        std::fprintf(stderr, "%s %s\n", caption, text.c_str());
        return 1;
    }
    return installedSink->show(kind, caption, text);
}

int showNumbered(NoticeKind kind, int textNumber) {
    const char* text = strings::text(textNumber);
    if (!text) {
        deliver(NoticeKind::Error, strings::text(132));
        return deliver(kind, std::string());
    }
    return deliver(kind, text);
}

} // namespace

NoticeSink* setNoticeSink(NoticeSink* sink) {
    NoticeSink* previous = installedSink;
    installedSink = sink;
    return previous;
}

int showError(int textNumber) {
    return showNumbered(NoticeKind::Error, textNumber);
}
int showNotice(int textNumber) {
    return showNumbered(NoticeKind::Notice, textNumber);
}
int showErrorText(const std::string& text) {
    return deliver(NoticeKind::Error, text);
}
int showNoticeText(const std::string& text) {
    return deliver(NoticeKind::Notice, text);
}

void fatalError(int textNumber) {
    showError(textNumber);
    std::exit(kFatalExitStatus);
}
