#include "engine/journal.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <variant>

#include "base/file_io.h"
#include "settings/settings_file.h"

namespace corvane {

namespace {

namespace fs = std::filesystem;

// The journal's first line names its evening; a stamp line says the minute of the actions
// below it.
constexpr std::string_view kHeader = "# Corvane evening ";
constexpr std::string_view kAbout =
    "# One action a line, as the window applied them; corvane-backtest --script replays them.\n";
constexpr std::string_view kStamp = "# at ";
constexpr std::string_view kSetAsidePrefix = "journal-";
constexpr std::string_view kSetAsideSuffix = ".txt";

bool is_load(ScriptAction::Kind kind) {
    return kind == ScriptAction::Kind::LoadNumbers || kind == ScriptAction::Kind::LoadSettings;
}

bool is_save(ScriptAction::Kind kind) {
    return kind == ScriptAction::Kind::SaveNumbers || kind == ScriptAction::Kind::SaveSettings;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// An evening's name as this folder writes them: digits, '-' and '_' only, so that no name
// read from a file can lead out of the folder.
bool is_evening_name(std::string_view name) {
    return !name.empty() && name.size() <= 40 && std::all_of(name.begin(), name.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || ch == '-' || ch == '_';
    });
}

// A file's name as its copy keeps it: letters, digits, '.', '-' and '_'; anything else is '_'.
std::string copy_name(const std::string& path) {
    std::string name = fs::path(path).filename().string();
    if (name.size() > 64) {
        name = name.substr(name.size() - 64);
    }
    for (char& ch : name) {
        const bool plain = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                           (ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == '_';
        if (!plain) {
            ch = '_';
        }
    }
    return name.empty() || name.front() == '.' ? "file" + name : name;
}

std::string header(const std::string& evening) {
    return std::string(kHeader) + evening + "\n" + std::string(kAbout);
}

// The evening named in a journal's first line, if it is a regular file that names one.
std::string evening_named_in(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string first(256, '\0');
    in.read(first.data(), static_cast<std::streamsize>(first.size()));
    first.resize(static_cast<std::size_t>(in.gcount()));
    first = first.substr(0, first.find('\n'));
    if (!first.starts_with(kHeader)) {
        return {};
    }
    const std::string_view name = trimmed(std::string_view(first).substr(kHeader.size()));
    return is_evening_name(name) ? std::string(name) : std::string();
}

std::string two_digits(std::size_t k) {
    return (k < 10 ? "0" : "") + std::to_string(k);
}

void remove_copies_of(const std::string& files_folder, const std::string& evening) {
    const std::string prefix = evening + "-";
    std::error_code ec;
    for (fs::directory_iterator it(files_folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().starts_with(prefix)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

bool has_copies_of(const std::string& files_folder, const std::string& evening) {
    const std::string prefix = evening + "-";
    std::error_code ec;
    for (fs::directory_iterator it(files_folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

bool exists_here(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

}  // namespace

JournalContent parse_journal(std::string_view bytes) {
    JournalContent out;
    const std::size_t end = bytes.rfind('\n');
    const std::string_view whole =
        end == std::string_view::npos ? std::string_view{} : bytes.substr(0, end + 1);
    out.whole_bytes = whole.size();
    out.cut = whole.size() < bytes.size();
    std::string at;
    std::size_t start = 0;
    for (std::size_t number = 1; start < whole.size(); ++number) {
        const std::size_t stop = whole.find('\n', start);
        const std::string_view line = whole.substr(start, stop - start);
        start = stop + 1;
        if (number == 1 && line.starts_with(kHeader)) {
            out.evening = std::string(trimmed(line.substr(kHeader.size())));
            continue;
        }
        if (line.starts_with(kStamp)) {
            at = std::string(trimmed(line.substr(kStamp.size())));
            continue;
        }
        const ScriptLine parsed = parse_script_line(line);
        if (const auto* error = std::get_if<ScriptError>(&parsed)) {
            out.fault = JournalFault{number, error->message};
            return out;
        }
        if (const auto* action = std::get_if<ScriptAction>(&parsed)) {
            if (is_save(action->kind)) {
                out.fault = JournalFault{number, "a journal saves no files"};
                return out;
            }
            out.entries.push_back({*action, number, at});
        }
    }
    return out;
}

Message load_numbers_keeping(Engine& engine, const std::string& path,
                             std::shared_ptr<const std::string>& loaded,
                             const LoadProgress& progress) {
    engine.finish_spin();
    FileContent file = read_file(path, kMaxNumberFileBytes);
    if (file.status != ReadStatus::Ok) {
        return read_failure_message(path, file.status, kMaxNumberFileBytes);
    }
    Message message = engine.load_numbers_from(file.bytes, progress);
    if (!message) {
        loaded = std::make_shared<const std::string>(std::move(file.bytes));
    }
    return message;
}

Message load_settings_keeping(Engine& engine, const std::string& path,
                              std::shared_ptr<const std::string>& loaded) {
    engine.finish_spin();
    FileContent file = read_file(path, kMaxSettingsFileBytes);
    if (file.status != ReadStatus::Ok) {
        return read_failure_message(path, file.status, kMaxSettingsFileBytes);
    }
    Message message = engine.load_settings_from(file.bytes);
    if (!message) {
        loaded = std::make_shared<const std::string>(std::move(file.bytes));
    }
    return message;
}

ReplayedEvening replay_journal(Engine& engine, const JournalContent& content) {
    using Kind = ScriptAction::Kind;
    ReplayedEvening out;
    // The minutes of the game's last number and of the one before it, which an undo brings
    // back.
    std::string last;
    std::string before;
    for (const JournalEntry& entry : content.entries) {
        EveningStep step{entry.action, entry.at, {}};
        const std::size_t numbers = engine.game().numbers.size();
        Message message;
        if (entry.action.kind == Kind::LoadNumbers) {
            message = load_numbers_keeping(engine, entry.action.text, step.loaded);
        } else if (entry.action.kind == Kind::LoadSettings) {
            message = load_settings_keeping(engine, entry.action.text, step.loaded);
        } else {
            message = run_script_action(engine, entry.action);
        }
        if (!message && is_load(entry.action.kind) && !step.loaded) {
            message = "Cannot open file " + entry.action.text + ": it does not exist";
        }
        if (message) {
            out.fault = JournalFault{entry.line, *message};
            return out;
        }
        switch (entry.action.kind) {
            case Kind::Spin:
                before = last;
                last = entry.at;
                break;
            case Kind::Undo:
                if (engine.game().numbers.size() < numbers) {
                    last = before;
                }
                break;
            case Kind::NewGame:
                last.clear();
                before.clear();
                break;
            case Kind::LoadNumbers:
                last = before = entry.at;
                break;
            default:
                break;
        }
        out.evening.push_back(std::move(step));
    }
    if (engine.game().numbers.empty()) {
        last = content.entries.empty() ? std::string() : content.entries.back().at;
    }
    out.last_at = last;
    return out;
}

JournalFolder::JournalFolder(std::string folder) : folder_(std::move(folder)) {}

std::string JournalFolder::journal_path() const {
    return folder_ + "/journal.txt";
}

std::string JournalFolder::files_folder() const {
    return folder_ + "/files";
}

bool JournalFolder::resume(const JournalContent& content) {
    stop();
    if (!file_.open(journal_path(), content.whole_bytes)) {
        return false;
    }
    writing_ = true;
    created_ = true;
    evening_ =
        is_evening_name(content.evening) ? content.evening : free_evening_name(std::time(nullptr));
    stamped_ = content.entries.empty() ? std::string() : content.entries.back().at;
    copies_ = static_cast<std::size_t>(
        std::count_if(content.entries.begin(), content.entries.end(),
                      [](const JournalEntry& e) { return is_load(e.action.kind); }));
    return true;
}

bool JournalFolder::begin(const Evening& evening, std::time_t now) {
    stop();
    if (exists_here(journal_path())) {
        bool failed = false;
        set_aside(&failed);
        if (failed) {
            return false;
        }
    }
    evening_ = free_evening_name(now);
    created_ = false;
    stamped_.clear();
    copies_ = 0;
    writing_ = true;
    if (evening.empty()) {
        return true;
    }
    bool ok = true;
    std::string text = header(evening_);
    for (const EveningStep& step : evening) {
        text += step_text(step, ok);
        if (!ok) {
            break;
        }
    }
    ok = ok && write_file_durably(journal_path(), text) && file_.open(journal_path());
    created_ = ok;
    writing_ = ok;
    return ok;
}

bool JournalFolder::append(const EveningStep& step) {
    if (!writing_) {
        return false;
    }
    bool ok = true;
    std::string text = step_text(step, ok);
    if (ok && !created_) {
        text = header(evening_) + text;
        ok = file_.open(journal_path());
        created_ = ok;
    }
    if (!ok || !file_.append(text)) {
        stop();
        return false;
    }
    return true;
}

void JournalFolder::stop() {
    file_.close();
    writing_ = false;
}

std::string JournalFolder::step_text(const EveningStep& step, bool& ok) {
    std::string text;
    if (step.at != stamped_) {
        text += std::string(kStamp) + step.at + "\n";
        stamped_ = step.at;
    }
    ScriptAction action = step.action;
    if (is_load(action.kind) && step.loaded) {
        std::error_code ec;
        const bool made = fs::create_directories(files_folder(), ec);
        if (ec || (made && !sync_folder(folder_))) {
            ok = false;
            return {};
        }
        const std::string copy = files_folder() + "/" + evening_ + "-" + std::to_string(++copies_) +
                                 "-" + copy_name(action.text);
        if (!write_file_durably(copy, *step.loaded)) {
            ok = false;
            return {};
        }
        action.text = copy;
    }
    const std::string line = script_line(action);
    if (line.find_first_of("\r\n") != std::string::npos) {
        ok = false;  // a folder whose name would break the line
        return {};
    }
    return text + line + "\n";
}

std::string JournalFolder::free_evening_name(std::time_t now) const {
    const std::string base = local_time_name(now);
    std::string name = base;
    for (std::size_t k = 2; exists_here(folder_ + "/" + std::string(kSetAsidePrefix) + name +
                                        std::string(kSetAsideSuffix)) ||
                            has_copies_of(files_folder(), name);
         ++k) {
        name = base + "_" + two_digits(k);
    }
    return name;
}

std::string JournalFolder::set_aside(bool* failed) {
    stop();
    const std::string path = journal_path();
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec || !fs::exists(status)) {
        return {};
    }
    std::string name = fs::is_regular_file(status) ? evening_named_in(path) : std::string();
    if (name.empty()) {
        struct stat st {};
        name = local_time_name(::lstat(path.c_str(), &st) == 0 ? st.st_mtime : std::time(nullptr));
    }
    const std::string stem = folder_ + "/" + std::string(kSetAsidePrefix);
    std::string target = stem + name + std::string(kSetAsideSuffix);
    for (std::size_t k = 2; exists_here(target); ++k) {
        target = stem + name + "_" + two_digits(k) + std::string(kSetAsideSuffix);
    }
    if (!rename_durably(path, target)) {
        if (failed != nullptr) {
            *failed = true;
        }
        return {};
    }
    remove_old_evenings();
    return target;
}

std::vector<std::string> JournalFolder::set_aside_journals() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(kSetAsidePrefix) && name.ends_with(kSetAsideSuffix)) {
            names.push_back(it->path().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void JournalFolder::remove_old_evenings() {
    std::vector<std::string> journals = set_aside_journals();
    if (journals.size() <= kEveningsKept) {
        return;
    }
    journals.resize(journals.size() - kEveningsKept);
    for (const std::string& journal : journals) {
        std::string name = fs::path(journal).filename().string();
        name = name.substr(kSetAsidePrefix.size(),
                           name.size() - kSetAsidePrefix.size() - kSetAsideSuffix.size());
        std::error_code ignored;
        fs::remove_all(journal, ignored);
        if (is_evening_name(name)) {
            remove_copies_of(files_folder(), name);
        }
    }
    sync_folder(folder_);
}

}  // namespace corvane
