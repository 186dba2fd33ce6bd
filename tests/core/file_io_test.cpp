#include "core/file_io.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileSystem;

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

}  // namespace
}  // namespace corvane
