#include "log/CoinGraph.h"

// Placeholder until the play log lands: a black box.
CoinGraphBox::CoinGraphBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

namespace basLog {

void DrawCoinGraph(CoinGraphBox* pic) { pic->update(); }

} // namespace basLog
