// Keeping the evening across restarts, in the window: the menu's entry, off by default and then
// nothing kept; every action of a click, a key or a file written as its line; an evening
// continued shows what the window showed and what corvane-backtest replays from the journal;
// the answer No, journals that cannot be read, a folder that cannot be written, the entry turned
// on and off in the middle of an evening, an option changed during a spin, and a new evening.
// The configuration and state folders are temporary ones, set before the application starts.
// (The real program's tests, journal_process_test.cpp, cut a last line and start a second
// Corvane.)
#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

#include "base/file_io.h"
#include "cli/trace.h"
#include "engine/journal.h"
#include "engine/session_log.h"
#include "settings/settings_file.h"
#include "tests/support/command.h"
#include "tests/support/json.h"
#include "tests/support/window.h"
#include "ui/bar.h"
#include "ui/evening_journal.h"
#include "ui/main_window.h"

using corvane::EveningJournal;
using corvane::MainWindow;
using corvane::testing::element;

namespace {

namespace fs = std::filesystem;

// Every action of these tests happens at this moment.
constexpr std::time_t kAt = 1773520807;

std::string bytes_of(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

QString write_file(const QString& path, const std::string& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

// A window on a journal folder of the test's, with its questions and messages caught.
struct Player {
    explicit Player(const QString& folder, bool yes = true) : w(new MainWindow), answer(yes) {
        w->journal().use_folder(folder);
        w->journal().set_clock([] { return kAt; });
        w->show_message = [this](const QString& m) { messages << m; };
        w->ask_yes_no = [this](const QString& q) {
            questions << q;
            return answer;
        };
        w->ask_file = [](bool, const QString&, const QString&) { return QString(); };
        w->set_options_open(true);
        w->show();
    }
    MainWindow& operator*() { return *w; }
    MainWindow* operator->() { return w.get(); }

    std::unique_ptr<MainWindow> w;
    bool answer;
    QStringList messages;
    QStringList questions;
};

// Points at `name` and clicks whatever is topmost there, as a player does.
void click(MainWindow& w, const QString& name) {
    QWidget* e = element(w, name);
    QTest::mouseMove(e, e->rect().center());
    QWidget* top = w.childAt(e->geometry().center());
    QTest::mousePress(top, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(top, Qt::LeftButton, {}, QPoint(5, 5));
}

// A click on a number's cell and its animation. The pointer leaves for the bare skin first: a
// pointer that stayed where it was would bring the cell no move, and no hover picture to click.
void spin(MainWindow& w, int n) {
    QTest::mouseMove(element(w, QStringLiteral("Image_UI")), QPoint(2, 200));
    corvane::testing::click_spin(w, n);
}

QMenu* right_click(MainWindow& w) {
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, QPoint(300, 20));
    return w.findChild<QMenu*>(QStringLiteral("ContextMenu"));
}

QAction* entry(QMenu* menu, const char* name) {
    return menu->findChild<QAction*>(QLatin1String(name));
}

void choose(MainWindow& w, const char* name) {
    QMenu* menu = right_click(w);
    QAction* a = entry(menu, name);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
}

// Red/Black alone with chains of three, set on the panel: after 2 1 3 5 a bet of 1 on Black
// loses on 7, 2 on Black loses on the zero, and 4 on Black is suggested.
void play_an_evening(MainWindow& w) {
    for (const char* c : {"ChBx_EvenOdd_Checked", "ChBx_LessMore_Checked", "ChBx_Dozens_Checked",
                          "ChBx_Columns_Checked"}) {
        click(w, QLatin1String(c));
    }
    for (int i = 0; i < 7; ++i) {
        click(w, QStringLiteral("Button_Arrow_CL12_left"));
    }
    for (int n : {2, 1, 3, 5, 7, 0}) {
        spin(w, n);
    }
}

// What the window shows: every named element, shown or not, with its text or value and tips.
// The hover pictures follow the pointer, not the game: they are hidden first.
QStringList shown_state(MainWindow& w) {
    w.disable_hovers();
    QStringList out;
    for (QWidget* e : w.findChildren<QWidget*>()) {
        if (e->objectName().isEmpty() || e->window() != &w) {
            continue;
        }
        QString text;
        if (auto* label = qobject_cast<QLabel*>(e)) {
            text = label->text();
        } else if (auto* bar = dynamic_cast<corvane::Bar*>(e)) {
            text = QString::number(bar->value());
        }
        out << e->objectName() +
                   (e->isVisibleTo(&w) ? QStringLiteral(" shown ") : QStringLiteral(" hidden ")) +
                   text + QLatin1Char('|') + e->toolTip() + QLatin1Char('|') + e->accessibleName();
    }
    out << QString::fromStdString(corvane::session_csv(w.engine().game().log));
    for (const std::string& s : w.engine().plan_figures()) {
        out << QString::fromStdString(s);
    }
    for (const std::string& s : w.engine().plan_warnings()) {
        out << QString::fromStdString(s);
    }
    return out;
}

std::string trace_of(MainWindow& w) {
    return corvane::trace_line(w.engine(), "", std::nullopt);
}

// The journal's actions, as lines.
QStringList journal_lines(const std::string& path) {
    QStringList out;
    for (const corvane::JournalEntry& e :
         corvane::parse_journal(bytes_of(QString::fromStdString(path))).entries) {
        out << QString::fromStdString(e.action.cmd);
    }
    return out;
}

// The last trace line of corvane-backtest --script on a journal.
std::string tool_last_line(const std::string& journal) {
    return corvane::testing::last_trace_line(CORVANE_BACKTEST, journal);
}

QString minute() {
    return QString::fromStdString(corvane::local_minute_text(kAt).substr(11));
}

}  // namespace

class JournalTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void off_by_default_nothing_is_kept();
    void every_action_is_kept_as_its_line();
    void a_continued_evening_shows_what_the_window_showed();
    void no_sets_the_journal_aside_and_starts_empty();
    void a_journal_that_cannot_be_read_is_set_aside_data();
    void a_journal_that_cannot_be_read_is_set_aside();
    void a_folder_that_cannot_be_written_turns_the_entry_off();
    void a_write_that_fails_turns_the_entry_off_and_the_game_goes_on();
    void turned_on_late_the_journal_starts_with_the_evening_so_far();
    void turned_off_the_journal_is_set_aside();
    void an_option_during_a_spin_lets_the_spin_end_first();
    void a_new_evening_starts_afresh();

  private:
    QString folder() const { return dir_->path() + QStringLiteral("/state/corvane"); }
    std::string journal() const {
        return (folder() + QStringLiteral("/journal.txt")).toStdString();
    }

    std::unique_ptr<QTemporaryDir> dir_;
};

void JournalTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    EveningJournal::remember(false);
}

void JournalTest::off_by_default_nothing_is_kept() {
    QVERIFY(!EveningJournal::remembered());
    Player p(folder());
    p->start_evening();
    play_an_evening(*p);
    QMenu* menu = right_click(*p);
    QVERIFY(menu != nullptr);
    QAction* keep = entry(menu, "KeepEvening");
    QCOMPARE(keep->text(), QStringLiteral("Keep the evening across restarts"));
    QVERIFY(keep->isCheckable());
    QVERIFY(!keep->isChecked());
    QVERIFY(!entry(menu, "NewEvening")->isEnabled());
    menu->close();
    QVERIFY(!QFileInfo::exists(dir_->path() + QStringLiteral("/state")));
    QCOMPARE(p.questions, QStringList());
    QCOMPARE(p.messages, QStringList());
}

void JournalTest::every_action_is_kept_as_its_line() {
    EveningJournal::remember(true);
    const QString game = write_file(dir_->path() + QStringLiteral("/monday.kvn"), "5\n17\n");
    corvane::SettingsText settings = corvane::default_settings_text();
    settings[0] = "0";
    const QString options = write_file(dir_->path() + QStringLiteral("/mine.kvs"),
                                       corvane::settings_file_text(settings));
    Player p(folder());
    p->start_evening();
    QCOMPARE(p.questions, QStringList());  // there was no journal
    spin(*p, 17);
    spin(*p, 3);
    click(*p, QStringLiteral("Button_Cancel"));
    QTest::keyClick(p.w.get(), Qt::Key_Z, Qt::ControlModifier);  // nothing more to take back
    click(*p, QStringLiteral("ChBx_RedBlack_Checked"));
    click(*p, QStringLiteral("Button_BETS"));
    p->open_file(game);
    p->open_file(options);
    click(*p, QStringLiteral("Button_SPINS"));
    click(*p, QStringLiteral("Button_SETTINGS"));
    QTest::keyClicks(p.w.get(), QStringLiteral("36"));
    QTest::keyClick(p.w.get(), Qt::Key_Return);
    for (int t = 0; t < corvane::kAnimationTicks; ++t) {
        p->animation_tick();
    }
    QCOMPARE(p.messages, QStringList());

    const QString files = folder() + QStringLiteral("/files/");
    const QStringList lines = journal_lines(journal());
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.mid(0, 5),
             (QStringList{"spin 17", "spin 3", "undo", "op Category_Off RB", "bets"}));
    QVERIFY2(lines[5].startsWith(QStringLiteral("load-numbers ") + files) &&
                 lines[5].endsWith(QStringLiteral("-1-monday.kvn")),
             qPrintable(lines[5]));
    QVERIFY2(lines[6].startsWith(QStringLiteral("load-settings ") + files) &&
                 lines[6].endsWith(QStringLiteral("-2-mine.kvs")),
             qPrintable(lines[6]));
    QCOMPARE(lines.mid(7), (QStringList{"new-game", "default-settings", "spin 36"}));
    QCOMPARE(bytes_of(lines[5].mid(13)), std::string("5\n17\n"));
    QCOMPARE(bytes_of(lines[6].mid(14)), corvane::settings_file_text(settings));
    // Stamped with the minute of the clock.
    QVERIFY(QString::fromStdString(bytes_of(QString::fromStdString(journal())))
                .contains(QStringLiteral("\n# at ") +
                          QString::fromStdString(corvane::local_minute_text(kAt)) +
                          QStringLiteral("\nspin 17\n")));
}

void JournalTest::a_continued_evening_shows_what_the_window_showed() {
    EveningJournal::remember(true);
    QStringList shown;
    std::string trace;
    {
        Player p(folder());
        corvane::MoneyPlan plan;
        plan.bankroll = 100;
        plan.table_max = 2;
        p->use_plan(plan, false);
        p->start_evening();
        play_an_evening(*p);
        QVERIFY(!p->engine().plan_warnings().empty());  // the stake of 4 is above the table's 2
        shown = shown_state(*p);
        trace = trace_of(*p);
    }  // closed: the next start finds the journal
    Player q(folder());
    corvane::MoneyPlan plan;
    plan.bankroll = 100;
    plan.table_max = 2;
    q->use_plan(plan, false);  // the plan comes from the configuration folder, as at a start
    q->start_evening();
    QCOMPARE(
        q.questions,
        QStringList{
            QStringLiteral("Continue the evening? (6 numbers, the last at %1)").arg(minute())});
    QCOMPARE(q.messages, QStringList());
    QCOMPARE(shown_state(*q), shown);
    QCOMPARE(trace_of(*q), trace);
    const std::string tool = tool_last_line(journal());
    const std::string cmd = corvane::testing::parse_json(tool)["cmd"].string;
    QCOMPARE(corvane::trace_line(q->engine(), cmd, std::nullopt), tool);
    // The journal goes on after the actions it held.
    spin(*q, 4);
    QCOMPARE(journal_lines(journal()).size(), 4 + 7 + 6 + 1);
}

void JournalTest::no_sets_the_journal_aside_and_starts_empty() {
    EveningJournal::remember(true);
    std::string before;
    {
        Player p(folder());
        p->start_evening();
        spin(*p, 17);
        before = bytes_of(QString::fromStdString(journal()));
    }
    Player q(folder(), false);
    q->start_evening();
    QCOMPARE(q.questions.size(), 1);
    QVERIFY(
        q.questions[0].startsWith(QStringLiteral("Continue the evening? (1 number, the last at ")));
    QVERIFY(q->engine().game().numbers.empty());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(journal())));
    const QStringList aside = QDir(folder()).entryList({QStringLiteral("journal-*.txt")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(bytes_of(folder() + QLatin1Char('/') + aside[0]), before);  // renamed, never changed
    QCOMPARE(aside[0], QStringLiteral("journal-%1.txt")
                           .arg(QString::fromStdString(corvane::local_time_name(kAt))));
    spin(*q, 5);
    QCOMPARE(journal_lines(journal()), QStringList{"spin 5"});
}

void JournalTest::a_journal_that_cannot_be_read_is_set_aside_data() {
    QTest::addColumn<QString>("content");  // "fifo" and "huge" stand for what is not a text
    QTest::addColumn<QString>("said");
    QTest::newRow("unknown action") << "spin 3\nspin 4\njump 5\n"
                                    << "line 3: unknown action 'jump'.";
    QTest::newRow("bad argument") << "spin 3\nspin 40\n"
                                  << "line 2: spin needs one number from 0 to 36.";
    QTest::newRow("file gone") << "spin 3\n# at 2026-03-14 21:40\nload-numbers /nowhere/g.kvn\n"
                               << "line 3: Cannot open file /nowhere/g.kvn: it does not exist.";
    QTest::newRow("too large") << "huge"
                               << ": it is larger than 64 MB.";
    QTest::newRow("not a regular file") << "fifo"
                                        << ": it is not a regular file.";
}

void JournalTest::a_journal_that_cannot_be_read_is_set_aside() {
    QFETCH(QString, content);
    QFETCH(QString, said);
    EveningJournal::remember(true);
    QVERIFY(QDir().mkpath(folder()));
    if (content == QLatin1String("huge")) {
        write_file(QString::fromStdString(journal()), "spin 3\n");
        fs::resize_file(journal(), corvane::kMaxJournalBytes + 1);
    } else if (content == QLatin1String("fifo")) {
        QVERIFY(mkfifo(journal().c_str(), 0600) == 0);
    } else {
        write_file(QString::fromStdString(journal()), content.toStdString());
    }
    Player p(folder());
    p->start_evening();
    QCOMPARE(p.questions, QStringList());  // never half replayed
    QVERIFY(p->engine().game().numbers.empty());
    const QStringList aside = QDir(folder()).entryList({QStringLiteral("journal-*.txt")},
                                                       QDir::AllEntries | QDir::System);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(p.messages.size(), 1);
    const QString message = p.messages[0];
    QVERIFY2(
        message.startsWith(QStringLiteral("The evening's journal ") +
                           QString::fromStdString(journal()) + QStringLiteral(" cannot be read")),
        qPrintable(message));
    QVERIFY2(message.contains(said), qPrintable(message));
    QVERIFY2(message.endsWith(QStringLiteral("It is set aside as ") + folder() + QLatin1Char('/') +
                              aside[0] + QStringLiteral(", and the evening starts empty.")),
             qPrintable(message));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(journal())));
    spin(*p, 8);
    QCOMPARE(journal_lines(journal()), QStringList{"spin 8"});
}

void JournalTest::a_folder_that_cannot_be_written_turns_the_entry_off() {
    EveningJournal::remember(true);
    const QString file =
        write_file(dir_->path() + QStringLiteral("/state"), "a file, not a folder");
    Player p(folder());
    p->start_evening();
    QCOMPARE(p.messages, QStringList{EveningJournal::unwritable_message(folder())});
    QCOMPARE(p.messages[0],
             QStringLiteral(
                 "The evening's journal cannot be written in %1, so \"Keep the evening across "
                 "restarts\" is now off. The game goes on.")
                 .arg(folder()));
    QVERIFY(!EveningJournal::remembered());
    spin(*p, 3);
    QCOMPARE(p->engine().game().numbers, (std::vector<std::uint8_t>{3}));
    QCOMPARE(p.messages.size(), 1);
    QVERIFY(!entry(right_click(*p), "KeepEvening")->isChecked());
}

void JournalTest::a_write_that_fails_turns_the_entry_off_and_the_game_goes_on() {
    EveningJournal::remember(true);
    Player p(folder());
    p->start_evening();
    spin(*p, 3);
    write_file(folder() + QStringLiteral("/files"), "where the copies would go");
    const QString game = write_file(dir_->path() + QStringLiteral("/g.kvn"), "5\n17\n");
    p->open_file(game);
    QCOMPARE(p->engine().game().numbers, (std::vector<std::uint8_t>{5, 17}));
    QCOMPARE(p.messages, QStringList{EveningJournal::unwritable_message(folder())});
    QVERIFY(!EveningJournal::remembered());
    QVERIFY(!p->journal().wanted());
    spin(*p, 4);
    QCOMPARE(journal_lines(journal()), QStringList{"spin 3"});
    QVERIFY(!entry(right_click(*p), "KeepEvening")->isChecked());
}

void JournalTest::turned_on_late_the_journal_starts_with_the_evening_so_far() {
    QStringList shown;
    {
        Player p(folder());
        p->start_evening();
        const QString game = write_file(dir_->path() + QStringLiteral("/g.kvn"), "5\n17\n");
        p->open_file(game);
        play_an_evening(*p);
        QVERIFY(!QFileInfo::exists(folder()));
        choose(*p, "KeepEvening");
        QVERIFY(EveningJournal::remembered());
        QVERIFY(p->journal().keeping());
        QCOMPARE(journal_lines(journal()).size(), 1 + 4 + 7 + 6);
        QFile::remove(game);  // the journal has its copy
        QVERIFY(entry(right_click(*p), "NewEvening")->isEnabled());
        shown = shown_state(*p);
    }
    Player q(folder());
    q->start_evening();
    QCOMPARE(q.questions.size(), 1);
    QCOMPARE(shown_state(*q), shown);
}

void JournalTest::turned_off_the_journal_is_set_aside() {
    EveningJournal::remember(true);
    Player p(folder());
    p->start_evening();
    spin(*p, 3);
    choose(*p, "KeepEvening");
    QVERIFY(!EveningJournal::remembered());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(journal())));
    QCOMPARE(QDir(folder()).entryList({QStringLiteral("journal-*.txt")}).size(), 1);
    spin(*p, 4);
    QVERIFY(!QFileInfo::exists(QString::fromStdString(journal())));
    QVERIFY(!QFileInfo::exists(folder() + QStringLiteral("/journal.lock")));
}

void JournalTest::an_option_during_a_spin_lets_the_spin_end_first() {
    EveningJournal::remember(true);
    QStringList shown;
    std::string trace;
    {
        Player p(folder());
        p->start_evening();
        click(*p, QStringLiteral("Button_Arrow_CL12_left"));
        for (int n : {1, 3, 5, 7, 9, 12, 14, 16, 18}) {
            spin(*p, n);
        }
        // A number, and Red/Black switched off while its animation runs.
        QTest::mouseMove(element(*p, QStringLiteral("UI_Button_19")), QPoint(15, 15));
        QTest::mouseClick(element(*p, QStringLiteral("UI_Button_Hover_19")), Qt::LeftButton, {},
                          QPoint(15, 15));
        QVERIFY(p->engine().game().timer_running);
        click(*p, QStringLiteral("ChBx_RedBlack_Checked"));
        QVERIFY(!p->engine().game().timer_running);
        shown = shown_state(*p);
        trace = trace_of(*p);
    }
    Player q(folder());
    q->start_evening();
    QCOMPARE(shown_state(*q), shown);
    QCOMPARE(trace_of(*q), trace);  // the bankroll: the bet on Black lost, the next given back
}

void JournalTest::a_new_evening_starts_afresh() {
    EveningJournal::remember(true);
    Player p(folder());
    corvane::MoneyPlan plan;
    plan.target = 50;
    p->use_plan(plan, false);
    p->start_evening();
    play_an_evening(*p);
    p.answer = false;
    choose(*p, "NewEvening");
    QCOMPARE(p.questions, QStringList{EveningJournal::new_evening_question()});
    QCOMPARE(p->engine().game().numbers.size(), 6U);  // No: nothing changes
    p.answer = true;
    choose(*p, "NewEvening");
    QVERIFY(p->engine().game().numbers.empty());
    QCOMPARE(p->engine().settings_text(), corvane::default_settings_text());
    QCOMPARE(p->engine().plan(), plan);
    QVERIFY(!QFileInfo::exists(QString::fromStdString(journal())));
    QCOMPARE(QDir(folder()).entryList({QStringLiteral("journal-*.txt")}).size(), 1);
    spin(*p, 6);
    QCOMPARE(journal_lines(journal()), QStringList{"spin 6"});
}

// The configuration and state folders are temporary ones from the very start.
int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home.path() + QStringLiteral("/state")));
    QApplication app(argc, argv);
    JournalTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "journal_test.moc"
