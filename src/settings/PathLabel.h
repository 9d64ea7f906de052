#pragma once

#include <QLabel>

// A folder path in one line: a path too long for the dialog loses its middle
// ("/home/…/sound"), never its end, and shows whole in its tooltip, so a deep
// program folder neither widens the dialog past the screen nor hides which folder
// is meant.
class PathLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

    void SetPath(const QString& path);
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
