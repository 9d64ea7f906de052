#include "game/frmPoker.h"

#include "stats/frmDataView.h"

#include <QTimer>

namespace {

// How often a waiting X looks again whether the deal or count has ended.
constexpr int kWaitRetryMs = 50;

} // namespace

// X waits while cards are dealt or coins counted, as Z does: a modal screen opened
// from inside the operation's event pass would hold it up, half done, until closed.
void frmPoker::ShowDataView() {
    if (blnDataViewWaiting) {
        return;
    }
    if (Busy()) {
        blnDataViewWaiting = true;
        QTimer::singleShot(kWaitRetryMs, this, [this] {
            blnDataViewWaiting = false;
            ShowDataView();
        });
        return;
    }
    frmDataView view(this);
    view.exec();
}
