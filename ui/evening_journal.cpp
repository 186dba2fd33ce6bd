#include "ui/evening_journal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QtGlobal>

#include "base/file_io.h"
#include "ui/plan_store.h"

namespace corvane {

namespace {

constexpr char kKey[] = "journal/keep_evening";

QString from_bytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString path_text(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string read_reason(ReadStatus status) {
    switch (status) {
        case ReadStatus::NotRegular:
            return "it is not a regular file";
        case ReadStatus::TooLarge:
            return "it is larger than " + std::to_string(kMaxJournalBytes >> 20) + " MB";
        case ReadStatus::Ok:
        case ReadStatus::Missing:
        case ReadStatus::Unreadable:
            break;
    }
    return "it cannot be opened";
}

}  // namespace

std::unique_ptr<QMessageBox> question_box(QWidget* parent, const QString& question) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, QStringLiteral("Corvane"),
                                             question, QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(QStringLiteral("QuestionBox"));
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

EveningJournal::EveningJournal(QString folder, Window window)
    : folder_(std::move(folder)),
      window_(std::move(window)),
      files_(QFile::encodeName(folder_).toStdString()),
      clock_([] { return std::time(nullptr); }) {}

EveningJournal::~EveningJournal() {
    release();
}

QString EveningJournal::default_folder() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    return QStandardPaths::writableLocation(QStandardPaths::GenericStateLocation) +
           QStringLiteral("/corvane");
#else
    // This Qt knows no state folder: the XDG rule, read here; Qt's test mode keeps the tests
    // out of the player's folder, as it does for the configuration.
    if (QStandardPaths::isTestModeEnabled()) {
        return QDir::homePath() + QStringLiteral("/.qttest/state/corvane");
    }
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return base + QStringLiteral("/corvane");
#endif
}

bool EveningJournal::remembered() {
    return QSettings(remembered_settings_path(), QSettings::IniFormat)
        .value(QLatin1String(kKey), false)
        .toBool();
}

void EveningJournal::remember(bool on) {
    QSettings file(remembered_settings_path(), QSettings::IniFormat);
    file.setValue(QLatin1String(kKey), on);
    file.sync();
}

void EveningJournal::use_folder(const QString& folder) {
    release();
    folder_ = folder;
    files_ = JournalFolder(QFile::encodeName(folder_).toStdString());
}

std::string EveningJournal::now_minute() const {
    return local_minute_text(clock_());
}

bool EveningJournal::open_folder() {
    if (lock_ != nullptr) {
        return true;
    }
    if (folder_.contains(QLatin1Char('\n')) || folder_.contains(QLatin1Char('\r')) ||
        !QDir().mkpath(folder_)) {
        turn_off_after_failure();
        tell_failure();
        return false;
    }
    auto lock = std::make_unique<QLockFile>(folder_ + QStringLiteral("/journal.lock"));
    // The lock stands as long as its Corvane runs, however long that is; the lock of one that
    // was killed is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            if (!told_locked_ && window_.tell) {
                window_.tell(locked_message());
            }
            told_locked_ = true;
            return false;
        }
        turn_off_after_failure();
        tell_failure();
        return false;
    }
    lock_ = std::move(lock);
    return true;
}

void EveningJournal::release() {
    files_.stop();
    lock_.reset();
}

void EveningJournal::turn_off_after_failure() {
    release();
    wanted_ = false;
    remember(false);
    failed_ = true;
}

void EveningJournal::tell_failure() {
    if (failed_) {
        failed_ = false;
        if (window_.tell) {
            window_.tell(unwritable_message(folder_));
        }
    }
}

void EveningJournal::set_aside_faulty(const JournalFault& fault) {
    bool failed = false;
    const std::string as = files_.set_aside(&failed);
    if (window_.tell) {
        window_.tell(fault_message(files_.journal_path(), fault, as));
    }
    if (failed || !files_.begin({}, clock_())) {
        turn_off_after_failure();
        tell_failure();
    }
}

bool EveningJournal::start(Engine& fresh) {
    wanted_ = remembered();
    if (!wanted_ || !open_folder()) {
        return false;
    }
    const std::string path = files_.journal_path();
    const FileContent file = read_file(path, kMaxJournalBytes);
    if (file.status != ReadStatus::Ok && file.status != ReadStatus::Missing) {
        set_aside_faulty({0, read_reason(file.status)});
        return false;
    }
    const JournalContent content = parse_journal(file.bytes);
    if (content.fault) {
        set_aside_faulty(*content.fault);
        return false;
    }
    std::optional<ReplayedEvening> replayed;
    if (!content.entries.empty()) {
        replayed = replay_journal(fresh, content);
        if (replayed->fault) {
            set_aside_faulty(*replayed->fault);
            return false;
        }
    }
    std::string last_at = replayed ? replayed->last_at : std::string();
    if (replayed && last_at.empty()) {
        last_at = QFileInfo(path_text(path))
                      .lastModified()
                      .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                      .toStdString();
    }
    // A journal without an action (its first write cut short) holds no evening: it is set
    // aside without a question, as the answer No would.
    if (!replayed || !window_.ask ||
        !window_.ask(question(fresh.game().numbers.size(), last_at, content.cut))) {
        if (!files_.begin({}, clock_())) {
            turn_off_after_failure();
            tell_failure();
        }
        return false;
    }
    evening_ = std::move(replayed->evening);
    if (!files_.resume(content)) {
        turn_off_after_failure();
        tell_failure();
    }
    return true;
}

void EveningJournal::applied(const ScriptAction& action,
                             std::shared_ptr<const std::string> loaded) {
    EveningStep step{action, now_minute(), std::move(loaded)};
    if (files_.writing() && !files_.append(step)) {
        turn_off_after_failure();
    }
    evening_.push_back(std::move(step));
}

void EveningJournal::set_wanted(bool on) {
    wanted_ = on;
    remember(on);
    if (on) {
        told_locked_ = false;  // the player asked: they are told again
        if (open_folder() && !files_.begin(evening_, clock_())) {
            turn_off_after_failure();
            tell_failure();
        }
        return;
    }
    // Only the Corvane holding the lock touches the journal.
    if (lock_ != nullptr) {
        bool failed = false;
        files_.set_aside(&failed);
    }
    release();
}

void EveningJournal::new_evening() {
    evening_.clear();
    if (lock_ == nullptr) {
        return;
    }
    bool failed = false;
    files_.set_aside(&failed);
    if (failed || !files_.begin({}, clock_())) {
        turn_off_after_failure();
        tell_failure();
    }
}

QString EveningJournal::question(std::size_t numbers, const std::string& last_at, bool cut) {
    const QString minute = last_at.size() >= 5
                               ? QString::fromStdString(last_at.substr(last_at.size() - 5))
                               : QStringLiteral("--:--");
    QString text = QStringLiteral("Continue the evening? (%1 %2, the last at %3)")
                       .arg(numbers)
                       .arg(numbers == 1 ? QStringLiteral("number") : QStringLiteral("numbers"))
                       .arg(minute);
    if (cut) {
        text += QStringLiteral(
            "\n\nThe journal's last line was cut short when Corvane stopped: the evening is "
            "restored up to the line before it.");
    }
    return text;
}

QString EveningJournal::fault_message(const std::string& journal, const JournalFault& fault,
                                      const std::string& set_aside_as) {
    QString text =
        QStringLiteral("The evening's journal %1 cannot be read: ").arg(path_text(journal));
    if (fault.line > 0) {
        text += QStringLiteral("line %1: ").arg(fault.line);
    }
    text += from_bytes(fault.reason) + QStringLiteral(".\n\n");
    text += set_aside_as.empty()
                ? QStringLiteral("The evening starts empty.")
                : QStringLiteral("It is set aside as %1, and the evening starts empty.")
                      .arg(path_text(set_aside_as));
    return text;
}

QString EveningJournal::locked_message() {
    return QStringLiteral(
        "Another Corvane is running and keeps the evening's journal, so this one keeps none: "
        "what you enter here is not kept across restarts.");
}

QString EveningJournal::unwritable_message(const QString& folder) {
    return QStringLiteral(
               "The evening's journal cannot be written in %1, so \"Keep the evening across "
               "restarts\" is now off. The game goes on.")
        .arg(QDir::toNativeSeparators(folder));
}

QString EveningJournal::new_evening_question() {
    return QStringLiteral(
        "Start a new evening?\n\nThe game and the options start afresh, as when Corvane "
        "starts, and this evening's journal is set aside.");
}

}  // namespace corvane
