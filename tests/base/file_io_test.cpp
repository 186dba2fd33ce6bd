#include "base/file_io.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "base/number_file.h"
#include "settings/settings_file.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"
#include "tests/support/special_files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileSystem;
using testing::Fifo;
using testing::sparse_file;
using testing::temp_path;
using testing::write_temp;

std::set<std::string> listing(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A process killed half-way through a save leaves the old file whole; its half-written
// temporary file goes with the next save that succeeds.
TEST(FileIo, SaveKilledMidwayKeepsTheOldFileAndTheNextSaveTidiesUp) {
    const std::string folder = testing::temp_path("killed_save");
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string target = folder + "/game.kvn";
    ASSERT_TRUE(write_file_atomically(target, "1\r\n2\r\n"));
    const std::string large(1 << 20, '7');

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FaultyFileSystem files;
        files.fault = FaultyFileSystem::Fault::Crash;
        write_file_atomically(target, large, files);
        std::_Exit(0);  // not reached: the write ends the process half-way
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 9);
    EXPECT_EQ(testing::read_bytes(target), "1\r\n2\r\n");
    EXPECT_EQ(listing(folder).size(), 2U);  // the old file and a half-written temporary one

    ASSERT_TRUE(write_file_atomically(target, "3\r\n"));
    EXPECT_EQ(testing::read_bytes(target), "3\r\n");
    EXPECT_EQ(listing(folder), std::set<std::string>{"game.kvn"});
    fs::remove_all(folder);
}

TEST(FileIo, LinesEndAtCrLfCrOrLfAfterAnOptionalMark) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(split_lines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(split_lines("\xEF\xBB\xBF"
                          "a\n\n"),
              (Lines{"a", ""}));
    EXPECT_EQ(split_lines("\r\n"), (Lines{""}));
    EXPECT_TRUE(split_lines("").empty());
}

// Only regular files are read, and only up to the limit their kind sets: a device or a pipe is
// refused before it is opened, a larger file by its size or, where the size says nothing, by
// what it gives; a folder stays a file that cannot be opened.
TEST(FileIo, ReadsOnlyRegularFilesUpToTheLimit) {
    const std::string ten = write_temp("ten", "0123456789");
    EXPECT_EQ(read_file(ten, 10).bytes, "0123456789");
    EXPECT_EQ(read_file(ten, 9).status, ReadStatus::TooLarge);
    EXPECT_TRUE(read_file(ten, 9).bytes.empty());
    const std::string huge = sparse_file("huge", kMaxNumberFileBytes + 1);
    EXPECT_EQ(read_file(huge, kMaxNumberFileBytes).status, ReadStatus::TooLarge);
    // The kernel's own files say they hold nothing and then give more.
    EXPECT_EQ(read_file("/proc/self/status", 16).status, ReadStatus::TooLarge);
    EXPECT_EQ(read_file("/proc/self/status", 1 << 20).status, ReadStatus::Ok);

    const Fifo fifo("pipe");
    EXPECT_EQ(read_file(fifo.path, 10).status, ReadStatus::NotRegular);
    EXPECT_EQ(read_file("/dev/zero", 10).status, ReadStatus::NotRegular);
    const std::string folder = temp_path("folder");
    fs::create_directories(folder);
    EXPECT_EQ(read_file(folder, 10).status, ReadStatus::Unreadable);
    EXPECT_EQ(read_file(temp_path("nowhere"), 10).status, ReadStatus::Missing);

    EXPECT_EQ(read_failure_message("/dev/zero", ReadStatus::NotRegular, kMaxNumberFileBytes),
              "Cannot open file /dev/zero: it is not a regular file");
    EXPECT_EQ(read_failure_message("big.kvn", ReadStatus::TooLarge, kMaxNumberFileBytes),
              "Cannot open file big.kvn: it is larger than 512 MB");
    EXPECT_EQ(read_failure_message("big.kvs", ReadStatus::TooLarge, kMaxSettingsFileBytes),
              "Cannot open file big.kvs: it is larger than 1 MB");
    EXPECT_EQ(read_failure_message("a", ReadStatus::Unreadable, 10), "Cannot open file a");
    EXPECT_EQ(read_failure_message("a", ReadStatus::Missing, 10), std::nullopt);
    EXPECT_EQ(read_failure_message("a", ReadStatus::Ok, 10), std::nullopt);
    fs::remove(ten);
    fs::remove(huge);
    fs::remove(folder);
}

}  // namespace
}  // namespace corvane
