#pragma once

#include <QWidget>

class QLabel;

// The small window shown while the card pictures load. It has no behaviour of
// its own: the loader grows lblWaitBar by one blank per picture.
class frmWait : public QWidget {
    Q_OBJECT

  public:
    explicit frmWait(QWidget* parent = nullptr);

    // The full bar is this many blanks, one per picture.
    static constexpr int kBarBlanks = 54;

    QLabel* lblTitle;
    QLabel* lblWait;
    QLabel* lblWaitBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
