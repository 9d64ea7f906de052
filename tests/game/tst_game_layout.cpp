#include "GameFixture.h"

#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"

#include <QtTest>

// Every control the layout moves, as "left top width height" in twips: "*" is a
// width fitted to the text in whatever face the table got, "+" the right edge of
// the title before it.
class TestGameLayout : public GameFixture {
    Q_OBJECT

    QList<const QWidget*> Laid() const {
        QList<const QWidget*> laid{
            form->lblDoubleStyle,   form->lbl1Win[0],      form->lblWinCoinTitle,
            form->lblWinCoin,       form->lblCoinTitle[0], form->lblDoubleCollectTitle,
            form->lblDoubleCollect, form->lblCoinTitle[1], form->lblTryYourLuckTitle,
            form->lblTryYourLuck,   form->lblLuckNo,       form->lblCoinTitle[2],
            form->picGraph,         form->lblDoubleManual, form->lblResult};
        for (const auto* card : form->imgTable) {
            laid << card;
        }
        for (const auto* hold : form->lblHold) {
            laid << hold;
        }
        for (const auto* style : form->lblDblStyleName) {
            laid << style;
        }
        laid << form->lblWagerTitle << form->lblWager << form->lblWinTitle << form->lblWin
             << form->lblPaidTitle << form->lblPaid << form->lblSelectGame << form->lblMsg
             << form->lblCreditTitle << form->lblCredits << form->cmdCollect << form->cmdHalf
             << form->cmdMaxBet << form->cmdOneBet << form->cmdRepBet << form->cmdDual;
        return laid;
    }

    // The places as the pins would read them, "*" and "+" kept where they hold.
    QStringList Places(const QStringList& pins, QList<const QWidget*> laid = {}) const {
        QStringList places;
        double titleRight = 0;
        laid = laid.isEmpty() ? Laid() : laid;
        for (int i = 0; i < laid.size(); ++i) {
            const TwipsRect& r = form->twips.Of(laid[i]);
            const std::array<double, 4> actual{r.left, r.top, r.width, r.height};
            QStringList fields;
            for (std::size_t f = 0; f < actual.size(); ++f) {
                const QString pin = pins.value(i).split(' ').value(static_cast<int>(f));
                const bool kept = (pin == "*") || (pin == "+" && actual[f] == titleRight);
                fields << (kept ? pin : QString::number(actual[f]));
            }
            titleRight = r.right();
            places << fields.join(' ');
        }
        return places;
    }

    static QStringList Across(const QString& first, double pitch, const QString& rest,
                              int count = 5) {
        QStringList row;
        for (int i = 0; i < count; ++i) {
            row << QString::number(first.toDouble() + pitch * i) + " " + rest;
        }
        return row;
    }

  private slots:
    // The panel's lines take pay-table rows 2 to 4; the graph rows 5 to 8, or all nine.
    // Below the smallest size nothing moves.
    void layout_data() {
        Columns<double, double, bool, QStringList>("SW", "SH", "panel", "pins");
        const QStringList panel{"4275 990 2175 240",  "6795 990 1995 240",  "8865 990 * 240",
                                "4275 1260 2175 240", "6795 1260 1995 240", "8865 1260 * 240",
                                "4275 1530 2175 240", "6795 1530 1995 240", "6450 1530 690 240",
                                "8865 1530 * 240"};
        const QStringList first =
            QStringList{"0 90 11880 285", "3060 450 1005 240"} + panel +
            QStringList{"4275 450 7405 2400", "100 2930 11780 240", "0 3250 11880 615"} +
            Across("387.5", 2241, "3955 2141 2855") + Across("387.5", 2241, "6870 2141 315") +
            Across("0", 2376, "6870 2376 240") +
            QStringList{"100 7275 * 240",    "+ 7275 1230 240",  "100 7515 * 240",
                        "+ 7515 1500 240",   "100 7755 * 240",   "+ 7755 1365 240",
                        "0 7110 11880 240",  "0 7350 11880 345", "5940 7275 5810 240",
                        "5940 7545 5810 240"} +
            Across("0", 1980, "8130 1980 330", 6);
        QStringList shown = first;
        shown[12] = "4275 1800 7405 1050";
        QStringList buttons;
        for (const char* left : {"0", "1666.67", "3333.33", "5000", "6666.67", "8333.33"}) {
            buttons << QString(left) + " 7942 1666.67 330";
        }
        const QStringList smallest =
            QStringList{"0 90 10000 285", "3060 450 1005 240"} + panel +
            QStringList{"4275 450 5525 2400", "100 2930 9900 240", "0 3250 10000 615"} +
            Across("-200", 2100, "3955 2000 2667") + Across("-200", 2100, "6682 2000 315") +
            Across("0", 2000, "6682 2000 240") +
            QStringList{"100 7087 * 240",    "+ 7087 1230 240",  "100 7327 * 240",
                        "+ 7327 1500 240",   "100 7567 * 240",   "+ 7567 1365 240",
                        "0 6922 10000 240",  "0 7162 10000 345", "5000 7087 4870 240",
                        "5000 7357 4870 240"} +
            buttons;
        QTest::newRow("first size") << 11880.0 << 8565.0 << false << first;
        QTest::newRow("first size, panel shown") << 11880.0 << 8565.0 << true << shown;
        QTest::newRow("smallest laid out") << 10000.0 << 8000.0 << false << smallest;
        QTest::newRow("too narrow") << 9999.0 << 9000.0 << false << first;
        QTest::newRow("too low") << 12000.0 << 7999.0 << false << first;
    }

    void layout() {
        QFETCH(double, SW);
        QFETCH(double, SH);
        QFETCH(bool, panel);
        QFETCH(QStringList, pins);
        if (panel) {
            form->strWinHand = std::string(1, '8'); // not from a literal: GCC 12 warns falsely
            form->ShowDoublePanel(true);
        }
        form->LayOutTable(SW, SH);
        QCOMPARE(Places(pins), pins);
        for (std::size_t i = 0; i < 9; ++i) { // the pay table stays in place
            const QString top = QString::number(450 + 270 * i);
            QCOMPARE(Places({}, {form->lblWinName[i], form->lbl1Win[i]}),
                     (QStringList{"45 " + top + " 3000 240", "3060 " + top + " 1005 240"}));
        }
    }

    // How the table dresses its labels, by kind: the face's size, the ink, the fill
    // (or the table's green showing through), and how many labels wear each.
    void labelsAreDressedByKind() {
        QMap<QString, int> looks;
        for (const QLabel* label : form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            const bool filled = label->autoFillBackground();
            ++looks[QString("%1 %2 %3 %4")
                        .arg(label->font().pointSizeF())
                        .arg(label->font().bold() ? "bold" : "plain")
                        .arg(ForeColor(label).name())
                        .arg(filled ? BackColor(label).name() : "-")];
        }
        QCOMPARE(form->grab().toImage().pixelColor(2, 2), tablecolor::kGreen);
        QStringList kinds;
        for (auto kind = looks.cbegin(); kind != looks.cend(); ++kind) {
            kinds << kind.key() + " x" + QString::number(kind.value());
        }
        QCOMPARE(kinds, (QStringList{"12 bold #00ffff - x6", "12 bold #c0c0c0 #000000 x5",
                                     "12 bold #ff0000 - x1", "12 bold #ffff00 #0000c0 x18",
                                     "12 bold #ffff00 - x4", "12 bold #ffffff - x10",
                                     "15.75 bold #808000 - x5", "20.25 bold #ff0000 - x1",
                                     "30 bold #ffff00 - x1"}));
    }

    // The window shrinks no further than the size at which everything stays inside
    // it, with the longest texts each line shows fitting their labels; one pixel
    // less in height would push the buttons out.
    void smallestWindowKeepsEverythingInside() {
        QCOMPARE(form->minimumSize(), QSize(728, 561));
        form->strWinHand = std::string(1, '0');
        form->ShowDoublePanel(true);
        form->ShowStyleMenu();
        form->resize(400, 300);
        QTRY_COMPARE(form->size(), form->minimumSize());
        form->lblResult->setText("ROYAL STRAIGHT FLUSH");
        form->lblMsg->setText("ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ");
        for (const QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(form->rect().contains(child->geometry()), qPrintable(child->objectName()));
            const auto* label = qobject_cast<const QLabel*>(child);
            const auto* button = qobject_cast<const QPushButton*>(child);
            const QString text = label ? label->text() : button ? button->text() : QString();
            // The panel's hand name keeps its fixed width at every size.
            QVERIFY2(child == form->lblWinCoinTitle ||
                         child->fontMetrics().horizontalAdvance(text) <= child->width(),
                     qPrintable(text));
        }
        const QSize smallest = form->minimumSize();
        form->LayOutTable(platform::PixelsToTwips(smallest.width()),
                          platform::PixelsToTwips(smallest.height() - 1));
        QVERIFY(form->twips.Of(form->cmdCollect).bottom() >
                platform::PixelsToTwips(smallest.height() - 1));
    }
};

QTEST_MAIN(TestGameLayout)
#include "tst_game_layout.moc"
