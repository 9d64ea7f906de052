// A bare Qt window of the game window's size, linked with nothing but Qt Widgets:
// what bench_startup holds the game's start-up against. Prints the steady clock at
// main, with Qt up and at the window's first paint, as the game child does.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

void Mark(const char* name) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("mark %s %lld\n", name,
                static_cast<long long>(std::chrono::nanoseconds(now).count()));
}

class BareWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        if (!painted_) {
            painted_ = true;
            Mark("paint");
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
            std::printf("cpu %.3f\n", ms(usage.ru_utime) + ms(usage.ru_stime));
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
    }

  private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    Mark("main");
    QApplication app(argc, argv);
    Mark("qt");
    BareWindow window;
    // 11880 x 8565 twips, the game window's inner size, at 96 DPI.
    window.resize(792, 571);
    window.show();
    const int status = QApplication::exec();
    std::fflush(stdout);
    return status;
}
