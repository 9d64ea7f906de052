#include "config/basIniProc.h"
#include "log/basLog.h"
#include "platform/ProgramFolder.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>
#include <filesystem>
#include <limits>

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Six fields that differ, so a swap of any two shows.
const basLog::LogRecord kNewGame{12, 57, 5, 10, 300, 307};
const QByteArray kNewLine = "12,57,5,10,300,307\r\n";

QByteArray Games(int first, int last, int coin = 50) {
    QByteArray bytes;
    for (int game = first; game <= last; ++game) {
        bytes += QString("%1,%2,1,0,%1,0\r\n").arg(game).arg(coin).toLatin1();
    }
    return bytes;
}

} // namespace

class TestLog : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

  private slots:
    void init() {
        basIniProc::strAppPath = folder.path().toStdString() + "/";
        for (const auto& entry : fs::directory_iterator(folder.path().toStdString())) {
            fs::remove_all(entry.path());
        }
    }

    // Links planted at every name the rewrite might use are never written through.
    void plantedLinksAtTemporaryNamesAreNotFollowed() {
        const std::string victim = folder.filePath("victim").toStdString();
        WriteBytes(victim, "precious");
        const std::string stem = basLog::LogFilePath() + ".tmp" + std::to_string(getpid()) + ".";
        for (int n = 0; n < 50; ++n) {
            fs::create_symlink(victim, stem + std::to_string(n));
        }
        basLog::AppendLog(kNewGame);
        QCOMPARE(ReadBytes(victim), std::string("precious"));
        QCOMPARE(QByteArray::fromStdString(ReadBytes(basLog::LogFilePath())), kNewLine);
    }

    // A start after a kill between the log's replacement and Poker.ini's: the log's
    // last record, one game on from the saved counters, gives them back; any other
    // difference leaves Poker.ini as it is. A killed save's temporary file goes.
    void startBringsPokerIniLevelWithTheLog_data() {
        Columns<QByteArray, QString, QString>("log", "saved", "after");
        const QByteArray first = "2,40,10,0,10,0\r\n";
        Row("one game ahead, a win", first + "3,50,10,20,20,20\r\n", "40 10 0", "50 20 20");
        Row("one game ahead, a loss below zero", first + "3,-5,10,0,20,0\r\n", "5 10 0", "-5 20 0");
        Row("one game ahead, bets restarting at 0", QByteArray("3,30,10,0,0,0\r\n"),
            "40 99999995 0", "30 0 0");
        Row("level", first + "3,50,10,20,20,20\r\n", "50 20 20", "50 20 20");
        Row("two games ahead", first + "3,50,10,20,20,20\r\n4,40,10,0,30,20\r\n", "40 10 0",
            "40 10 0");
        Row("Poker.ini deleted to start afresh", QByteArray("7,300,10,0,500,100\r\n"), "50 0 0",
            "50 0 0");
        Row("a log that missed the last game", first, "50 20 20", "50 20 20");
        Row("no log", QByteArray(), "40 10 0", "40 10 0");
    }

    void startBringsPokerIniLevelWithTheLog() {
        QFETCH(QByteArray, log);
        QFETCH(QString, saved);
        const QStringList counters = saved.split(' ');
        WriteBytes(folder.filePath("Poker.ini").toStdString(),
                   ("[COIN]\r\nTOTAL=" + counters[0] + "\r\nTOTAL_GET=" + counters[1] +
                    "\r\nTOTAL_PUT=" + counters[2] + "\r\n")
                       .toStdString());
        if (!log.isNull()) {
            WriteBytes(basLog::LogFilePath(), log.toStdString());
        }
        WriteBytes(basLog::LogFilePath() + ".tmp2147483647.0", "half");
        platform::SetProgramFolder(folder.path().toStdString());
        basIniProc::InitIniFile();
        basIniProc::LoadCoinData();
        basLog::RecoverLog();
        platform::SetProgramFolder("");
        basIniProc::LoadCoinData();
        QTEST(QString("%1 %2 %3")
                  .arg(basIniProc::lngCoin)
                  .arg(basIniProc::lngTotalGet)
                  .arg(basIniProc::lngTotalPut),
              "after");
        QCOMPARE(QByteArray::fromStdString(ReadBytes(basLog::LogFilePath())), log);
        QCOMPARE(testsupport::FileNames(folder).filter(".tmp"), QStringList());
    }

    // The balance of the largest magnitude, or the floor of 100, spans half the
    // height; x steps over three quarters of the width, rounded after every step.
    void graphPath_data() {
        Columns<int, int, QPointF>("balance", "W", "point");
        Row("within the floor of 100", 50, 4000, QPointF(3000, 250));
        Row("largest on the top edge", 400, 4000, QPointF(3000, 0));
        Row("smallest 32-bit balance", std::numeric_limits<int>::min(), 4000, QPointF(3000, 1000));
        // 45000 does not fit the 16-bit x; it stops at the limit instead of wrapping.
        Row("very wide box", 0, 60000, QPointF(32767, 500));
    }

    void graphPath() {
        QFETCH(int, balance);
        QFETCH(int, W);
        WriteBytes(basLog::LogFilePath(), Games(1, 1, balance).toStdString());
        basLog::CalcGraphScale(1000, W);
        const auto path = basLog::GraphPath(*basLog::ReadLog(), 1000);
        QCOMPARE(path.size(), std::size_t{2});
        QCOMPARE(QPointF(path[0].x, path[0].y), QPointF(0, 500));
        QTEST(QPointF(path[1].x, path[1].y), "point");
    }
};

QTEST_MAIN(TestLog)
#include "tst_log.moc"
