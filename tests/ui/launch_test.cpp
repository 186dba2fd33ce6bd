// The window on a real desktop: the platform it asks Qt for in each kind of session, and the
// files the desktop or the command line hands it.
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "base/number_file.h"
#include "settings/settings_file.h"
#include "tests/support/window.h"
#include "ui/desktop_platform.h"
#include "ui/main_window.h"

using corvane::MainWindow;
using corvane::testing::element;
using corvane::testing::shown;

// Starts the program as on a Wayland desktop, with `display` as its X display (none when
// empty); true once it has ended, as it does, no such desktop being there.
bool start_on_wayland(QProcess& corvane, const QString& display) {
    static QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    if (!display.isEmpty()) {
        env.insert(QStringLiteral("DISPLAY"), display);
    }
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-corvane-test"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("XDG_STATE_HOME"), home.path());
    corvane.setProcessEnvironment(env);
    corvane.start(QStringLiteral(CORVANE_APP), {});
    return corvane.waitForFinished(20000);
}

class LaunchTest : public QObject {
    Q_OBJECT

  private slots:
    void platform_data();
    void platform();
    void wayland_without_its_plugin_says_what_to_install();
    void wayland_with_xwayland_goes_through_xcb();
    void open_file_loads_as_the_load_buttons_do();
};

void LaunchTest::platform_data() {
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("wayland_display");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<bool>("plugin");
    QTest::addColumn<bool>("refused");
    const auto row = [](const char* name, const char* session, const char* wayland_display,
                        const char* display, const char* chosen, const char* platform, bool warn,
                        bool plugin = true, bool refused = false) {
        QTest::newRow(name) << QString(session) << QString(wayland_display) << QString(display)
                            << QString(chosen) << QString(platform) << warn << plugin << refused;
    };
    // clang-format off
    // XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY, QT_QPA_PLATFORM; the platform asked for, and
    // whether the player is told that the window will not stay on top.
    row("x11 session",                   "x11",     "",          ":0", "",        "",        false);
    row("wayland with xwayland",         "wayland", "wayland-0", ":0", "",        "xcb",     false);
    row("wayland alone",                 "wayland", "wayland-0", "",   "",        "wayland", true);
    row("wayland, no display named",     "wayland", "",          "",   "",        "wayland", true);
    row("compositor from a console",     "tty",     "wayland-1", ":1", "",        "xcb",     false);
    row("compositor alone, no session",  "",        "wayland-1", "",   "",        "wayland", true);
    row("x11 session, stray wayland",    "x11",     "wayland-0", ":0", "",        "",        false);
    row("player chose wayland",          "wayland", "wayland-0", ":0", "wayland", "",        false);
    row("player chose xcb",              "wayland", "wayland-0", "",   "xcb",     "",        false);
    row("console",                       "tty",     "",          "",   "",        "",        false);
    row("nothing set",                   "",        "",          "",   "",        "",        false);
    // Without Qt's Wayland plugin the window starts only where XWayland is, or where the player
    // chose a platform.
    row("no plugin, wayland alone",      "wayland", "wayland-0", "",   "",        "",        false, false, true);
    row("no plugin, compositor alone",   "",        "wayland-1", "",   "",        "",        false, false, true);
    row("no plugin, xwayland",           "wayland", "wayland-0", ":0", "",        "xcb",     false, false);
    row("no plugin, player chose",       "wayland", "wayland-0", "",   "wayland", "",        false, false);
    row("no plugin, x11 session",        "x11",     "",          ":0", "",        "",        false, false);
    // clang-format on
}

void LaunchTest::platform() {
    QFETCH(QString, session);
    QFETCH(QString, wayland_display);
    QFETCH(QString, display);
    QFETCH(QString, chosen);
    QFETCH(bool, plugin);
    const corvane::PlatformChoice choice =
        corvane::choose_platform({session.toStdString(), wayland_display.toStdString(),
                                  display.toStdString(), chosen.toStdString(), plugin});
    QTEST(QString::fromStdString(choice.platform), "platform");
    QTEST(choice.cannot_stay_on_top, "warn");
    QTEST(!choice.cannot_start.empty(), "refused");
    if (!choice.cannot_start.empty()) {
        QVERIFY(QString::fromStdString(choice.cannot_start).contains(QLatin1String("qt6-wayland")));
    }
}

// The program itself, on a Wayland desktop without XWayland: where Qt's Wayland plugin is
// missing (as on a machine set up by scripts/setup.sh), it says so instead of letting Qt abort.
void LaunchTest::wayland_without_its_plugin_says_what_to_install() {
    corvane::DesktopEnvironment here = corvane::DesktopEnvironment::current();
    if (here.wayland_plugin) {
        QSKIP("Qt's Wayland plugin is installed here");
    }
    QProcess corvane;
    QVERIFY(start_on_wayland(corvane, {}));
    QCOMPARE(corvane.exitStatus(), QProcess::NormalExit);
    QCOMPARE(corvane.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(corvane.readAllStandardError());
    QVERIFY2(said.startsWith(QLatin1String("corvane: the window cannot start: ")),
             qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("qt6-wayland")), qPrintable(said));
}

// The program itself, on a Wayland desktop that names an X display: it asks Qt for xcb, so that
// it may stay on top. The display named does not exist, so Qt's xcb says it cannot reach it.
void LaunchTest::wayland_with_xwayland_goes_through_xcb() {
    QProcess corvane;
    QVERIFY(start_on_wayland(corvane, QStringLiteral(":corvane-none")));
    const QString said = QString::fromLocal8Bit(corvane.readAllStandardError());
    QVERIFY2(said.contains(QLatin1String("could not connect to display :corvane-none")),
             qPrintable(said));
    QVERIFY2(!said.contains(QLatin1String("plugin \"wayland\"")), qPrintable(said));
}

void LaunchTest::open_file_loads_as_the_load_buttons_do() {
    const QString base = QDir::tempPath() + QStringLiteral("/corvane_desktop_%1_").arg(getpid());
    auto write = [&](const QString& name, const std::string& bytes) {
        QFile file(base + name);
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    };
    corvane::SettingsText settings = corvane::default_settings_text();
    settings[0] = "0";  // Red/Black off
    const QString game = write(QStringLiteral("game.KVN"), "5\r\n0\r\n17\r\n");
    const QString options =
        write(QStringLiteral("options.kvs"), corvane::settings_file_text(settings));
    const QString bad = write(QStringLiteral("bad.kvn"), "5\r\n40\r\n");
    const QString text = write(QStringLiteral("notes.txt"), "5\r\n");
    const QString missing = base + QStringLiteral("missing.kvn");

    MainWindow w;
    QStringList messages;
    int dialogs = 0;
    w.show_message = [&](const QString& m) { messages << m; };
    w.ask_file = [&](bool, const QString&, const QString&) {
        ++dialogs;
        return QString();
    };
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.engine().click_number(12));  // a spin in progress is completed first

    w.open_file(game);
    QCOMPARE(w.engine().game().numbers, (std::vector<std::uint8_t>{5, 0, 17}));
    QCOMPARE(qobject_cast<QLabel*>(element(w, "HisNum1"))->text(), QStringLiteral("17"));
    QVERIFY(!shown(w, "LoadingPanel"));
    w.open_file(options);
    QCOMPARE(w.engine().settings_text(), settings);
    QCOMPARE(messages, QStringList{});

    // The load buttons' own checks and messages; a name that does not exist or is of another
    // kind is said to be so. None of them changes the game.
    w.open_file(bad);
    w.open_file(text);
    w.open_file(missing);
    const std::string refused = *corvane::parse_number_file("5\r\n40\r\n").error;
    QCOMPARE(messages,
             (QStringList{QString::fromStdString(refused),
                          QStringLiteral("Cannot open file ") + text +
                              QStringLiteral(": Corvane opens number files (.kvn) and settings "
                                             "files (.kvs)"),
                          QStringLiteral("Cannot open file ") + missing +
                              QStringLiteral(": it does not exist")}));
    QCOMPARE(w.engine().game().numbers, (std::vector<std::uint8_t>{5, 0, 17}));
    QCOMPARE(dialogs, 0);
    for (const QString& file : {game, options, bad, text}) {
        QFile::remove(file);
    }
}

QTEST_MAIN(LaunchTest)
#include "launch_test.moc"
