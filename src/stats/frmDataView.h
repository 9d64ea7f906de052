#pragma once

#include "widgets/TwipsGeometry.h"

#include <QColor>
#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class QLabel;
class QTimer;

// The statistics screen: a borderless black window over the game window whose rows
// of totals, double-up records and hand counts fly in, light up, rest and scatter,
// under a title of ten letters with effects of its own, until a click or a key.
//
// As on the game window, controls, state and operations are open so that tests can
// drive the two animations tick by tick. Files: frmDataView.cpp (controls, opening
// and closing, FlyTo), _Rows (the rows' animation), _Title (the letters').
class frmDataView : public QDialog {
    Q_OBJECT

  public:
    // Loads the screen over `owner`, the game window, whose outer size it takes.
    explicit frmDataView(QWidget* owner);

    // ---- Controls ----------------------------------------------------------------
    std::array<QLabel*, 10> lblVeskPoker{};
    std::array<QLabel*, 4> lblTitle{};
    std::array<QLabel*, 4> lblData{};
    std::array<QLabel*, 9> lblWinName{};
    std::array<QLabel*, 9> lblWinData{};
    QTimer* tmrData = nullptr;
    QTimer* tmrVeskPoker = nullptr;
    TwipsGeometry twips;

    // ---- State -------------------------------------------------------------------
    std::int16_t intDataStep = 0;
    std::int16_t intTitleStep = 0;
    std::int16_t intHopIndex = 0;
    // Positions are kept wider than 16 bits: a maximised game window on a large
    // screen is more than 32767 twips wide.
    int intRowLeft = 0;
    int intRowTop = 0;
    int intRowHeight = 0;
    int intTitleLeft = 0;
    int intTitleTop = 0;
    // The screen's inner width and height in twips.
    double SW = 0;
    double SH = 0;
    // Set when the screen closes; a fly-in under way then stops where it is.
    bool blnClosed = false;

    // ---- Events ------------------------------------------------------------------
    void Form_Load(const QWidget* owner);
    void Form_Activate();
    void Form_Click();
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_Unload();
    void tmrData_Timer();
    void tmrVeskPoker_Timer();

    // ---- Operations --------------------------------------------------------------
    // Returns once the label has arrived, or as soon as the screen has closed.
    void FlyTo(QLabel* item, int x, int y, const QColor& color);
    void DimLabels();
    void ScatterLabels();
    void ScatterTitle();

    // Every way of closing passes here: a click, a key, or the toolkit's own.
    void done(int result) override;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // A label on its way to (x, y); every fly-in under way moves one step at each
    // frame, whichever of the nested FlyTo calls is waiting for that frame.
    struct Flight {
        QLabel* item;
        int x;
        int y;
        QColor color;
        bool arrived;
    };

    QLabel* AddLabel(const QString& text, double pointSize, Qt::Alignment align, double width,
                     double height);
    void CreateLabels();
    void ShowValues();
    void StepFlights();
    void Step(Flight& flight);
    void MoveTo(QLabel* label, double left, double top);
    void Scatter(QLabel* label, double TopRange);
    int FlyInRows(int Step);
    int LightRows(int Step);
    void ActOnTitle(int Step);
    void Hop(int Step);
    void ColourWave(int Step);

    std::vector<Flight*> flights_;
    bool blnTitleTicking = false;
    bool blnDataTicking = false;
    int intReleasedKey = 0;
    std::uint64_t lngReleasedAt = 0;
};
