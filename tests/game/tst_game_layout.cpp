#include "GameFixture.h"

#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"

#include <QFontInfo>
#include <QtTest>
#include <map>

// The table's layout in twips, as kept, and the pixels derived from it.
namespace {

QWidget* Control(frmPoker& form, const QString& name) {
    const int open = name.indexOf('(');
    const QString base = open < 0 ? name : name.left(open);
    const auto i = static_cast<std::size_t>(open < 0 ? 0 : name.mid(open + 1).chopped(1).toInt());
    const std::map<QString, QWidget*> single{{"lblDoubleStyle", form.lblDoubleStyle},
                                             {"lblWinCoinTitle", form.lblWinCoinTitle},
                                             {"lblWinCoin", form.lblWinCoin},
                                             {"lblDoubleCollectTitle", form.lblDoubleCollectTitle},
                                             {"lblTryYourLuckTitle", form.lblTryYourLuckTitle},
                                             {"lblTryYourLuck", form.lblTryYourLuck},
                                             {"lblLuckNo", form.lblLuckNo},
                                             {"lblDoubleManual", form.lblDoubleManual},
                                             {"lblResult", form.lblResult},
                                             {"lblSelectGame", form.lblSelectGame},
                                             {"lblWagerTitle", form.lblWagerTitle},
                                             {"lblWinTitle", form.lblWinTitle},
                                             {"lblPaidTitle", form.lblPaidTitle},
                                             {"lblMsg", form.lblMsg},
                                             {"lblCreditTitle", form.lblCreditTitle},
                                             {"lblCredits", form.lblCredits},
                                             {"cmdCollect", form.cmdCollect},
                                             {"cmdHalf", form.cmdHalf},
                                             {"cmdMaxBet", form.cmdMaxBet},
                                             {"cmdOneBet", form.cmdOneBet},
                                             {"cmdRepBet", form.cmdRepBet},
                                             {"cmdDual", form.cmdDual},
                                             {"picGraph", form.picGraph}};
    if (base == "imgTable") {
        return form.imgTable.at(i);
    }
    if (base == "lblHold") {
        return form.lblHold.at(i);
    }
    if (base == "lblDblStyleName") {
        return form.lblDblStyleName.at(i);
    }
    if (base == "lbl1Win") {
        return form.lbl1Win.at(i);
    }
    if (base == "lblCoinTitle") {
        return form.lblCoinTitle.at(i);
    }
    return single.at(base);
}

double Field(const TwipsRect& rect, const QString& field) {
    if (field == "left") {
        return rect.left;
    }
    if (field == "top") {
        return rect.top;
    }
    return field == "width" ? rect.width : rect.height;
}

struct Expectation {
    const char* control;
    const char* field;
    double value;
};

void AddRows(const char* size, std::initializer_list<Expectation> expectations) {
    for (const Expectation& e : expectations) {
        QTest::addRow("%s: %s %s", size, e.control, e.field)
            << QString(e.control) << QString(e.field) << e.value;
    }
}

void AddCardRows(const char* size, double top, double width, double height,
                 std::array<double, 5> lefts, double holdTop, double fieldWidth) {
    for (std::size_t i = 0; i < 5; ++i) {
        const QString card = QString("imgTable(%1)").arg(i);
        const QString hold = QString("lblHold(%1)").arg(i);
        const QString field = QString("lblDblStyleName(%1)").arg(i);
        for (const auto& [control, name, value] :
             {std::tuple{card, "left", lefts[i]}, std::tuple{card, "top", top},
              std::tuple{card, "width", width}, std::tuple{card, "height", height},
              std::tuple{hold, "left", lefts[i]}, std::tuple{hold, "top", holdTop},
              std::tuple{hold, "width", width}, std::tuple{field, "top", holdTop},
              std::tuple{field, "width", fieldWidth},
              std::tuple{field, "left", fieldWidth * static_cast<double>(i)}}) {
            QTest::addRow("%s: %s %s", size, qPrintable(control), name)
                << control << QString(name) << value;
        }
    }
}

void AddButtonRows(const char* size, double top, double width) {
    const std::array<const char*, 6> buttons{"cmdCollect", "cmdHalf",   "cmdMaxBet",
                                             "cmdOneBet",  "cmdRepBet", "cmdDual"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        AddRows(size, {{buttons[i], "top", top},
                       {buttons[i], "width", width},
                       {buttons[i], "left", width * static_cast<double>(i)}});
    }
}

using Snapshot = std::vector<std::pair<TwipsRect, QRect>>;

Snapshot Take(frmPoker& form) {
    Snapshot snapshot;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        snapshot.emplace_back(form.twips.Of(child), child->geometry());
    }
    return snapshot;
}

bool Same(const Snapshot& a, const Snapshot& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.first.left == y.first.left && x.first.top == y.first.top &&
               x.first.width == y.first.width && x.first.height == y.first.height &&
               x.second == y.second;
    });
}

void ResizeInPixels(frmPoker& form, int width, int height) {
    form.resize(width, height);
    QTRY_COMPARE(form.size(), QSize(width, height));
}

} // namespace

class TestGameLayout : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void layoutInTwips_data();
    void layoutInTwips();
    void pixelsAreTheRoundedTwips();
    void titleLabelsFitTheirText();
    void smallestLaidOutSize();
    void guardLeavesEverythingInPlace_data();
    void guardLeavesEverythingInPlace();
    void minimisedWindowIsNotLaidOut();
    void graphBoxFollowsTheDoublePanel_data();
    void graphBoxFollowsTheDoublePanel();
    void fontsOfTheTable();
};

void TestGameLayout::initTestCase() {
    QCOMPARE(platform::TwipsPerPixel(), 15.0);
}

void TestGameLayout::layoutInTwips_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("expected");

    // The double-up panel's lines take the tops of pay-table rows 2 to 4, which puts
    // them 45 below where the window was drawn (945, 1215, 1485) from the first layout on.
    const char* initial = "11880x8565";
    AddRows(initial, {{"lblDoubleStyle", "left", 0},
                      {"lblDoubleStyle", "width", 11880},
                      {"lbl1Win(0)", "left", 3060},
                      {"lblWinCoinTitle", "left", 4275},
                      {"lblWinCoinTitle", "top", 990},
                      {"lblWinCoin", "left", 6795},
                      {"lblCoinTitle(0)", "left", 8865},
                      {"lblDoubleCollectTitle", "top", 1260},
                      {"lblCoinTitle(1)", "top", 1260},
                      {"lblTryYourLuckTitle", "top", 1530},
                      {"lblTryYourLuck", "left", 6795},
                      {"lblLuckNo", "left", 6450},
                      {"lblLuckNo", "top", 1530},
                      {"lblCoinTitle(2)", "left", 8865},
                      {"picGraph", "left", 4275},
                      {"picGraph", "width", 7405},
                      {"picGraph", "top", 450},
                      {"picGraph", "height", 2400},
                      {"lblDoubleManual", "left", 100},
                      {"lblDoubleManual", "top", 2930},
                      {"lblDoubleManual", "width", 11780},
                      {"lblResult", "top", 3250},
                      {"lblResult", "width", 11880},
                      {"lblWagerTitle", "top", 7275},
                      {"lblWagerTitle", "left", 100},
                      {"lblWinTitle", "top", 7515},
                      {"lblPaidTitle", "top", 7755},
                      {"lblSelectGame", "top", 7110},
                      {"lblSelectGame", "width", 11880},
                      {"lblMsg", "top", 7350},
                      {"lblCreditTitle", "left", 5940},
                      {"lblCreditTitle", "width", 5810},
                      {"lblCreditTitle", "top", 7275},
                      {"lblCredits", "top", 7545}});
    AddCardRows(initial, 3955, 2141, 2855, {387.5, 2628.5, 4869.5, 7110.5, 9351.5}, 6870, 2376);
    AddButtonRows(initial, 8130, 1980);

    const char* larger = "18000x13500";
    AddRows(larger, {{"lblDoubleStyle", "width", 18000},
                     {"picGraph", "width", 13525},
                     {"lblDoubleManual", "width", 17900},
                     {"lblResult", "top", 3250},
                     {"lblWagerTitle", "top", 8920},
                     {"lblWinTitle", "top", 9160},
                     {"lblPaidTitle", "top", 9400},
                     {"lblSelectGame", "top", 8755},
                     {"lblMsg", "top", 8995},
                     {"lblCreditTitle", "left", 9000},
                     {"lblCreditTitle", "width", 8870},
                     {"lblCredits", "top", 9190}});
    AddCardRows(larger, 3955, 3375, 4500, {362.5, 3837.5, 7312.5, 10787.5, 14262.5}, 8515, 3600);
    AddButtonRows(larger, 9775, 3000);
}

void TestGameLayout::layoutInTwips() {
    QFETCH(QString, control);
    QFETCH(QString, field);
    QFETCH(double, expected);
    GameFixture game;
    if (QString(QTest::currentDataTag()).startsWith("18000")) {
        ResizeInPixels(*game.form, 1200, 900);
    }
    QCOMPARE(Field(game.form->twips.Of(Control(*game.form, control)), field), expected);
}

void TestGameLayout::pixelsAreTheRoundedTwips() {
    GameFixture game;
    for (const QSize& size : {QSize(792, 571), QSize(1200, 900), QSize(1001, 777)}) {
        ResizeInPixels(*game.form, size.width(), size.height());
        for (QWidget* child : game.form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const TwipsRect& r = game.form->twips.Of(child);
            QCOMPARE(child->geometry(), platform::TwipsToPixels(r.left, r.top, r.width, r.height));
        }
    }
}

// Each value follows its title's fitted width, whatever font the table got.
void TestGameLayout::titleLabelsFitTheirText() {
    GameFixture game;
    frmPoker& form = *game.form;
    for (auto [title, value] :
         {std::pair{form.lblWagerTitle, form.lblWager}, std::pair{form.lblWinTitle, form.lblWin},
          std::pair{form.lblPaidTitle, form.lblPaid}}) {
        const TwipsRect& t = form.twips.Of(title);
        const double textWidth = QFontMetricsF(title->font()).horizontalAdvance(title->text()) *
                                 platform::TwipsPerPixel();
        QCOMPARE(t.width, textWidth);
        QCOMPARE(form.twips.Of(value).left, t.right());
        QCOMPARE(form.twips.Of(value).top, t.top);
    }
}

void TestGameLayout::smallestLaidOutSize() {
    GameFixture game;
    frmPoker& form = *game.form;
    form.LayOutTable(10000, 8000);
    const TwipsRect& card = form.twips.Of(form.imgTable[0]);
    QCOMPARE(card.width, 2000.0);
    QCOMPARE(card.height, 2667.0);
    QCOMPARE(card.left, -200.0);
    QCOMPARE(form.twips.Of(form.cmdDual).top, 7942.0);
    QCOMPARE(form.twips.Of(form.cmdDual).bottom(), 8272.0);
}

void TestGameLayout::guardLeavesEverythingInPlace_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("too narrow") << 9999.0 << 9000.0;
    QTest::newRow("too low") << 12000.0 << 7999.0;
}

void TestGameLayout::guardLeavesEverythingInPlace() {
    QFETCH(double, width);
    QFETCH(double, height);
    GameFixture game;
    const Snapshot before = Take(*game.form);
    game.form->LayOutTable(width, height);
    QVERIFY(Same(before, Take(*game.form)));
}

void TestGameLayout::minimisedWindowIsNotLaidOut() {
    GameFixture game;
    frmPoker& form = *game.form;
    const Snapshot before = Take(form);
    form.showMinimized();
    form.resize(1200, 900);
    form.Form_Resize();
    QVERIFY(Same(before, Take(form)));
}

void TestGameLayout::graphBoxFollowsTheDoublePanel_data() {
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("height");
    QTest::newRow("panel shown: rows 5 to 8") << true << 1800.0 << 1050.0;
    QTest::newRow("panel hidden: rows 0 to 8") << false << 450.0 << 2400.0;
}

void TestGameLayout::graphBoxFollowsTheDoublePanel() {
    QFETCH(bool, panelShown);
    QFETCH(double, top);
    QFETCH(double, height);
    GameFixture game;
    frmPoker& form = *game.form;
    form.strWinHand = "8";
    form.ShowDoublePanel(panelShown);
    QCOMPARE(form.twips.Of(form.picGraph).top, top);
    ResizeInPixels(form, 1200, 900);
    const TwipsRect& graph = form.twips.Of(form.picGraph);
    QCOMPARE(graph.top, top);
    QCOMPARE(graph.height, height);
    QCOMPARE(graph.left, 4275.0);
    QCOMPARE(graph.width, 13525.0);
    QVERIFY(form.picGraph->isVisible());
}

// The Japanese gothic where installed, Debian's IPA Gothic, or a fixed-pitch face.
void TestGameLayout::fontsOfTheTable() {
    const QStringList kGothics{"ＭＳ ゴシック", "MS Gothic", "IPAGothic"};
    GameFixture game;
    frmPoker& form = *game.form;
    const std::vector<std::pair<QLabel*, double>> sizes{
        {form.lblResult, 30},     {form.lblMsg, 20.25},  {form.lblHold[2], 15.75},
        {form.lblWinName[0], 12}, {form.lblCredits, 12}, {form.lblDblStyleName[4], 12}};
    for (const auto& [label, points] : sizes) {
        QCOMPARE(label->font().pointSizeF(), points);
        QVERIFY(label->font().bold());
        const QFontInfo face(label->font());
        QVERIFY2(kGothics.contains(face.family()) || face.fixedPitch(), qPrintable(face.family()));
    }
    QCOMPARE(form.lblResult->font().family(), form.lblWinName[0]->font().family());
    QVERIFY(!form.lblResult->autoFillBackground());
    QVERIFY(form.lblWinName[0]->autoFillBackground());
}

QTEST_MAIN(TestGameLayout)
#include "tst_game_layout.moc"
