#include "config/CardPictures.h"

#include "config/PictureFile.h"
#include "config/basIniProc.h"
#include "config/frmWait.h"
#include "platform/Events.h"
#include "platform/ProgramFolder.h"

#include <QFuture>
#include <QLabel>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <utility>
#include <vector>

namespace basIniProc {
namespace {

struct PictureKey {
    std::string key;
    QImage* slot;
};

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The order of loading, one bar step each: the back, then rank by rank the four
// suits, then the joker.
std::vector<PictureKey> PictureKeys() {
    std::vector<PictureKey> keys{{"URA", &picBack}};
    for (int n = 1; n <= 13; ++n) {
        const auto rank = static_cast<std::size_t>(n - 1);
        keys.push_back({"C_" + TwoDigits(n), &picClub[rank]});
        keys.push_back({"D_" + TwoDigits(n), &picDiamond[rank]});
        keys.push_back({"H_" + TwoDigits(n), &picHeart[rank]});
        keys.push_back({"S_" + TwoDigits(n), &picSpade[rank]});
    }
    keys.push_back({"JOKER", &picJoker});
    return keys;
}

// One core is left to the window thread, which makes the game window's controls
// while the pictures decode; a picture not started when the window thread comes
// to collect it is decoded there.
class PicturePool : public QThreadPool {
  public:
    PicturePool() { setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1)); }
};

QThreadPool* Pool() {
    static PicturePool pool;
    return &pool;
}

// The pictures on their way, each with the slot it fills, in the order of the keys.
std::vector<std::pair<QImage*, QFuture<QImage>>>& Loading() {
    static std::vector<std::pair<QImage*, QFuture<QImage>>> loading;
    return loading;
}

} // namespace

// A missing file, the folder itself (an empty value) and a file that is no
// picture all leave the card blank, as the player would expect of any of them.
void StartCardPictures() {
    for (const PictureKey& picture : PictureKeys()) {
        const std::string path = strAppPath + "card" + GetIni("CARD", picture.key);
        Loading().emplace_back(
            picture.slot, QtConcurrent::run(Pool(), ReadPictureFile, platform::ToFilePath(path)));
    }
}

// The window thread keeps the bar, one blank for each picture as it arrives.
void LoadCardPictures() {
    if (Loading().empty()) {
        StartCardPictures();
    }
    frmWait wait;
    wait.show();
    wait.lblWaitBar->setText("");
    // Once, so the window is on screen before the first picture; the steps
    // then repaint only the bar.
    platform::DoEvents();
    for (auto& [slot, picture] : Loading()) {
        *slot = picture.result();
        wait.lblWaitBar->setText(wait.lblWaitBar->text() + ' ');
        wait.lblWaitBar->repaint();
    }
    Loading().clear();
}

} // namespace basIniProc
