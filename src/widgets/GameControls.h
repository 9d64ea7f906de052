#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

// The table's colours, as the game names them.
namespace tablecolor {
inline const QColor kYellow(255, 255, 0);
inline const QColor kOlive(192, 192, 0);
inline const QColor kDimOlive(128, 128, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kDarkBlue(0, 0, 192);
inline const QColor kCyan(0, 255, 255);
inline const QColor kSilver(192, 192, 192);
inline const QColor kGreen(0, 128, 0);
} // namespace tablecolor

// How a label looks when it is made. No background means a transparent label.
struct LabelLook {
    QString text;
    QColor fore;
    std::optional<QColor> back;
    Qt::Alignment align = Qt::AlignLeft;
    double pointSize = 12;
};

void SetForeColor(QLabel* label, const QColor& color);
void SetBackColor(QLabel* label, const QColor& color);

// Numbers live in labels as plain decimal text and are read back from them.
std::int64_t LabelNumber(const QLabel* label);
void SetLabelNumber(QLabel* label, std::int64_t value);

// A label that reports clicks: the hold labels and the style menu.
class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A number on the table that a screen reader names with what it counts
// ("CREDITS 50"), as the sighted player reads it with the title beside it.
class CountLabel : public QLabel {
    Q_OBJECT

  public:
    CountLabel(const QString& counts, const QString& text, QWidget* parent);
    const QString& Counts() const { return counts_; }

  private:
    QString counts_;
};

// A card on the table: its picture stretched to the control, and clickable. A
// screen reader hears its name ("7 of hearts", "card back") and its note ("held").
class CardImage : public QWidget {
    Q_OBJECT

  public:
    explicit CardImage(QWidget* parent);

    void SetPicture(const QImage& picture, const QString& name);
    void SetNote(const QString& note);
    const QImage& Picture() const { return picture_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Name();

    QImage picture_;
    QString name_;
    QString note_;
};
