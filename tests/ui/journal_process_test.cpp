// The real program, started off screen with configuration and state folders of its own and
// driven through its hidden test drive (actions on its standard input, what it shows on its
// standard output): with the journal off a session of clicks leaves no file in either folder;
// killed with SIGKILL between two actions and started again, the evening continued shows what
// an uninterrupted run of the same actions shows, and corvane-backtest replays the journal to
// the same state; a journal whose last line was cut in half continues up to the line before it;
// a second Corvane keeps no journal and says so.
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>
#include <variant>

#include "cli/trace.h"
#include "engine/journal.h"
#include "engine/script.h"
#include "settings/settings_file.h"
#include "tests/support/command.h"
#include "tests/support/json.h"

namespace {

// A machine shared with other work may be slow: every wait is long, and none is a sleep.
constexpr int kWait = 120000;

std::string bytes_of(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

QString write_file(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

// The program on a home of the test's: its folders for configuration and state (and the caches
// Qt keeps) inside it.
class Corvane {
  public:
    explicit Corvane(const QString& home) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);  // private to its owner, as it must be
        env.insert(QStringLiteral("CORVANE_TEST_DRIVE"), QStringLiteral("1"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(CORVANE_APP), {});
    }
    ~Corvane() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kWait);
        }
    }

    // The next line that starts with `prefix`; the lines before it are kept in `said`.
    QString wait_for(const QString& prefix) {
        QDeadlineTimer deadline(kWait);
        for (;;) {
            while (process_.canReadLine()) {
                const QString line = QString::fromUtf8(process_.readLine()).chopped(1);
                if (line.startsWith(prefix)) {
                    return line;
                }
                said << line;
            }
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning ||
                !process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
                if (!process_.canReadLine()) {
                    qWarning("no line %s from Corvane", qPrintable(prefix));
                    return {};
                }
            }
        }
    }
    void send(const QString& line) {
        process_.write((line + QLatin1Char('\n')).toUtf8());
        process_.waitForBytesWritten(kWait);
    }
    // Each action, once the one before is done.
    bool act(const QStringList& actions) {
        for (const QString& a : actions) {
            send(a);
            if (wait_for(QStringLiteral("done ")) != QStringLiteral("done ") + a) {
                return false;
            }
        }
        return true;
    }
    // What the window shows, one element a line.
    QStringList dump() {
        send(QStringLiteral("dump"));
        said.clear();
        wait_for(QStringLiteral("end"));
        return said;
    }
    // As the close button does; true when the program ended of itself.
    bool quit() {
        send(QStringLiteral("quit"));
        return process_.waitForFinished(kWait) && process_.exitStatus() == QProcess::NormalExit &&
               process_.exitCode() == 0;
    }
    // As the power going, or kill -9: nothing of the program's own runs.
    bool kill() {
        process_.kill();  // SIGKILL
        return process_.waitForFinished(kWait) && process_.exitStatus() == QProcess::CrashExit;
    }

    QStringList said;

  private:
    QProcess process_;
};

// The actions of an evening, with files of its own to load.
QStringList evening_actions(const QString& home) {
    const QString game = write_file(home + QStringLiteral("/files/monday.kvn"), "5\n17\n0\n2\n");
    corvane::SettingsText settings = corvane::default_settings_text();
    settings[0] = "0";
    const QString options =
        write_file(home + QStringLiteral("/files/mine.kvs"), corvane::settings_file_text(settings));
    return {QStringLiteral("op Category_Off EO"),
            QStringLiteral("op CL12_Step -1"),
            QStringLiteral("spin 2"),
            QStringLiteral("spin 1"),
            QStringLiteral("load-numbers ") + game,
            QStringLiteral("spin 3"),
            QStringLiteral("spin 5"),
            QStringLiteral("undo"),
            QStringLiteral("spin 7"),
            QStringLiteral("bets"),
            QStringLiteral("op StartingBet_Step +1"),
            QStringLiteral("spin 0"),
            QStringLiteral("load-settings ") + options,
            QStringLiteral("spin 19"),
            QStringLiteral("new-game"),
            QStringLiteral("spin 36"),
            QStringLiteral("spin 4")};
}

void keep_the_evening(const QString& home) {
    write_file(home + QStringLiteral("/config/corvane/corvane.conf"),
               "[journal]\nkeep_evening=true\n");
}

QString journal_of(const QString& home) {
    return home + QStringLiteral("/state/corvane/journal.txt");
}

// The files under a folder, if it exists.
QStringList files_under(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        out << it.next();
    }
    return out;
}

// The last trace line of corvane-backtest --script on a journal.
std::string tool_last_line(const QString& journal) {
    return corvane::testing::last_trace_line(CORVANE_BACKTEST,
                                             QFile::encodeName(journal).toStdString());
}

// The state the actions leave when the tool's engine plays them one after the other.
std::string played_state(const QStringList& actions, const std::string& cmd) {
    corvane::Engine engine;
    for (const QString& a : actions) {
        const corvane::ScriptLine line = corvane::parse_script_line(a.toStdString());
        corvane::run_script_action(engine, std::get<corvane::ScriptAction>(line));
    }
    return corvane::trace_line(engine, cmd, std::nullopt);
}

}  // namespace

class JournalProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void with_the_entry_off_no_file_appears();
    void killed_between_two_actions_the_evening_continues_as_if_uninterrupted();
    void a_last_line_cut_in_half_continues_up_to_the_line_before();
    void a_second_corvane_keeps_no_journal_and_says_so();
};

void JournalProcessTest::with_the_entry_off_no_file_appears() {
    QTemporaryDir home;
    const QStringList actions = evening_actions(home.path());
    Corvane corvane(home.path());
    QVERIFY(!corvane.wait_for(QStringLiteral("ready")).isEmpty());
    QVERIFY(corvane.act(actions));
    QVERIFY(corvane.dump().contains(
        QStringLiteral("dump HisNum1 | shown | 4 |  | History 1: 4, black | ")));
    QVERIFY(corvane.quit());
    QCOMPARE(files_under(home.path() + QStringLiteral("/config")), QStringList());
    QCOMPARE(files_under(home.path() + QStringLiteral("/state")), QStringList());
    QCOMPARE(corvane.said.filter(QStringLiteral("message")), QStringList());
}

void JournalProcessTest::killed_between_two_actions_the_evening_continues_as_if_uninterrupted() {
    QTemporaryDir home;
    QTemporaryDir other;
    const QStringList actions = evening_actions(home.path());
    const int killed_after = 9;  // after "spin 7", before "bets"
    keep_the_evening(home.path());
    {
        Corvane first(home.path());
        QVERIFY(!first.wait_for(QStringLiteral("ready")).isEmpty());
        QVERIFY(first.act(actions.mid(0, killed_after)));
        QVERIFY(first.kill());
    }
    QStringList continued;
    {
        Corvane again(home.path());
        const QString question = again.wait_for(QStringLiteral("question "));
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^question Continue the evening\\? \\(6 numbers, the last "
                                    "at \\d\\d:\\d\\d\\)$"))
                     .match(question)
                     .hasMatch(),
                 qPrintable(question));
        again.send(QStringLiteral("yes"));
        QVERIFY(!again.wait_for(QStringLiteral("ready")).isEmpty());
        QCOMPARE(again.said, QStringList());  // no message
        QVERIFY(again.act(actions.mid(killed_after)));
        continued = again.dump();
        QVERIFY(again.quit());
    }
    QStringList uninterrupted;
    {
        Corvane once(other.path());
        QVERIFY(!once.wait_for(QStringLiteral("ready")).isEmpty());
        QVERIFY(once.act(actions));
        uninterrupted = once.dump();
        QVERIFY(once.quit());
    }
    QVERIFY(continued.size() > 300);
    QCOMPARE(continued, uninterrupted);

    // The journal, replayed by the tool, ends in the state of the actions played in one go.
    const std::string tool = tool_last_line(journal_of(home.path()));
    const std::string cmd = corvane::testing::parse_json(tool)["cmd"].string;
    QCOMPARE(cmd, std::string("spin 4"));
    QCOMPARE(tool, played_state(actions, cmd));
}

void JournalProcessTest::a_last_line_cut_in_half_continues_up_to_the_line_before() {
    QTemporaryDir home;
    QTemporaryDir other;
    const QStringList actions = evening_actions(home.path());
    keep_the_evening(home.path());
    {
        Corvane first(home.path());
        QVERIFY(!first.wait_for(QStringLiteral("ready")).isEmpty());
        QVERIFY(first.act(actions));
        QVERIFY(first.kill());
    }
    // The power went while the last line was written: half of it reached the disk.
    const std::string journal = QFile::encodeName(journal_of(home.path())).toStdString();
    const std::uintmax_t size = std::filesystem::file_size(journal);
    QVERIFY(bytes_of(journal_of(home.path())).ends_with("\nspin 4\n"));
    std::filesystem::resize_file(journal, size - 4);  // "spin 4\n" cut to "spi"
    QStringList continued;
    {
        Corvane again(home.path());
        const QString question = again.wait_for(QStringLiteral("question "));
        QVERIFY2(
            QRegularExpression(
                QStringLiteral("^question Continue the evening\\? \\(1 number, the last at "
                               "\\d\\d:\\d\\d\\)\\\\n\\\\nThe journal's last line was cut short "
                               "when Corvane stopped: the evening is restored up to the line "
                               "before it\\.$"))
                .match(question)
                .hasMatch(),
            qPrintable(question));
        again.send(QStringLiteral("yes"));
        QVERIFY(!again.wait_for(QStringLiteral("ready")).isEmpty());
        continued = again.dump();
        QVERIFY(again.quit());
    }
    QStringList uninterrupted;
    {
        Corvane once(other.path());
        QVERIFY(!once.wait_for(QStringLiteral("ready")).isEmpty());
        QVERIFY(once.act(actions.mid(0, actions.size() - 1)));
        uninterrupted = once.dump();
        QVERIFY(once.quit());
    }
    QCOMPARE(continued, uninterrupted);
    // The cut part is gone from the journal, which goes on whole.
    const corvane::JournalContent content =
        corvane::parse_journal(bytes_of(journal_of(home.path())));
    QVERIFY(!content.cut);
    QCOMPARE(content.entries.size(), static_cast<std::size_t>(actions.size() - 1));
}

void JournalProcessTest::a_second_corvane_keeps_no_journal_and_says_so() {
    QTemporaryDir home;
    keep_the_evening(home.path());
    Corvane first(home.path());
    QVERIFY(!first.wait_for(QStringLiteral("ready")).isEmpty());
    QVERIFY(first.act({QStringLiteral("spin 17")}));
    {
        Corvane second(home.path());
        QVERIFY(!second.wait_for(QStringLiteral("ready")).isEmpty());
        QCOMPARE(second.said,
                 QStringList{QStringLiteral(
                     "message Another Corvane is running and keeps the evening's journal, so this "
                     "one keeps none: what you enter here is not kept across restarts.")});
        QVERIFY(second.act({QStringLiteral("spin 3"), QStringLiteral("spin 4")}));
        QCOMPARE(second.said.size(), 1);  // said once
        QVERIFY(second.quit());
    }
    QVERIFY(first.act({QStringLiteral("spin 5")}));
    QVERIFY(first.quit());
    const corvane::JournalContent content =
        corvane::parse_journal(bytes_of(journal_of(home.path())));
    QCOMPARE(content.entries.size(), 2U);
    QCOMPARE(content.entries[1].action.cmd, std::string("spin 5"));
}

QTEST_GUILESS_MAIN(JournalProcessTest)
#include "journal_process_test.moc"
