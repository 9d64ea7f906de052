#pragma once

#include <QWidget>

// The coach's mark on a card of the best hold: a thin ring in the gap round the card.
// It covers neither the card nor the labels beside it, lets clicks through to the
// card, and takes a colour no HELD label ever has. It follows its card when the
// table is laid out again.
class HoldMark : public QWidget {
    Q_OBJECT

  public:
    explicit HoldMark(QWidget* card);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FollowCard();

    QWidget* card_;
    int ring_;
};
