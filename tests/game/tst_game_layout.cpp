#include "GameFixture.h"

#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"

#include <QtTest>

// The table's layout in twips, and the pixels derived from it.
class TestGameLayout : public GameFixture {
    Q_OBJECT

    // "left top width height" in twips, with "*" kept where the pin leaves it free.
    QString At(const QWidget* control, const QString& pin) const {
        const TwipsRect& r = form->twips.Of(control);
        const std::array<double, 4> actual{r.left, r.top, r.width, r.height};
        QStringList fields = pin.split(' ');
        for (std::size_t i = 0; i < actual.size(); ++i) {
            if (fields[static_cast<int>(i)] != "*") {
                fields[static_cast<int>(i)] = QString::number(actual[i]);
            }
        }
        return fields.join(' ');
    }

  private slots:
    // The panel's lines take pay-table rows 2 to 4; the graph rows 5 to 8, or all nine.
    void layout_data() {
        Columns<QSize, bool, QStringList>("size", "panel", "pins");
        const QStringList first{"4275 990 * *",     "* 1260 * *",           "6450 1530 * *",
                                "5940 7275 5810 *", "4275 450 7405 2400",   "* 3250 11880 *",
                                "* 7350 * *",       "387.5 3955 2141 2855", "9351.5 6870 2141 *",
                                "9504 6870 2376 *", "0 8130 1980 *",        "9900 8130 1980 *"};
        QStringList panel = first;
        panel[4] = "4275 1800 7405 1050";
        QTest::newRow("first size") << QSize(792, 571) << false << first;
        QTest::newRow("first size, panel shown") << QSize(792, 571) << true << panel;
        QTest::newRow("larger") << QSize(1200, 900) << false
                                << QStringList{"4275 990 * *",        "* 1260 * *",
                                               "6450 1530 * *",       "9000 8920 8870 *",
                                               "4275 450 13525 2400", "* 3250 18000 *",
                                               "* 8995 * *",          "362.5 3955 3375 4500",
                                               "14262.5 8515 3375 *", "14400 8515 3600 *",
                                               "0 9775 3000 *",       "15000 9775 3000 *"};
    }

    void layout() {
        QFETCH(QSize, size);
        QFETCH(bool, panel);
        QFETCH(QStringList, pins);
        QCOMPARE(platform::TwipsPerPixel(), 15.0);
        if (panel) {
            form->strWinHand = std::string(1, '8'); // not from a literal: GCC 12 warns falsely
            form->ShowDoublePanel(true);
        }
        form->resize(size);
        QTRY_COMPARE(form->size(), size);
        const QList<const QWidget*> pinned{form->lblWinCoinTitle, form->lblDoubleCollectTitle,
                                           form->lblLuckNo,       form->lblCreditTitle,
                                           form->picGraph,        form->lblResult,
                                           form->lblMsg,          form->imgTable[0],
                                           form->lblHold[4],      form->lblDblStyleName[4],
                                           form->cmdCollect,      form->cmdDual};
        for (int i = 0; i < pinned.size(); ++i) {
            QCOMPARE(At(pinned[i], pins[i]), pins[i]);
        }
        for (const QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const TwipsRect& r = form->twips.Of(child);
            QCOMPARE(child->geometry(), platform::TwipsToPixels(r.left, r.top, r.width, r.height));
        }
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
