#pragma once

#include <QLabel>

// A label whose text wraps at word boundaries, and inside a word too long for the
// line: file names and folder paths have no blanks to break at, and a plain label
// would cut them off at the dialog's edge.
class WrapLabel : public QLabel {
    Q_OBJECT

  public:
    explicit WrapLabel(const QString& text = {});

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
