// Files flushed to the disk as they are written: a file that only grows, cut back to its whole
// part when it is opened again, and a whole file put in place under its name.
#include "base/durable_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/files.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_bytes;
using testing::temp_path;
using testing::write_temp;

TEST(AppendFile, EachAppendGoesAtTheEndAndStays) {
    const std::string path = temp_path("append.txt");
    fs::remove(path);
    {
        AppendFile f;
        ASSERT_TRUE(f.open(path));
        EXPECT_TRUE(f.is_open());
        ASSERT_TRUE(f.append("spin 17\n"));
        ASSERT_TRUE(f.append("spin 3\n"));
        EXPECT_EQ(read_bytes(path), "spin 17\nspin 3\n");  // there before the file is closed
    }
    AppendFile again;
    ASSERT_TRUE(again.open(path));
    ASSERT_TRUE(again.append("undo\n"));
    EXPECT_EQ(read_bytes(path), "spin 17\nspin 3\nundo\n");
    again.close();
    EXPECT_FALSE(again.is_open());
    EXPECT_FALSE(again.append("bets\n"));
    fs::remove(path);
}

TEST(AppendFile, OpeningWithALengthCutsWhatLiesBeyondIt) {
    const std::string path = write_temp("cut.txt", "spin 17\nspin 3\nspi");
    AppendFile f;
    ASSERT_TRUE(f.open(path, 15));
    EXPECT_EQ(read_bytes(path), "spin 17\nspin 3\n");
    ASSERT_TRUE(f.append("spin 4\n"));
    EXPECT_EQ(read_bytes(path), "spin 17\nspin 3\nspin 4\n");
    AppendFile shorter;
    ASSERT_TRUE(shorter.open(path, 1000));  // a length beyond the file cuts nothing
    EXPECT_EQ(fs::file_size(path), 22U);
    fs::remove(path);
}

TEST(AppendFile, OnlyARegularFileInAFolderThatExistsIsOpened) {
    AppendFile f;
    EXPECT_FALSE(f.open(::testing::TempDir()));
    EXPECT_FALSE(f.open(temp_path("no_such_folder") + "/journal.txt"));
    EXPECT_FALSE(f.is_open());
}

// A file moved onto another lets the other's descriptor go: a journal whose writer moves on
// to another folder holds no file open behind it.
TEST(AppendFile, AMoveLetsGoOfTheFileItReplaces) {
    const auto descriptors = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    };
    AppendFile first;
    ASSERT_TRUE(first.open(temp_path("first.txt")));
    AppendFile second;
    ASSERT_TRUE(second.open(temp_path("second.txt")));
    const auto before = descriptors();
    first = std::move(second);
    EXPECT_EQ(descriptors(), before - 1);
    ASSERT_TRUE(first.append("spin 5\n"));
    EXPECT_EQ(read_bytes(temp_path("second.txt")), "spin 5\n");
    EXPECT_FALSE(second.is_open());  // NOLINT(bugprone-use-after-move): it is left closed
    AppendFile third(std::move(first));
    EXPECT_TRUE(third.is_open());
    EXPECT_FALSE(first.is_open());  // NOLINT(bugprone-use-after-move)
}

TEST(WriteFileDurably, PutsTheWholeFileInPlaceAndLeavesNothingElse) {
    const std::string folder = temp_path("durable");
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = folder + "/copy.kvn";
    ASSERT_TRUE(write_file_durably(path, "5\n17\n"));
    ASSERT_TRUE(write_file_durably(path, "0\n"));
    EXPECT_EQ(read_bytes(path), "0\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_FALSE(write_file_durably(folder + "/missing/copy.kvn", "0\n"));
    ASSERT_TRUE(rename_durably(path, folder + "/moved.kvn"));
    EXPECT_EQ(read_bytes(folder + "/moved.kvn"), "0\n");
    EXPECT_FALSE(rename_durably(path, folder + "/again.kvn"));
    EXPECT_TRUE(sync_folder(folder));
    EXPECT_FALSE(sync_folder(folder + "/missing"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace corvane
