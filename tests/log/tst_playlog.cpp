#include "config/basIniProc.h"
#include "log/basLog.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>
#include <filesystem>
#include <limits>
#include <sstream>

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

basLog::LogRecord Game(std::int32_t gameNo, std::int32_t coin = 50) {
    return {gameNo, coin, 1, 0, gameNo, 0};
}

std::string Line(const basLog::LogRecord& r) {
    std::ostringstream line;
    line << r.gameNo << ',' << r.coin << ',' << r.wager << ',' << r.paid << ',' << r.totalGet << ','
         << r.totalPut << "\r\n";
    return line.str();
}

std::string Games(int first, int last) {
    std::string bytes;
    for (int game = first; game <= last; ++game) {
        bytes += Line(Game(game));
    }
    return bytes;
}

QList<int> GameNumbers() {
    QList<int> numbers;
    for (const auto& record : basLog::ReadLog().value_or(std::vector<basLog::LogRecord>{})) {
        numbers << record.gameNo;
    }
    return numbers;
}

void WriteBalances(const QList<int>& balances) {
    std::string bytes;
    for (int i = 0; i < balances.size(); ++i) {
        bytes += Line(Game(i + 1, balances[i]));
    }
    WriteBytes(basLog::LogFilePath(), bytes);
}

// Permission bits do not stop root; such rows cannot fail there and are skipped.
bool Blocks(const fs::path& file) {
    return !std::ifstream(file).is_open() || !std::ofstream(file, std::ios::app).is_open();
}

} // namespace

class TestPlayLog : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    fs::path LogPath() const { return basLog::LogFilePath(); }

  private slots:
    void init() {
        QVERIFY(folder.isValid());
        basIniProc::strAppPath = folder.path().toStdString() + "/";
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(folder.path().toStdString())) {
            fs::remove_all(entry.path(), ignored);
        }
    }

    void cleanup() {
        std::error_code ignored;
        fs::permissions(LogPath(), fs::perms::owner_all, ignored);
    }

    void appendWritesExactBytes() {
        basLog::AppendLog({12, 57, 5, 10, 300, 307});
        QCOMPARE(ReadBytes(LogPath()), std::string("12,57,5,10,300,307\r\n"));
        basLog::AppendLog({13, -3, 10, 0, 310, 307});
        QCOMPARE(ReadBytes(LogPath()), std::string("12,57,5,10,300,307\r\n13,-3,10,0,310,307\r\n"));
        QCOMPARE(testsupport::FileNames(folder), QStringList{"vesk_poker.log"});
    }

    // Someone who can write to the folder plants links at the names the rewrite
    // might use; none of them is written through, and the log is still written.
    void plantedLinksAtTemporaryNamesAreNotFollowed() {
        const std::string victim = folder.filePath("victim").toStdString();
        WriteBytes(victim, "precious");
        const std::string stem = LogPath().string() + ".tmp";
        fs::create_symlink(victim, stem);
        for (int n = 0; n < 50; ++n) {
            fs::create_symlink(victim, stem + std::to_string(getpid()) + "." + std::to_string(n));
        }
        basLog::AppendLog(Game(1));
        QCOMPARE(ReadBytes(victim), std::string("precious"));
        QCOMPARE(ReadBytes(LogPath()), Line(Game(1)));
    }

    void appendTrimsExistingFile_data() {
        Columns<int, int>("existing", "firstKept");
        QTest::newRow("98 records") << 98 << 1;
        QTest::newRow("99 records") << 99 << 1;
        QTest::newRow("100 records") << 100 << 2;
        QTest::newRow("oversized, 150 records") << 150 << 52;
    }

    void appendTrimsExistingFile() {
        QFETCH(int, existing);
        QFETCH(int, firstKept);
        WriteBytes(LogPath(), Games(1, existing));
        basLog::AppendLog(Game(existing + 1));
        QCOMPARE(ReadBytes(LogPath()), Games(firstKept, existing + 1));
    }

    void readingAcceptsAndRejectsLines_data() {
        Columns<QString, bool>("line", "accepted");
        QTest::newRow("as written") << "7,-20,3,0,40,20\r\n" << true;
        QTest::newRow("spaces before numbers") << " 7, -20,  3,0,40,20\r\n" << true;
        QTest::newRow("line feed alone") << "7,-20,3,0,40,20\n" << true;
        QTest::newRow("carriage return alone") << "7,-20,3,0,40,20\r" << true;
        QTest::newRow("32-bit limits") << "7,-2147483648,3,0,2147483647,20\r\n" << true;
        QTest::newRow("five fields") << "7,-20,3,0,40\r\n" << false;
        QTest::newRow("seven fields") << "7,-20,3,0,40,20,1\r\n" << false;
        QTest::newRow("empty field") << "7,,3,0,40,20\r\n" << false;
        QTest::newRow("letters") << "7,-20,3,zero,40,20\r\n" << false;
        QTest::newRow("decimal point") << "7,-20.5,3,0,40,20\r\n" << false;
        QTest::newRow("beyond 32 bits") << "7,2147483648,3,0,40,20\r\n" << false;
        QTest::newRow("blank line") << "\r\n" << false;
        QTest::newRow("binary junk") << QString::fromLatin1("\x01\x7f,\xff") + "\r\n" << false;
    }

    // The odd line sits between two good ones: those must survive it, and the next
    // append rewrites the file in the program's own form.
    void readingAcceptsAndRejectsLines() {
        QFETCH(QString, line);
        QFETCH(bool, accepted);
        WriteBytes(LogPath(), Line(Game(6)) + line.toLatin1().toStdString() + Line(Game(8)));
        QCOMPARE(GameNumbers(), (accepted ? QList<int>{6, 7, 8} : QList<int>{6, 8}));
        basLog::AppendLog(Game(9));
        const auto records = basLog::ReadLog();
        QVERIFY(records);
        std::string expected;
        for (const auto& record : *records) {
            expected += Line(record);
        }
        QCOMPARE(ReadBytes(LogPath()), expected);
        QCOMPARE(GameNumbers(), (accepted ? QList<int>{6, 7, 8, 9} : QList<int>{6, 8, 9}));
    }

    void lastLineWithoutLineEndIsRead() {
        WriteBytes(LogPath(), Line(Game(1)) + "2,50,1,0,2,0");
        QCOMPARE(GameNumbers(), (QList<int>{1, 2}));
    }

    void unusableLogLeavesGameAndHistoryAlone_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("log is a folder") << "log folder";
        QTest::newRow("program folder is gone") << "no program folder";
        QTest::newRow("read-only log") << "read-only";
        QTest::newRow("unreadable log") << "unreadable";
    }

    void unusableLogLeavesGameAndHistoryAlone() {
        QFETCH(QString, obstacle);
        const std::string history = Games(1, 40);
        WriteBytes(LogPath(), history);
        if (obstacle == "log folder") {
            fs::remove(LogPath());
            fs::create_directory(LogPath());
        } else if (obstacle == "no program folder") {
            basIniProc::strAppPath = folder.path().toStdString() + "/gone/";
        } else {
            fs::permissions(LogPath(),
                            obstacle == "read-only" ? fs::perms::owner_read : fs::perms::none);
            if (!Blocks(LogPath())) {
                QSKIP("permission bits do not bind this user");
            }
        }

        basLog::AppendLog(Game(41));

        if (obstacle == "no program folder") {
            QVERIFY(!fs::exists(basIniProc::strAppPath));
            return;
        }
        QCOMPARE(testsupport::FileNames(folder), QStringList{"vesk_poker.log"});
        if (obstacle != "log folder") {
            fs::permissions(LogPath(), fs::perms::owner_all);
            QCOMPARE(ReadBytes(LogPath()), history);
        }
    }

    void graphScale_data() {
        Columns<QList<int>, double, int, int, double>("balances", "scale", "graphMax", "graphMin",
                                                      "extremeY");
        QTest::newRow("within the floor of 100")
            << QList<int>{50, 80, 40} << 5.0 << 100 << -100 << 100.0;
        QTest::newRow("400 on the top edge")
            << QList<int>{50, 400, 40} << 1.25 << 400 << -100 << 0.0;
        QTest::newRow("-300 on the bottom edge")
            << QList<int>{200, -300, 10} << 500.0 / 300 << 200 << -300 << 1000.0;
        QTest::newRow("smallest 32-bit balance")
            << QList<int>{std::numeric_limits<int>::min()} << 500.0 / 2147483648.0 << 100
            << std::numeric_limits<int>::min() << 1000.0;
    }

    void graphScale() {
        QFETCH(QList<int>, balances);
        WriteBalances(balances);
        basLog::CalcGraphScale(1000, 4000);
        QTEST(basLog::dblGraphScaleY, "scale");
        QTEST(basLog::lngGraphMax, "graphMax");
        QTEST(basLog::lngGraphMin, "graphMin");
        QCOMPARE(basLog::lngLogCount, static_cast<std::int32_t>(balances.size()));
        QCOMPARE(basLog::dblGraphStepX, 3000.0 / balances.size());

        // The balance of the largest magnitude is the one drawn at extremeY.
        QFETCH(double, extremeY);
        const auto path = basLog::GraphPath(*basLog::ReadLog(), 1000);
        const auto extreme = std::max_element(balances.begin(), balances.end(), [](int a, int b) {
            return std::abs(static_cast<double>(a)) < std::abs(static_cast<double>(b));
        });
        QCOMPARE(path[extreme - balances.begin() + 1].y, extremeY);
    }

    void noLogGivesFloorScaleAndDefaultStep() {
        basLog::CalcGraphScale(1000, 4000);
        QCOMPARE(basLog::lngLogCount, 0);
        QCOMPARE(basLog::dblGraphScaleY, 5.0);
        QCOMPARE(basLog::dblGraphStepX, 60.0);
    }

    void graphPath_data() {
        Columns<QList<int>, int, int, double, int, QPointF>("balances", "W", "H", "step", "game",
                                                            "point");
        QTest::newRow("one game") << QList<int>{50} << 4000 << 1000 << 3000.0 << 1
                                  << QPointF(3000, 250);
        QTest::newRow("100 games on width 4000")
            << QList<int>(100, -100) << 4000 << 1000 << 30.0 << 100 << QPointF(3000, 1000);
        // 3000 / 7 = 428.57: each x is rounded from the rounded x before it.
        QTest::newRow("rounding carries")
            << QList<int>(7, 0) << 4000 << 1000 << 3000.0 / 7 << 7 << QPointF(3003, 500);
        // 12.5 per step: 12, 24, 36 ... where halves away from zero would reach 78.
        QTest::newRow("x halves to even")
            << QList<int>(6, 0) << 100 << 1000 << 12.5 << 6 << QPointF(72, 500);
        // Scale 500 / 200 = 2.5: one coin is 2.5 units, rounded to 2.
        QTest::newRow("height halves to even")
            << QList<int>{1, -200} << 4000 << 1000 << 1500.0 << 1 << QPointF(1500, 498);
        QTest::newRow("odd height")
            << QList<int>{0} << 4000 << 1001 << 3000.0 << 1 << QPointF(3000, 500);
        // 45000 does not fit the 16-bit x; it stops at the limit instead of wrapping.
        QTest::newRow("very wide box")
            << QList<int>{0} << 60000 << 1000 << 45000.0 << 1 << QPointF(32767, 500);
    }

    void graphPath() {
        QFETCH(QList<int>, balances);
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, game);
        WriteBalances(balances);
        basLog::CalcGraphScale(H, W);
        QTEST(basLog::dblGraphStepX, "step");
        const auto path = basLog::GraphPath(*basLog::ReadLog(), H);
        QCOMPARE(path.size(), static_cast<std::size_t>(balances.size() + 1));
        QCOMPARE(QPointF(path.front().x, path.front().y), QPointF(0, H / 2.0));
        QTEST(QPointF(path[game].x, path[game].y), "point");
    }
};

QTEST_GUILESS_MAIN(TestPlayLog)
#include "tst_playlog.moc"
