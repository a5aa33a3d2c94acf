// Start-up to the first frame: the program's main window on the largest
// configuration against a plain Qt main window (a tree, a splitter, a menu
// bar, a toolbar), each run as its own process, 10 runs each, medians and
// their ratio printed. Run it on a display with a window manager; the ratio
// aimed at is 1.2 or less.
//
//   zrt_startup_bench [RUNS]
//
// The parent notes the monotonic clock before it starts a child and passes it
// on; the child prints the time at which its main window's first frame was
// drawn, and leaves.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/AppPictures.h"
#include "app/CZRTProApp.h"
#include "app/SingleInstance.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"

extern char** environ;

namespace {

constexpr const char* kStartedAt = "ZRT_BENCH_STARTED_NS";

int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Prints the time from the parent's start of this process to the first frame
// of the first main window shown, once it is on the screen.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_bSeen && qobject_cast<QMainWindow*>(watched) &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_bSeen = true;
            // The frame is flushed to the window when the painting is done.
            QTimer::singleShot(0, [] {
                const int64_t started = std::atoll(std::getenv(kStartedAt));
                std::printf("%lld\n", static_cast<long long>(NowNs() - started));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_bSeen = false;
};

int ProgramChild(int argc, char** argv, const char* file) {
    QApplication application(argc, argv);
    FirstFrame frame;
    application.installEventFilter(&frame);
    QApplication::setOrganizationName("NEXIL");
    QApplication::setApplicationName("NEXIL");
    QApplication::setDesktopFileName("nexil-zrtpro");
    QApplication::setWindowIcon(AppIcon());
    CZRTProApp program(SingleInstance::DefaultName());
    if (!program.InitInstance({QString::fromLatin1(argv[0]), QString::fromLocal8Bit(file)}))
        return 1;
    return QApplication::exec();
}

int PlainChild(int argc, char** argv) {
    QApplication application(argc, argv);
    FirstFrame frame;
    application.installEventFilter(&frame);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu("&File");
    QToolBar* tools = window.addToolBar("Tools");
    for (const char* name : {"New", "Open", "Save", "Print"})
        tools->addAction(file->addAction(name));
    auto* splitter = new QSplitter;
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree, {"Site"});
    for (int i = 1; i <= 8; ++i) new QTreeWidgetItem(root, {QString("Input %1").arg(i)});
    root->setExpanded(true);
    splitter->addWidget(tree);
    splitter->addWidget(new QWidget);
    window.setCentralWidget(splitter);
    window.resize(1040, 700);
    window.show();
    return QApplication::exec();
}

// Runs this program as a child in `mode` and returns what it printed, in ms.
double RunChild(const std::string& self, const std::string& mode, const std::string& file) {
    int out[2];
    if (::pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> args{self, "--child", mode, file};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::setenv(kStartedAt, std::to_string(NowNs()).c_str(), 1);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string text;
    char buffer[64];
    for (ssize_t n; spawned == 0 && (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        if (text.size() < 256) text.append(buffer, static_cast<size_t>(n));
    ::close(out[0]);
    int status = 0;
    if (spawned == 0) ::waitpid(pid, &status, 0);
    if (spawned != 0 || text.empty()) return -1;
    return std::atof(text.c_str()) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        if (std::string(argv[2]) == "program" && argc >= 4)
            return ProgramChild(argc, argv, argv[3]);
        return PlainChild(argc, argv);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    // The largest system: 8 ports, 8 camera interface units, 192 inputs, 300 spare numbers.
    char folder[] = "/tmp/zrt-startup-XXXXXX";
    if (!::mkdtemp(folder)) return 1;
    const std::string file = std::string(folder) + "/largest.zrt";
    {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, 8, 8, 1000);
        for (int z = 0; z < 300; ++z)
            doc.m_zones.push_back({std::to_string(3000 + z), "Zone " + std::to_string(z), z});
        std::ofstream(file, std::ios::binary) << EncodeZrt(doc);
    }
    // Each child finds a profile and a single-instance name of its own, as a first start does.
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    std::vector<double> program, plain;
    for (int i = 0; i < runs; ++i) {
        const std::string home = std::string(folder) + "/home" + std::to_string(i);
        std::filesystem::create_directories(home);
        std::filesystem::permissions(home, std::filesystem::perms::owner_all);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
        program.push_back(RunChild(self, "program", file));
        plain.push_back(RunChild(self, "plain", file));
        if (program.back() < 0 || plain.back() < 0) {
            std::fprintf(stderr, "run %d: a child showed no frame\n", i + 1);
            return 1;
        }
    }
    std::filesystem::remove_all(folder);
    const double a = Median(program), b = Median(plain);
    std::printf("program, largest configuration: %.1f ms (median of %d)\n", a, runs);
    std::printf("plain Qt main window:           %.1f ms (median of %d)\n", b, runs);
    std::printf("ratio: %.2f (aim: 1.2 or less)\n", a / b);
    return 0;
}
