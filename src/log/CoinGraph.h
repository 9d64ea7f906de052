#pragma once

#include <QWidget>
#include <cstdint>

// The coin graph box: black, borderless, and it keeps what was drawn into it when
// the window is covered and uncovered, until the next drawing clears it.
class CoinGraphBox : public QWidget {
    Q_OBJECT

public:
    explicit CoinGraphBox(QWidget* parent = nullptr);
};

namespace basLog {

// Draws the balance history of the log into the box and shows it at once.
void DrawCoinGraph(CoinGraphBox* pic);

} // namespace basLog
