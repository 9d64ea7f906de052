#include "GameFixture.h"

#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"

#include <QtTest>
#include <cmath>
#include <limits>

// The table's layout in twips, as kept, and the pixels derived from it.
namespace {

// A number of a place that the check leaves free.
constexpr double kAny = std::numeric_limits<double>::quiet_NaN();

// Compares the pinned numbers of a control's place: left, top, width and height.
void Expect(const frmPoker& form, const QWidget* control, const QString& name,
            std::array<double, 4> pinned) {
    const TwipsRect& r = form.twips.Of(control);
    const std::array<double, 4> actual{r.left, r.top, r.width, r.height};
    const std::array<const char*, 4> fields{"left", "top", "width", "height"};
    for (std::size_t i = 0; i < 4; ++i) {
        QVERIFY2(
            std::isnan(pinned[i]) || actual[i] == pinned[i],
            qPrintable(
                QString("%1 %2 is %3, not %4").arg(name, fields[i]).arg(actual[i]).arg(pinned[i])));
    }
}

// The five cards with their hold labels and style menu entries, the six buttons, and
// every control in the pixels its twips round to.
void ExpectCardsAndButtons(const frmPoker& form, double top, double width, double height,
                           std::array<double, 5> lefts, double holdTop, double fieldWidth,
                           double buttonTop, double buttonWidth) {
    for (std::size_t i = 0; i < 5; ++i) {
        const QString n = QString::number(i);
        Expect(form, form.imgTable[i], "imgTable" + n, {lefts[i], top, width, height});
        Expect(form, form.lblHold[i], "lblHold" + n, {lefts[i], holdTop, width, kAny});
        Expect(form, form.lblDblStyleName[i], "lblDblStyleName" + n,
               {fieldWidth * static_cast<double>(i), holdTop, fieldWidth, kAny});
    }
    const std::array<const QPushButton*, 6> buttons{form.cmdCollect, form.cmdHalf,   form.cmdMaxBet,
                                                    form.cmdOneBet,  form.cmdRepBet, form.cmdDual};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        Expect(form, buttons[i], buttons[i]->text(),
               {buttonWidth * static_cast<double>(i), buttonTop, buttonWidth, kAny});
    }
    for (const QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const TwipsRect& r = form.twips.Of(child);
        QCOMPARE(child->geometry(), platform::TwipsToPixels(r.left, r.top, r.width, r.height));
    }
}

// Every control's place in twips and in pixels, to tell whether anything moved.
QList<std::pair<QRectF, QRect>> Places(frmPoker& form) {
    QList<std::pair<QRectF, QRect>> places;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const TwipsRect& r = form.twips.Of(child);
        places.append({QRectF(r.left, r.top, r.width, r.height), child->geometry()});
    }
    return places;
}

void ResizeInPixels(frmPoker& form, int width, int height) {
    form.resize(width, height);
    QTRY_COMPARE(form.size(), QSize(width, height));
}

} // namespace

class TestGameLayout : public GameFixture {
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(platform::TwipsPerPixel(), 15.0); }

    // The double-up panel's lines take the tops of pay-table rows 2 to 4, which puts
    // them 45 below where the window was drawn (945, 1215, 1485) from the first layout on.
    void layoutAtTheFirstSize() {
        const frmPoker& f = *form;
        QCOMPARE(f.size(), QSize(792, 571)); // 11880 x 8565 twips
        Expect(f, f.lblDoubleStyle, "lblDoubleStyle", {0, kAny, 11880, kAny});
        Expect(f, f.lbl1Win[0], "lbl1Win0", {3060, kAny, kAny, kAny});
        Expect(f, f.lblWinCoinTitle, "lblWinCoinTitle", {4275, 990, kAny, kAny});
        Expect(f, f.lblWinCoin, "lblWinCoin", {6795, kAny, kAny, kAny});
        Expect(f, f.lblCoinTitle[0], "lblCoinTitle0", {8865, kAny, kAny, kAny});
        Expect(f, f.lblDoubleCollectTitle, "lblDoubleCollectTitle", {kAny, 1260, kAny, kAny});
        Expect(f, f.lblCoinTitle[1], "lblCoinTitle1", {kAny, 1260, kAny, kAny});
        Expect(f, f.lblTryYourLuckTitle, "lblTryYourLuckTitle", {kAny, 1530, kAny, kAny});
        Expect(f, f.lblTryYourLuck, "lblTryYourLuck", {6795, kAny, kAny, kAny});
        Expect(f, f.lblLuckNo, "lblLuckNo", {6450, 1530, kAny, kAny});
        Expect(f, f.lblCoinTitle[2], "lblCoinTitle2", {8865, kAny, kAny, kAny});
        Expect(f, f.picGraph, "picGraph", {4275, 450, 7405, 2400});
        Expect(f, f.lblDoubleManual, "lblDoubleManual", {100, 2930, 11780, kAny});
        Expect(f, f.lblResult, "lblResult", {kAny, 3250, 11880, kAny});
        Expect(f, f.lblWagerTitle, "lblWagerTitle", {100, 7275, kAny, kAny});
        Expect(f, f.lblWinTitle, "lblWinTitle", {kAny, 7515, kAny, kAny});
        Expect(f, f.lblPaidTitle, "lblPaidTitle", {kAny, 7755, kAny, kAny});
        Expect(f, f.lblSelectGame, "lblSelectGame", {kAny, 7110, 11880, kAny});
        Expect(f, f.lblMsg, "lblMsg", {kAny, 7350, kAny, kAny});
        Expect(f, f.lblCreditTitle, "lblCreditTitle", {5940, 7275, 5810, kAny});
        Expect(f, f.lblCredits, "lblCredits", {kAny, 7545, kAny, kAny});
        ExpectCardsAndButtons(f, 3955, 2141, 2855, {387.5, 2628.5, 4869.5, 7110.5, 9351.5}, 6870,
                              2376, 8130, 1980);
    }

    void layoutAtALargerSize() {
        frmPoker& f = *form;
        ResizeInPixels(f, 1200, 900); // 18000 x 13500 twips
        Expect(f, f.lblDoubleStyle, "lblDoubleStyle", {kAny, kAny, 18000, kAny});
        Expect(f, f.picGraph, "picGraph", {kAny, kAny, 13525, kAny});
        Expect(f, f.lblDoubleManual, "lblDoubleManual", {kAny, kAny, 17900, kAny});
        Expect(f, f.lblResult, "lblResult", {kAny, 3250, kAny, kAny});
        Expect(f, f.lblWagerTitle, "lblWagerTitle", {kAny, 8920, kAny, kAny});
        Expect(f, f.lblWinTitle, "lblWinTitle", {kAny, 9160, kAny, kAny});
        Expect(f, f.lblPaidTitle, "lblPaidTitle", {kAny, 9400, kAny, kAny});
        Expect(f, f.lblSelectGame, "lblSelectGame", {kAny, 8755, kAny, kAny});
        Expect(f, f.lblMsg, "lblMsg", {kAny, 8995, kAny, kAny});
        Expect(f, f.lblCreditTitle, "lblCreditTitle", {9000, kAny, 8870, kAny});
        Expect(f, f.lblCredits, "lblCredits", {kAny, 9190, kAny, kAny});
        ExpectCardsAndButtons(f, 3955, 3375, 4500, {362.5, 3837.5, 7312.5, 10787.5, 14262.5}, 8515,
                              3600, 9775, 3000);
    }

    // Each value follows its title, whose width fits its text in whatever face the
    // table got.
    void valuesFollowTheirTitles() {
        for (auto [title, value] : {std::pair{form->lblWagerTitle, form->lblWager},
                                    std::pair{form->lblWinTitle, form->lblWin},
                                    std::pair{form->lblPaidTitle, form->lblPaid}}) {
            const TwipsRect& t = form->twips.Of(title);
            QCOMPARE(form->twips.Of(value).left, t.right());
            QCOMPARE(form->twips.Of(value).top, t.top);
        }
    }

    void guardSizes_data() {
        Columns<double, double, bool>("width", "height", "laidOut");
        QTest::newRow("smallest laid out") << 10000.0 << 8000.0 << true;
        QTest::newRow("too narrow") << 9999.0 << 9000.0 << false;
        QTest::newRow("too low") << 12000.0 << 7999.0 << false;
    }

    void guardSizes() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, laidOut);
        const auto before = Places(*form);
        form->LayOutTable(width, height);
        if (laidOut) {
            Expect(*form, form->imgTable[0], "imgTable0", {-200, kAny, 2000, 2667});
            Expect(*form, form->cmdDual, "cmdDual", {kAny, 7942, kAny, 330});
        } else {
            QVERIFY(Places(*form) == before);
        }
    }

    void minimisedWindowIsNotLaidOut() {
        const auto before = Places(*form);
        form->showMinimized();
        form->resize(1200, 900);
        form->Form_Resize();
        QVERIFY(Places(*form) == before);
    }

    void graphBoxFollowsTheDoublePanel_data() {
        Columns<bool, double, double>("panelShown", "top", "height");
        QTest::newRow("panel shown: rows 5 to 8") << true << 1800.0 << 1050.0;
        QTest::newRow("panel hidden: rows 0 to 8") << false << 450.0 << 2400.0;
    }

    void graphBoxFollowsTheDoublePanel() {
        QFETCH(bool, panelShown);
        QFETCH(double, top);
        QFETCH(double, height);
        form->strWinHand = std::string(1, '8'); // not from a literal: GCC 12 warns falsely there
        form->ShowDoublePanel(panelShown);
        QCOMPARE(form->twips.Of(form->picGraph).top, top);
        ResizeInPixels(*form, 1200, 900);
        Expect(*form, form->picGraph, "picGraph", {4275, top, 13525, height});
        QVERIFY(form->picGraph->isVisible());
    }
};

QTEST_MAIN(TestGameLayout)
#include "tst_game_layout.moc"
