#include "listfile/file_io.h"
#include "listfile/list_backup.h"
#include "listfile/list_writer.h"
#include "listfile/recovery_file.h"
#include "listfile_fixture.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <algorithm>

namespace {

using DurableSaveTest = ListFileTest;

// Every name in the folder, so a test sees what a failed save left behind.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void setAge(const fs::path& file, int secondsAgo) {
    timeval now{};
    gettimeofday(&now, nullptr);
    timeval times[2] = {{now.tv_sec - secondsAgo, 0}, {now.tv_sec - secondsAgo, 0}};
    utimes(file.c_str(), times);
}

// Mounts made here stay in a namespace of this process and vanish with it. Needs the right to
// mount (the superuser in most containers); elsewhere the tests that need it are skipped.
bool ownMountNamespace() {
    static const bool made = unshare(CLONE_NEWNS) == 0 &&
                             mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return made;
}

TEST_F(DurableSaveTest, failuresSayWhyAndKeepTheOldFile) {
    struct Case {
        const char* name;
        std::string target;
        FailReason reason;
    };
    putFile(path("locked.zlk"), "old");
    fs::permissions(path("locked.zlk"), fs::perms::owner_read | fs::perms::group_read);
    fs::create_directory(path("folder.zlk"));
    putFile(path("plain"), "");
    std::vector<Case> cases = {
        {"no write bit, for every user", path("locked.zlk"), FailReason::ReadOnly},
        {"a folder in its place", path("folder.zlk"), FailReason::NotAFile},
        {"folder gone", path("gone/list.zlk"), FailReason::FolderMissing},
        {"a file where the folder should be", path("plain/list.zlk"), FailReason::FolderMissing},
        {"name too long", path(std::string(300, 'n').c_str()), FailReason::System},
    };
    if (geteuid() != 0) { // folder permissions do not bind the superuser
        fs::create_directory(path("shut"));
        fs::permissions(path("shut"), fs::perms::owner_read | fs::perms::owner_exec);
        cases.push_back({"folder not writable", path("shut/list.zlk"), FailReason::NoPermission});
    }
    for (const Case& c : cases) {
        FileResult result = replaceFile(c.target, "new bytes");
        EXPECT_EQ(result.error, FileError::CannotWrite) << c.name;
        EXPECT_EQ(result.textNumber, 131) << c.name;
        EXPECT_EQ(result.reason, c.reason) << c.name;
        EXPECT_EQ(result.path, c.target) << c.name;
    }
    EXPECT_EQ(fileBytes(path("locked.zlk")), "old");
    EXPECT_EQ(fs::status(path("locked.zlk")).permissions(),
              fs::perms::owner_read | fs::perms::group_read);
    if (geteuid() != 0)
        fs::permissions(path("shut"), fs::perms::owner_all);
    fs::remove(path("shut"));
    EXPECT_EQ(namesIn(path("")), (std::vector<std::string>{"folder.zlk", "locked.zlk", "plain"}));
}

TEST_F(DurableSaveTest, fullOrReadOnlyFileSystemKeepsTheOldFile) {
    if (!ownMountNamespace())
        GTEST_SKIP() << "no right to mount a small file system";
    fs::create_directory(path("small"));
    ASSERT_EQ(mount("tmpfs", path("small").c_str(), "tmpfs", 0, "size=64k"), 0);
    putFile(path("small/list.zlk"), "old");
    FileResult full = replaceFile(path("small/list.zlk"), std::string(200 * 1024, 'x'));
    EXPECT_EQ(full.reason, FailReason::DiskFull);
    EXPECT_EQ(fileBytes(path("small/list.zlk")), "old");
    EXPECT_EQ(namesIn(path("small")), std::vector<std::string>{"list.zlk"});

    // A read-only bind binds the superuser too.
    ASSERT_EQ(mount(path("small").c_str(), path("small").c_str(), nullptr, MS_BIND, nullptr), 0);
    ASSERT_EQ(
        mount(nullptr, path("small").c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr),
        0);
    EXPECT_EQ(replaceFile(path("small/list.zlk"), "new").reason, FailReason::ReadOnly);
    EXPECT_EQ(fileBytes(path("small/list.zlk")), "old");
    umount(path("small").c_str());
    umount(path("small").c_str());
}

TEST_F(DurableSaveTest, unreadableFilesSayWhy) {
    std::string bytes;
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0); // would never end: refused at once
    EXPECT_EQ(readWholeFile(path("pipe"), bytes).reason, FailReason::NotAFile);
    EXPECT_EQ(readWholeFile(path(""), bytes).reason, FailReason::NotAFile);
    EXPECT_EQ(readWholeFile(path("gone/list.zlk"), bytes).reason, FailReason::FolderMissing);
    FileResult missing = readWholeFile(path("missing.zlk"), bytes);
    EXPECT_EQ(missing.reason, FailReason::System);
    EXPECT_EQ(missing.systemText, std::strerror(ENOENT));
    EXPECT_EQ(missing.textNumber, 111);
}

TEST_F(DurableSaveTest, replacedFileKeepsItsModeAndOnlyOwnLeftoversGo) {
    putFile(path("list.zlk"), "old");
    fs::permissions(path("list.zlk"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A save killed at its rename left "list.zlk.Ab12Cd"; the rest is not the program's.
    const std::vector<std::string> others = {"list.zlk.bak", "list.zlk.Ab12C", "list.zlk.Ab_2Cd",
                                             "other.zlk.Ab12Cd", "list.zlk.Zz99Yy"};
    for (const std::string& name : others)
        putFile(path(name.c_str()), "x");
    putFile(path("list.zlk.Ab12Cd"), "full size");
    setAge(path("list.zlk.Ab12Cd"), 60);
    setAge(path("list.zlk.Zz99Yy"), -60); // newer than the save: another save's, in progress

    ASSERT_TRUE(replaceFile(path("list.zlk"), "new").ok());
    EXPECT_EQ(fileBytes(path("list.zlk")), "new");
    EXPECT_EQ(fs::status(path("list.zlk")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::vector<std::string> left = others;
    left.push_back("list.zlk");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(namesIn(path("")), left);
}

TEST_F(DurableSaveTest, aSaveKeepsTheFiveLatestPreviousVersions) {
    const std::string backups = path("backups");
    setListBackupFolder(backups);
    addCard(mainList, "house", "Haus", "-", "-");
    FileInfo info;
    std::vector<std::string> versions;
    for (int level = 0; level < 7; ++level) {
        mainList.slot(0)->level = level;
        ASSERT_TRUE(
            writeListFile(mainList, path("list.zlk"), info, exampleFont(700), exampleFont(400))
                .ok());
        versions.push_back(fileBytes(path("list.zlk")));
    }
    ASSERT_TRUE(writeListFile(mainList, path("other.zlk"), info, exampleFont(700),
                              exampleFont(400))
                    .ok()); // a new file has no previous version
    setListBackupFolder({});
    std::vector<std::string> kept = backupsOf(path("list.zlk"), backups);
    ASSERT_EQ(kept.size(), 5u);
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(fileBytes(kept[i]), versions[i + 1]); // the versions saved over, in order
    EXPECT_TRUE(fs::path(kept[0]).filename().string().starts_with("list_"));
    EXPECT_TRUE(backupsOf(path("other.zlk"), backups).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(backups), {}), 5);
}

// The version saved over stays as it was, whether the list had another name that is written in
// place afterwards or the backups lie on another file system.
TEST_F(DurableSaveTest, aBackupKeepsTheVersionSavedOver) {
    struct Case {
        const char* name;
        bool secondName;
        bool otherFileSystem;
    };
    for (Case c : {Case{"one name", false, false}, Case{"a second name", true, false},
                   Case{"backups on another file system", false, true}}) {
        SCOPED_TRACE(c.name);
        const std::string backups = path("backups");
        fs::create_directories(backups);
        if (c.otherFileSystem) {
            if (!ownMountNamespace())
                continue; // no right to mount here
            ASSERT_EQ(mount("tmpfs", backups.c_str(), "tmpfs", 0, "size=1m"), 0);
        }
        putFile(path("list.zlk"), "saved over");
        if (c.secondName)
            fs::create_hard_link(path("list.zlk"), path("second.zlk"));
        ASSERT_TRUE(replaceFile(path("list.zlk"), "new", backups).ok());
        if (c.secondName)
            std::ofstream(path("second.zlk"), std::ios::binary | std::ios::trunc) << "changed";
        std::vector<std::string> kept = backupsOf(path("list.zlk"), backups);
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(fileBytes(kept[0]), "saved over");
        EXPECT_EQ(fileBytes(path("list.zlk")), "new");
        if (c.otherFileSystem)
            umount(backups.c_str());
        fs::remove_all(backups);
        fs::remove(path("second.zlk"));
    }
}

TEST_F(DurableSaveTest, recoveryFilesAreOfferedWhileNewerThanTheirList) {
    const std::string folder = path("recovery");
    putFile(path("saved.zlk"), "saved later");
    putFile(path("open.zlk"), "saved before");
    setAge(path("open.zlk"), 120);
    ASSERT_TRUE(writeRecovery(folder, path("saved.zlk"), "older").ok());
    ASSERT_TRUE(writeRecovery(folder, path("open.zlk"), "newer").ok());
    ASSERT_TRUE(writeRecovery(folder, "UNTITLED", "new list").ok());
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().string().find("saved_") != std::string::npos)
            setAge(entry.path(), 60);

    std::vector<Recovery> pending = pendingRecoveries(folder);
    ASSERT_EQ(pending.size(), 2u);
    std::vector<std::string> lists = {pending[0].listPath, pending[1].listPath};
    std::sort(lists.begin(), lists.end());
    EXPECT_EQ(lists, (std::vector<std::string>{path("open.zlk"), "UNTITLED"}));
    for (const Recovery& r : pending)
        EXPECT_EQ(fileBytes(r.recoveryPath), r.listPath == "UNTITLED" ? "new list" : "newer");
    EXPECT_EQ(namesIn(folder).size(), 4u); // the one saved over since is gone with its name file

    removeRecovery(folder, path("open.zlk"));
    removeRecovery(folder, "UNTITLED");
    EXPECT_TRUE(fs::is_empty(folder));
}

} // namespace
