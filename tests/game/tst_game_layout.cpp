#include "GameFixture.h"

#include "platform/QtPlatform.h"

#include <QtTest>

class TestGameLayout : public GameFixture {
    Q_OBJECT

  private slots:
    // The panel's lines take pay-table rows 2 to 4; the graph rows 5 to 8, or all nine.
    // Below the smallest size nothing moves. Each control's place, face, ink and fill
    // are in the records, the twips given here.
    void layout_data() {
        Columns<double, double, bool>("SW", "SH", "panel");
        Row("first size", 11880.0, 8565.0, false);
        Row("first size, panel shown", 11880.0, 8565.0, true);
        Row("smallest laid out", 10000.0, 8000.0, false);
        Row("too narrow", 9999.0, 9000.0, false);
        Row("too low", 12000.0, 7999.0, false);
    }

    void layout() {
        QFETCH(double, SW);
        QFETCH(double, SH);
        QFETCH(bool, panel);
        if (panel) {
            form->strWinHand = std::string(1, '8'); // not from a literal: GCC 12 warns falsely
            form->ShowDoublePanel(true);
        }
        form->LayOutTable(SW, SH);
        LooksAsRecorded();
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
