// Exporting a long logbook: History's Export... with the race window pressed every 30 ms
// meanwhile (each press a timer due then, whose lateness is the wait a press would have), the
// process's peak resident memory while it writes, and --export-logbook's peak in a game of its
// own, offscreen:
//   QT_QPA_PLATFORM=offscreen build/default/bench/logbook_export [runs] [GAME] [exports]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/temp_folder.h"
#include "logbook/opening.h"
#include "logbook/session_summary.h"
#include "ui/history/history_view.h"
#include "ui/time_slip/time_slip_window.h"

extern char** environ;

namespace {

using namespace korvane;

constexpr int kRunsASession = 50;
constexpr double kPressEveryMs = 30;

// RUNS runs in sessions of 50, a race 20 s apart, made in one statement.
void fillLogbook(const std::string& path, int runs) {
    const logbook::Opened opened = logbook::openLogbook(path, std::chrono::system_clock::now());
    if (!opened.database) throw std::runtime_error("no logbook: " + opened.line);
    const std::string count = std::to_string(runs);
    opened.database->exec(("BEGIN;"
                           "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < (" +
                           count + " - 1) / 50) INSERT INTO session SELECT i + 1, " +
                           "1735700000000 + i * 3600000, 60, 1735700000000 + i * 3600000 + "
                           "1000000, '1.00' FROM n;"
                           "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < " +
                           count +
                           " - 1) INSERT INTO run (session, run, at, utc_offset, tree, level, "
                           "roll_out, rt, onset, player, computer, result) SELECT i / 50 + 1, "
                           "i % 50 + 1, 1735700000000 + i / 50 * 3600000 + i % 50 * 20000, 60, "
                           "i % 2, 3, 465, 150 + i % 120, 2, 505, 503, i % 3 FROM n;"
                           "COMMIT;")
                              .c_str());
    opened.database->exec((logbook::summarySql("1") + ";").c_str());
}

// The most resident memory since the last reset, in MB; a reset starts it from what is resident.
double peakRssMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}
void resetPeakRss() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Answers History's save dialog with FILE once it shows.
void answerSaveDialog(const QString& file) {
    QTimer::singleShot(0, [file] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) throw std::runtime_error("no save dialog");
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// Presses due every 30 ms until DONE; each press's lateness in ms.
std::vector<double> pressWhile(const std::function<bool()>& done) {
    std::vector<double> late;
    while (!done()) {
        const double due = bench::monotonicMs() + kPressEveryMs;
        bool pressed = false;
        QTimer::singleShot(static_cast<int>(kPressEveryMs), Qt::PreciseTimer, [&] {
            late.push_back(bench::monotonicMs() - due);
            pressed = true;
        });
        while (!pressed) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return late;
}

// One Export... into FILE from History's button, pressed meanwhile: each press's wait.
std::vector<double> exportOnce(QPushButton& button, const std::string& file,
                               std::vector<double>& took) {
    answerSaveDialog(QString::fromStdString(file));
    const double t0 = bench::monotonicMs();
    button.click();
    auto late = pressWhile([&button] { return button.isEnabled(); });
    took.push_back(bench::monotonicMs() - t0);
    if (!std::filesystem::remove(file)) throw std::runtime_error("nothing exported");
    return late;
}

// History's Export... of the logbook at PATH EXPORTS times into FOLDER, pressed meanwhile.
void timeHistoryExport(const std::string& path, const bench::TempFolder& folder, int exports) {
    const std::vector<RaceRecord> none;
    ui::TimeSlipWindow window(none);
    window.setLogbook(path);
    window.show();
    window.findChild<QTabWidget*>()->setCurrentIndex(1);  // the player looks at History first
    const auto* view = window.findChild<ui::HistoryView*>();
    QApplication::processEvents();
    while (view->reading()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("exportLogbook"));
    if (button == nullptr) throw std::runtime_error("no Export button");
    const double before = peakRssMb();
    resetPeakRss();
    std::vector<double> late;
    std::vector<double> took;
    for (int i = 1; i <= exports; ++i) {
        const auto once = exportOnce(*button, folder / ("history-" + std::to_string(i)), took);
        late.insert(late.end(), once.begin(), once.end());
    }
    const double idleUntil = bench::monotonicMs() + 3000;
    const auto idle = pressWhile([idleUntil] { return bench::monotonicMs() > idleUntil; });
    bench::printPercentiles("History's Export, each", took, "none");
    bench::printPercentiles("a press every 30 ms, no export (the machine)", idle, "");
    bench::printPercentiles("a press every 30 ms meanwhile, its wait", late, "max <= 5");
    std::printf("%-44s %.1f MB (%.1f MB before it)   (target <= 60)\n",
                "process peak RSS while exporting", peakRssMb(), before);
}

// GAME --export-logbook of PATH into FILE: its peak resident memory in MB.
double commandLineExportRss(const std::string& game, const std::string& path,
                            const std::string& file) {
    std::vector<std::string> arguments{game, "--logbook", path, "--export-logbook", file};
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, game.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + game);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("export failed");
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

int run(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::stoi(argv[1]) : 100000;
    const int exports = argc > 3 ? std::stoi(argv[3]) : 10;
    const std::string game =
        argc > 2 ? argv[2]
                 : (std::filesystem::canonical("/proc/self/exe").parent_path() / "../bin/korvane")
                       .string();
    const bench::TempFolder folder;
    const std::string path = folder / "logbook.sqlite";
    fillLogbook(path, runs);
    std::printf("logbook of %d runs in %d sessions\n", runs,
                (runs + kRunsASession - 1) / kRunsASession);
    timeHistoryExport(path, folder, exports);
    std::printf("%-44s %.1f MB   (target <= 60)\n", "--export-logbook FILE, the game's peak RSS",
                commandLineExportRss(game, path, folder / "command.csv"));
    return 0;
}

}  // namespace

// Ends through the temporary folder's removal, whatever went wrong.
int main(int argc, char* argv[]) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "logbook_export: %s\n", error.what());
        return 1;
    }
}
