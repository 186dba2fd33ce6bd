// A catalogue of the files a player may hand to the program: hand-edited, truncated, saved by
// another program, renamed. Each gives its message (or none where the rules give none); a
// refused file leaves the whole observable state exactly as it was, and a valid file next to it
// still loads.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "base/number_file.h"
#include "cli/trace.h"
#include "engine/engine.h"
#include "settings/settings_file.h"
#include "tests/support/files.h"
#include "tests/support/special_files.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

enum class Kind { Numbers, Settings };

struct BadFile {
    const char* name;
    Kind kind;
    std::string bytes;
    // The message shown; nothing when the file loads (or is skipped without a word).
    std::optional<std::string> message;
};

const std::string kDefaults =
    "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n\r\n11\r\n7\r\n5\r\n0\r\n0\r\n\r\n0\r\n0\r\n0\r\n\r\n0\r\n1\r\n0"
    "\r\n\r\n0\r\n0\r\n";

std::string settings_with(int line, const std::string& text, int lines = 23) {
    std::string out;
    const char* defaults[23] = {"1", "1", "1", "1", "1", "1", "",  "11", "7", "5", "0", "0",
                                "",  "0", "0", "0", "",  "0", "1", "0",  "",  "0", "0"};
    for (int i = 0; i < lines; ++i) {
        out += (i == line ? text : std::string(i < 23 ? defaults[i] : "")) + "\n";
    }
    return out;
}

std::string cr_only(std::string text) {
    for (char& c : text) {
        c = c == '\n' ? '\r' : c;
    }
    return text;
}

std::string not_a_number(const std::string& text, int line) {
    return "'" + text + "' in line " + std::to_string(line) + " is not a number from 0 to 36";
}

const BadFile kCatalogue[] = {
    {"empty", Kind::Numbers, "", std::nullopt},
    {"only_blank_lines", Kind::Numbers, "\r\n  \n\t\n\r", std::nullopt},
    {"binary", Kind::Numbers, std::string("\x89PNG\r\n\x1a\n", 8), not_a_number("\x89PNG", 1)},
    {"nul_in_line", Kind::Numbers, std::string("5\n1\0002\n", 6),
     not_a_number(std::string("1\0002", 3), 2)},
    {"ten_megabyte_line", Kind::Numbers, std::string(10 << 20, '7'),
     "'" + std::string(40, '7') + "...' in line 1 is not a number from 0 to 36"},
    {"utf8_mark", Kind::Numbers,
     "\xEF\xBB\xBF"
     "5\r\n17\r\n",
     std::nullopt},
    {"utf16_mark", Kind::Numbers,
     std::string("\xFF\xFE"
                 "5\0\r\0\n\0",
                 8),
     not_a_number(std::string("\xFF\xFE"
                              "5\0",
                              4),
                  1)},
    {"cr_only", Kind::Numbers, "5\r0\r17\r", std::nullopt},
    {"mixed_line_ends", Kind::Numbers, "5\r\n0\n17\r36", std::nullopt},
    {"thirty_seven", Kind::Numbers, "5\n37\n", not_a_number("37", 2)},
    {"minus_one", Kind::Numbers, "-1\n", not_a_number("-1", 1)},
    {"plus_five", Kind::Numbers, "+5\n", not_a_number("+5", 1)},
    {"leading_zeros", Kind::Numbers, "007\n", std::nullopt},
    {"exponent", Kind::Numbers, "1e1\n", not_a_number("1e1", 1)},
    {"decimal", Kind::Numbers, "3.0\n", not_a_number("3.0", 1)},
    {"blanks_around", Kind::Numbers, " 12 \n", std::nullopt},
    {"settings_empty", Kind::Settings, "", "'' is not a valid integer value"},
    {"settings_ten_lines", Kind::Settings, settings_with(-1, "", 10),
     "'' is not a valid integer value"},
    {"settings_index_past_list", Kind::Settings, settings_with(7, "5011"),
     "'5011' is out of range"},
    {"settings_negative", Kind::Settings, settings_with(8, "-1"), "'-1' is out of range"},
    {"settings_above_2_31", Kind::Settings, settings_with(19, "2147483648"),
     "'2147483648' is not a valid integer value"},
    {"settings_word", Kind::Settings, settings_with(10, "Martingale"),
     "'Martingale' is not a valid integer value"},
    {"settings_200_lines", Kind::Settings, settings_with(-1, "", 200), std::nullopt},
    {"settings_utf8_mark", Kind::Settings, "\xEF\xBB\xBF" + kDefaults, std::nullopt},
    {"settings_cr_only", Kind::Settings, cr_only(settings_with(-1, "")), std::nullopt},
    {"settings_utf16", Kind::Settings,
     std::string("\xFF\xFE"
                 "1\0\n\0",
                 6),
     "'' is not a valid integer value"},
    {"settings_binary", Kind::Settings, std::string("\0\1\2\3", 4),
     "'' is not a valid integer value"},
    {"settings_index_with_blank", Kind::Settings, settings_with(14, " 3"),
     "' 3' is not a valid integer value"},
};

// Everything the player can observe, as the trace line prints it.
std::string state(const Engine& e) {
    return trace_line(e, "", std::nullopt);
}

Engine game_in_progress() {
    Engine e;
    e.apply(SettingOp::ResetOnZero_On);
    for (int n : {2, 1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 0}) {
        e.spin(n);
    }
    return e;
}

Message load(Engine& e, Kind kind, const std::string& path) {
    return kind == Kind::Numbers ? e.load_numbers(path) : e.load_settings(path);
}

class BadFiles : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadFiles, GiveTheirMessageAndChangeNothingElse) {
    const BadFile& f = GetParam();
    const std::string path = write_temp(std::string(f.name) + ".bad", f.bytes);
    Engine e = game_in_progress();
    const std::string before = state(e);
    EXPECT_EQ(load(e, f.kind, path), f.message);
    if (f.message) {
        EXPECT_EQ(state(e), before);
    }
    // A valid file beside it still loads.
    const std::string good =
        write_temp("good", f.kind == Kind::Numbers ? std::string("4\r\n") : kDefaults);
    EXPECT_EQ(load(e, f.kind, good), std::nullopt);
    if (f.kind == Kind::Numbers) {
        EXPECT_EQ(e.game().numbers, std::vector<std::uint8_t>{4});
    }
    EXPECT_TRUE(e.spin(17));
    fs::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadFiles, ::testing::ValuesIn(kCatalogue),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BadFiles, FoldersUnreadableFilesAndStrangeNames) {
    Engine e = game_in_progress();
    const std::string before = state(e);
    const std::string folder = temp_path("a folder");
    fs::create_directories(folder);
    for (Kind kind : {Kind::Numbers, Kind::Settings}) {
        EXPECT_EQ(load(e, kind, folder), "Cannot open file " + folder);
        EXPECT_EQ(load(e, kind, folder + "/missing.kvn"), std::nullopt);  // nothing, silently
    }
    EXPECT_EQ(state(e), before);
    EXPECT_EQ(e.save_numbers(folder), "Cannot create file " + folder);
    EXPECT_EQ(e.save_numbers(folder + "/no/such/folder.kvn"),
              "Cannot create file " + folder + "/no/such/folder.kvn");

    // Blanks and letters beyond ASCII in a name are just a name.
    const std::string odd = folder + "/Spiel vom Dienstag \xC3\xA4\xC3\xB6\xC3\xBC.kvn";
    EXPECT_EQ(e.save_numbers(odd), std::nullopt);
    const std::vector<std::uint8_t> numbers = e.game().numbers;
    e.new_game();
    EXPECT_EQ(e.load_numbers(odd), std::nullopt);
    EXPECT_EQ(e.game().numbers, numbers);

    // Permissions bind everyone but the superuser.
    const std::string locked = write_temp("locked.kvn", "5\r\n");
    chmod(locked.c_str(), 0);
    if (geteuid() != 0) {
        EXPECT_EQ(e.load_numbers(locked), "Cannot open file " + locked);
    }
    chmod(locked.c_str(), 0644);
    fs::remove(locked);
    fs::remove_all(folder);
}

// A device, a pipe or a file far larger than any of its kind is refused before it is read, with
// the reason, and nothing changes.
TEST(BadFiles, DevicesPipesAndHugeFiles) {
    Engine e = game_in_progress();
    const std::string before = state(e);
    const Fifo fifo("pipe");
    for (const auto& [kind, limit] : {std::pair{Kind::Numbers, kMaxNumberFileBytes},
                                      std::pair{Kind::Settings, kMaxSettingsFileBytes}}) {
        for (const std::string& path : {std::string("/dev/zero"), fifo.path}) {
            EXPECT_EQ(load(e, kind, path),
                      read_failure_message(path, ReadStatus::NotRegular, limit));
        }
        const std::string huge = sparse_file("huge", limit + 1);
        EXPECT_EQ(load(e, kind, huge), read_failure_message(huge, ReadStatus::TooLarge, limit));
        fs::remove(huge);
    }
    EXPECT_EQ(state(e), before);
}

}  // namespace
}  // namespace corvane::testing
