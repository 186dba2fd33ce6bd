// Start-up probe for the window programs: prints the wall-clock time at which the window
// first reached the screen, and the resident memory one second after the process started,
// then quits. bench/startup.sh compares the two programs with it.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace corvane::bench {

// Nanoseconds of the realtime clock, comparable with `date +%s%N` in the measuring script.
inline long long now_ns() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

inline long resident_kib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

class StartupProbe : public QObject {
  public:
    explicit StartupProbe(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint) {
            painted_ = true;
            std::printf("shown_ns %lld\n", now_ns());
            std::fflush(stdout);
            QTimer::singleShot(1000, [] {
                std::printf("rss_kib %ld\n", resident_kib());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    bool painted_ = false;
};

}  // namespace corvane::bench
