#pragma once

#include "log/basLog.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

// The coin graph box: black, borderless, and it keeps what was drawn into it when
// the window is covered and uncovered, until the next drawing clears it.
class CoinGraphBox : public QWidget {
    Q_OBJECT

  public:
    explicit CoinGraphBox(QWidget* parent = nullptr);

    // Starts a new drawing the size of the box, all black.
    void ClearGraph();

    // Joins the points, given in the box's twips, with a line of one colour.
    void DrawPolyline(const std::vector<basLog::GraphPoint>& points, const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picDrawing;
};

namespace basLog {

// Clears the box, then draws the white zero axis and the yellow balance line.
void PlotCoinGraph(CoinGraphBox* pic, std::int32_t H, std::int32_t W);

// Draws the balance history of the log into the box and shows it at once.
void DrawCoinGraph(CoinGraphBox* pic);

} // namespace basLog
