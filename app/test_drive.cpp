#include "app/test_drive.h"

#include <unistd.h>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <string>
#include <variant>

#include "engine/script.h"
#include "engine/session_log.h"
#include "ui/bar.h"
#include "ui/main_window.h"

namespace corvane {

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '\\') {
            out += "\\\\";
        } else if (ch == '\n') {
            out += "\\n";
        } else {
            out += ch;
        }
    }
    return out;
}

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// Standard input, cut into lines.
class Input {
  public:
    // Reads what is there without waiting; false at the end of the input.
    bool read_some() {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(0, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            pending_.append(buffer, static_cast<std::size_t>(n));
            return true;
        }
    }
    // The next whole line, if there is one.
    bool next(std::string& line) {
        const std::size_t end = pending_.find('\n');
        if (end == std::string::npos) {
            return false;
        }
        line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return true;
    }

  private:
    std::string pending_;
};

Input& input() {
    static Input in;
    return in;
}

// The answer to a question: the next line, waited for as a modal box waits.
bool answer() {
    std::string line;
    while (!input().next(line)) {
        if (!input().read_some()) {
            return false;
        }
    }
    return line == "yes";
}

QString visible_text(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* bar = dynamic_cast<Bar*>(w)) {
        return QString::number(bar->value());
    }
    return {};
}

void dump(MainWindow& window) {
    say("dump size " + std::to_string(window.width()) + "x" + std::to_string(window.height()));
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    std::stable_sort(widgets.begin(), widgets.end(),
                     [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    for (QWidget* w : widgets) {
        if (w->objectName().isEmpty() || w->window() != &window) {
            continue;
        }
        const QString line =
            w->objectName() + QStringLiteral(" | ") +
            (w->isVisibleTo(&window) ? QStringLiteral("shown") : QStringLiteral("hidden")) +
            QStringLiteral(" | ") + visible_text(w) + QStringLiteral(" | ") + w->toolTip() +
            QStringLiteral(" | ") + w->accessibleName() + QStringLiteral(" | ") +
            w->accessibleDescription();
        say("dump " + escaped(line.toStdString()));
    }
    const Engine& engine = window.engine();
    say("dump log " + escaped(session_csv(engine.game().log)));
    for (const std::string& figure : engine.plan_figures()) {
        say("dump plan " + escaped(figure));
    }
    for (const std::string& warning : engine.plan_warnings()) {
        say("dump warning " + escaped(warning));
    }
    say("end");
}

// Takes the lines as they come and hands them to the window one at a time: the next waits
// until the game is idle after the one before.
class Drive : public QObject {
  public:
    explicit Drive(MainWindow& window)
        : QObject(&window), window_(window), notifier_(0, QSocketNotifier::Read, this) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] {
            if (!input().read_some()) {
                notifier_.setEnabled(false);
            }
            run();
        });
        idle_.setInterval(5);
        connect(&idle_, &QTimer::timeout, this, [this] {
            if (!window_.engine().game().timer_running) {
                idle_.stop();
                say("done " + busy_with_);
                busy_with_.clear();
                run();
            }
        });
    }

    void run() {
        std::string line;
        while (busy_with_.empty() && input().next(line)) {
            take(line);
        }
    }

  private:
    void take(const std::string& line) {
        if (line == "dump") {
            dump(window_);
        } else if (line == "quit") {
            QApplication::quit();
        } else {
            const ScriptLine parsed = parse_script_line(line);
            if (const auto* action = std::get_if<ScriptAction>(&parsed)) {
                window_.perform(*action);
                busy_with_ = line;
                idle_.start();
            } else if (const auto* error = std::get_if<ScriptError>(&parsed)) {
                say("refused " + error->message);
            }
        }
    }

    MainWindow& window_;
    QSocketNotifier notifier_;
    QTimer idle_;
    std::string busy_with_;  // the line whose action is under way
};

}  // namespace

bool test_drive_wanted() {
    return !qEnvironmentVariableIsEmpty("CORVANE_TEST_DRIVE");
}

void prepare_test_drive(MainWindow& window) {
    window.show_message = [](const QString& text) {
        say("message " + escaped(text.toStdString()));
    };
    window.ask_yes_no = [](const QString& question) {
        say("question " + escaped(question.toStdString()));
        return answer();
    };
}

void start_test_drive(MainWindow& window) {
    auto* drive = new Drive(window);
    say("ready");
    drive->run();
}

}  // namespace corvane
