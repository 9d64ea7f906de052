// Start-up to the first painted game window, against a bare window of the same size
// started the same way. Run without arguments: it starts itself as a child for
// each measurement, alternating the two, and prints the medians and their ratio.
// Without a display the children run on the offscreen platform.

#include "game/frmPoker.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 9;

// Reports the time from the start of main to the first paint of the window.
class FirstPaint : public QObject {
  public:
    FirstPaint(Clock::time_point start, QWidget* window) : start_(start), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, [this] {
                const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start_;
                std::printf("%.3f\n", elapsed.count());
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    Clock::time_point start_;
    QWidget* window_;
    bool reported_ = false;
};

// The game finds its card pictures and sounds beside the program, as installed.
void CopyAssets(const QString& folder) {
    namespace fs = std::filesystem;
    for (const char* assets : {"card", "sound"}) {
        const fs::path from = fs::path(VESK_ASSET_DIR) / assets;
        std::error_code error;
        if (fs::is_directory(from, error)) {
            fs::copy(from, fs::path(folder.toStdString()) / assets, fs::copy_options::recursive,
                     error);
        }
    }
}

int Child(int argc, char* argv[], bool game, Clock::time_point start) {
    QApplication app(argc, argv);
    platform::InstallQtSeams();
    QTemporaryDir folder;
    std::unique_ptr<QWidget> window;
    if (game) {
        CopyAssets(folder.path());
        platform::SetProgramFolder(folder.path().toStdString());
        window = std::make_unique<frmPoker>();
    } else {
        window = std::make_unique<QWidget>();
        window->resize(platform::TwipsToPixels(11880), platform::TwipsToPixels(8565));
    }
    FirstPaint probe(start, window.get());
    window->installEventFilter(&probe);
    window->show();
    return QApplication::exec();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double RunChild(const QString& program, const char* mode) {
    QProcess child;
    child.start(program, {mode});
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

int Driver(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> bare;
    std::vector<double> game;
    RunChild(self, "--bare"); // warms the file cache for both
    RunChild(self, "--game");
    for (int run = 0; run < kRuns; ++run) {
        bare.push_back(RunChild(self, "--bare"));
        game.push_back(RunChild(self, "--game"));
    }
    const double bareMs = Median(bare);
    const double gameMs = Median(game);
    std::printf("platform: %s, %d runs each\n",
                qEnvironmentVariable("QT_QPA_PLATFORM", "xcb").toUtf8().constData(), kRuns);
    std::printf("bare window to first paint: median %.1f ms\n", bareMs);
    std::printf("game window to first paint: median %.1f ms\n", gameMs);
    std::printf("ratio game / bare: %.2f\n", gameMs / bareMs);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const Clock::time_point start = Clock::now();
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--bare" || mode == "--game") {
        return Child(argc, argv, mode == "--game", start);
    }
    return Driver(argc, argv);
}
