#pragma once

#include <unordered_map>

class QWidget;

// A control's place in twips (1/1440 inch). The layout reads controls as they
// stand and builds on fractional values, so they are kept here as real numbers and
// turned into pixels only when applied.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

class TwipsGeometry {
  public:
    void Place(QWidget* control, const TwipsRect& rect);
    const TwipsRect& Of(const QWidget* control) const;

    void SetLeft(QWidget* control, double left);
    void SetTop(QWidget* control, double top);
    void SetWidth(QWidget* control, double width);

  private:
    std::unordered_map<const QWidget*, TwipsRect> rects_;
};
