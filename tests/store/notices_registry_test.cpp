#include "store/notices.h"
#include "store/window_registry.h"
#include "tests/support/notice_recorder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Notices, errorAndNoticeUseTheirCaptions) {
    NoticeRecorder rec;
    showError(174);
    showNotice(125);
    ASSERT_EQ(rec.entries.size(), 2u);
    EXPECT_EQ(rec.entries[0].kind, NoticeKind::Error);
    EXPECT_EQ(rec.entries[0].caption, "An error occurred");
    EXPECT_EQ(rec.entries[0].text, "There are no cards to sort");
    EXPECT_EQ(rec.entries[1].kind, NoticeKind::Notice);
    EXPECT_EQ(rec.entries[1].caption, "Message:");
}

TEST(Notices, missingTextReportsTheFaultThenShowsAnEmptyBox) {
    NoticeRecorder rec;
    showNotice(38);
    ASSERT_EQ(rec.entries.size(), 2u);
    EXPECT_EQ(rec.entries[0].kind, NoticeKind::Error);
    EXPECT_EQ(rec.entries[0].text.rfind("Error in the error-handling. Please mail us this error "
                                        "IMMEDIATELY!",
                                        0),
              0u);
    EXPECT_EQ(rec.entries[1].kind, NoticeKind::Notice);
    EXPECT_EQ(rec.entries[1].text, "");
}

TEST(Notices, fatalErrorShowsBoxAndExitsWithEight) {
    EXPECT_EXIT(fatalError(125), testing::ExitedWithCode(8), "No more memory. Bye!");
}

struct FakeWindow : RegisteredWindow {
    std::vector<FakeWindow*>* destroyed;
    explicit FakeWindow(std::vector<FakeWindow*>* log) : destroyed(log) {}
    void destroyWindow() override {
        destroyed->push_back(this);
        unregisterWindow(this); // as a real window's destruction does; nothing happens now
    }
};

TEST(WindowRegistry, closeAllDestroysInRegistrationOrder) {
    std::vector<FakeWindow*> log;
    FakeWindow a(&log), b(&log), c(&log);
    registerWindow(&a);
    registerWindow(&b);
    registerWindow(&c);
    unregisterWindow(&b);
    EXPECT_TRUE(isWindowOpen(&a));
    EXPECT_FALSE(isWindowOpen(&b));
    closeAllWindows();
    EXPECT_EQ(log, (std::vector<FakeWindow*>{&a, &c}));
    EXPECT_EQ(registeredWindowCount(), 0);
    EXPECT_EQ(closingAll, 0);
}

TEST(WindowRegistry, unregisteringAnUnknownWindowIsFatal) {
    std::vector<FakeWindow*> log;
    FakeWindow a(&log);
    EXPECT_EXIT(unregisterWindow(&a), testing::ExitedWithCode(8),
                "There was an attempt to delete a nonexistant dialog");
}

} // namespace
