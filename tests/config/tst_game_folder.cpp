#include "config/ShippedAssets.h"
#include "platform/ProgramFolder.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// Where a player's coins live, and what a player's card and sound folders hold
// of the pictures and sounds the game ships with.
class TestGameFolder : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    const QByteArray home_ = qgetenv("HOME");

    std::string At(const std::string& name) const {
        return dir_->filePath(QString::fromStdString(name)).toStdString();
    }

    static void SetVariable(const char* name, const QString& value) {
        if (value.isNull()) {
            unsetenv(name);
        } else {
            setenv(name, value.toLocal8Bit().constData(), 1);
        }
    }

  private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void cleanup() {
        unsetenv("XDG_DATA_HOME");
        setenv("HOME", home_.constData(), 1);
    }

    // "program" exists and can be written; "usr/games" has the installed data
    // folder beside it, so it is shared by every player even where one can write
    // it; "missing" cannot be written at all.
    void gameFolderChoice_data() {
        Columns<QString, QString, QString>("program", "xdgDataHome", "expected");
        Row("writable program folder", "program", "xdg", "program/");
        Row("installed, xdg", "usr/games", "xdg", "xdg/vesk-poker/");
        Row("unwritable, xdg", "missing", "xdg", "xdg/vesk-poker/");
        Row("unwritable, xdg relative", "missing", "xdg", "home/.local/share/vesk-poker/");
        Row("unwritable, no xdg", "missing", QString(), "home/.local/share/vesk-poker/");
    }

    void gameFolderChoice() {
        QFETCH(QString, program);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, expected);
        fs::create_directories(At("program"));
        fs::create_directories(At("usr/games"));
        if (std::string_view(VESK_DATA_FROM_PROGRAM).empty()) {
            QSKIP("a portable build has no installed layout");
        }
        fs::create_directories(At("usr/games/" VESK_DATA_FROM_PROGRAM));
        const bool relative = QString(QTest::currentDataTag()).endsWith("relative");
        SetVariable("XDG_DATA_HOME",
                    relative || xdgDataHome.isNull() ? xdgDataHome : dir_->filePath(xdgDataHome));
        SetVariable("HOME", dir_->filePath("home"));

        const std::string chosen = platform::GameFolderFor(At(program.toStdString()) + "/");
        QCOMPARE(QString::fromStdString(chosen), dir_->filePath(expected));
        QVERIFY(fs::is_directory(chosen));
        QCOMPARE(fs::exists(At("program/.vesk-poker-probe-" + std::to_string(getpid()))), false);
    }

    // A player's own file under a shipped name stays, and so does a link of the
    // player's that leads nowhere; a link of an earlier start from a place since
    // moved is renewed; a missing name gets its link.
    void shippedFilesLinkedBesideThePlayersOwn() {
        for (const char* name : {"card/ura.bmp", "card/joker.bmp", "card/clb_1.bmp",
                                 "card/notes.txt", "sound/CARD.wav"}) {
            fs::create_directories(fs::path(At("shipped/" + std::string(name))).parent_path());
            WriteBytes(At("shipped/" + std::string(name)), "shipped");
        }
        fs::create_directories(At("game/card"));
        fs::create_directories(At("game/sound"));
        WriteBytes(At("game/card/ura.bmp"), "mine");
        fs::create_symlink("/moved/away/card/joker.bmp", At("game/card/joker.bmp"));
        fs::create_symlink("/my/old/pack/ace.bmp", At("game/card/clb_1.bmp"));

        basIniProc::LinkShippedAssets(At("game/"), At("shipped/"));

        QCOMPARE(ReadBytes(At("game/card/ura.bmp")), std::string("mine"));
        QVERIFY(!fs::is_symlink(At("game/card/ura.bmp")));
        QCOMPARE(fs::read_symlink(At("game/card/joker.bmp")),
                 fs::path(At("shipped/card/joker.bmp")));
        QCOMPARE(fs::read_symlink(At("game/card/clb_1.bmp")), fs::path("/my/old/pack/ace.bmp"));
        QCOMPARE(ReadBytes(At("game/card/notes.txt")), std::string("shipped"));
        QCOMPARE(ReadBytes(At("game/sound/CARD.wav")), std::string("shipped"));

        // A portable game's folder is its own shipped folder: nothing to link.
        basIniProc::LinkShippedAssets(At("shipped/"), At("shipped/"));
        QVERIFY(!fs::is_symlink(At("shipped/card/ura.bmp")));
    }
};

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_game_folder.moc"
