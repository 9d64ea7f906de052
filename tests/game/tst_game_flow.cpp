#include "GameFixture.h"

#include <QtTest>

using testsupport::Card;

class TestGameFlow : public QObject {
    Q_OBJECT

  private slots:
    void startUpWaitsForABet();
};

void TestGameFlow::startUpWaitsForABet() {
    GameFixture game;
    frmPoker& form = *game.form;
    QCOMPARE(GameFixture::Text(form.lblMsg), QString("ＧＡＭＥ　ＯＶＥＲ"));
    QCOMPARE(GameFixture::Status(), 0);
    QVERIFY(form.cmdOneBet->isEnabled());
    QVERIFY(form.cmdMaxBet->isEnabled());
    QVERIFY(form.cmdRepBet->isEnabled());
    QVERIFY(!form.cmdDual->isEnabled());
    QVERIFY(!form.cmdCollect->isEnabled());
    QVERIFY(!form.cmdHalf->isEnabled());
}

QTEST_MAIN(TestGameFlow)
#include "tst_game_flow.moc"
