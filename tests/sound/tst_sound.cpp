#include "SoundFiles.h"
#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"
#include "sound/basEffect.h"
#include "support/Columns.h"

#include <QtTest>

// Runs on SDL's dummy driver: the mixer plays in real time into nothing, so whether
// a sound is playing, has run out or was cut short can be watched through
// SoundIsPlaying.
constexpr const char* kAlias = "TEST";

class TestSound : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    std::string Path(const QString& name) const { return folder.filePath(name).toStdString(); }
    static bool Playing(const std::string& alias = kAlias) {
        return basEffect::SoundIsPlaying(alias);
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        soundfiles::WriteWav(folder.filePath("short.wav"), 60, 0);
        // Far longer than any wait below, so "still playing" never means "ran out".
        soundfiles::WriteWav(folder.filePath("long.wav"), 15000, 0);
        soundfiles::WriteMidi(folder.filePath("long.mid"), 15000);
        soundfiles::WriteMidi(folder.filePath("other.MID"), 15000);
        soundfiles::WriteWav(folder.filePath("huge.wav"), 0, 770000); // 13 minutes
        soundfiles::WriteBytes(folder.filePath("empty.wav"), {});
        soundfiles::WriteBytes(folder.filePath("noise.wav"), QByteArray(5000, '\x5A'));
        soundfiles::WriteBytes(folder.filePath("header.wav"),
                               QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16));
        soundfiles::WriteBytes(folder.filePath("noise.mid"),
                               QByteArray("MThd") + QByteArray(400, '\x7F'));
        QVERIFY(QDir(folder.path()).mkdir("folder.wav"));
        QVERIFY(QDir(folder.path()).mkpath("sound/in folder"));
        soundfiles::WriteWav(folder.filePath("sound/long.wav"), 15000, 0);
        soundfiles::WriteWav(folder.filePath("sound/in folder/long.wav"), 15000, 0);
        soundfiles::WriteMidi(folder.filePath("sound/long.mid"), 15000);
        platform::SetProgramFolder(folder.path().toStdString());
    }

    void cleanup() {
        qputenv("SDL_AUDIODRIVER", "dummy");
        basEffect::SoundClose(kAlias);
        basEffect::SoundCloseAll();
    }

    void playStopAndCloseFollowTheCalls_data() {
        Columns<QString, QStringList, bool>("file", "steps", "playing");
        const auto row = [](const char* name, const char* file, QString steps, bool playing) {
            QTest::newRow(name) << file << steps.split(' ', Qt::SkipEmptyParts) << playing;
        };
        row("a fresh sound is stopped", "long.wav", "", false);
        row("play starts", "long.wav", "play", true);
        row("play if stopped starts a fresh sound", "long.wav", "ifstopped", true);
        row("stop halts", "long.wav", "play stop", false);
        row("play if stopped starts after a stop", "long.wav", "play stop ifstopped", true);
        row("repeats keep a long sound going", "long.wav",
            "play ifstopped ifstopped play ifstopped", true);
        row("a closed alias is silent and stays so", "long.wav", "play close play ifstopped",
            false);
        row("a short sound runs out", "short.wav", "play runout", false);
        row("play starts a sound that ran out", "short.wav", "play runout play", true);
        row("play if stopped starts a sound that ran out", "short.wav", "play runout ifstopped",
            true);
        row("a second open stops the sound it replaces", "long.wav", "play reopen", false);
        // The long sound would never run out within the wait.
        row("a second open plays the new file", "long.wav", "reopen play runout", false);
        if (soundfiles::HasMidiPatches()) {
            row("midi plays", "long.mid", "play", true);
            row("midi stops", "long.mid", "play stop", false);
            row("a closed midi is silent and stays so", "long.mid", "play close play", false);
        }
    }

    void playStopAndCloseFollowTheCalls() {
        QFETCH(QString, file);
        QFETCH(QStringList, steps);
        basEffect::SoundOpen(Path(file), kAlias);
        const std::map<QString, std::function<void()>> act{
            {"play", [] { basEffect::SoundPlay(kAlias); }},
            {"ifstopped", [] { basEffect::SoundPlayIfStopped(kAlias); }},
            {"stop", [] { basEffect::SoundStop(kAlias); }},
            {"close", [] { basEffect::SoundClose(kAlias); }},
            {"reopen", [this] { basEffect::SoundOpen(Path("short.wav"), kAlias); }},
            {"runout", [] { QTRY_VERIFY(!Playing()); }}};
        for (const QString& step : steps) {
            act.at(step)();
        }
        QTEST(Playing(), "playing");
    }

    void everyAliasPlaysOnItsOwnChannel() {
        std::vector<std::string> aliases(basEffect::kGameAliases.begin(),
                                         basEffect::kGameAliases.end());
        aliases.push_back(kAlias);
        for (const auto& alias : aliases) {
            basEffect::SoundOpen(Path("long.wav"), alias);
            basEffect::SoundPlay(alias);
        }
        basEffect::SoundStop("BOO");
        basEffect::SoundPlay("CARD");
        for (const auto& alias : aliases) {
            QCOMPARE(Playing(alias), alias != "BOO");
        }
    }

    void oneMidiPlaysAtATime() {
        if (!soundfiles::HasMidiPatches()) {
            QSKIP("no General MIDI patches on this system");
        }
        basEffect::SoundOpen(Path("long.mid"), "WIN1");
        basEffect::SoundOpen(Path("other.MID"), "WIN2");
        basEffect::SoundOpen(Path("long.wav"), "CARD");
        basEffect::SoundPlay("WIN1");
        basEffect::SoundPlay("CARD");
        QVERIFY(Playing("WIN1"));
        basEffect::SoundPlayIfStopped("WIN2");
        QVERIFY(!Playing("WIN1"));
        QVERIFY(Playing("WIN2"));
        QVERIFY(Playing("CARD"));
        basEffect::SoundStop("WIN1");
        QVERIFY(Playing("WIN2"));
        basEffect::SoundClose("WIN1");
        QVERIFY(Playing("WIN2"));
    }

    void unplayableFilesAreSilent_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing file") << "absent.wav";
        QTest::newRow("empty file") << "empty.wav";
        QTest::newRow("noise") << "noise.wav";
        QTest::newRow("header without data") << "header.wav";
        QTest::newRow("broken midi") << "noise.mid";
        QTest::newRow("folder") << "folder.wav";
        QTest::newRow("over 64 MiB") << "huge.wav";
        QTest::newRow("empty value opens the folder itself") << "";
        QTest::newRow("missing folder") << "absent/CARD.wav";
        QTest::newRow("never opened") << QString();
    }

    void unplayableFilesAreSilent() {
        QFETCH(QString, file);
        basEffect::SoundOpen(Path("long.wav"), "CARD");
        basEffect::SoundPlay("CARD");
        if (!file.isNull()) {
            basEffect::SoundOpen(Path(file), kAlias);
        }
        basEffect::SoundPlay(kAlias);
        basEffect::SoundPlayIfStopped(kAlias);
        // A decoder may take garbage for an empty song; it must not sound on.
        QTRY_VERIFY(!Playing());
        basEffect::SoundStop(kAlias);
        basEffect::SoundClose(kAlias);
        QVERIFY(Playing("CARD"));
    }

    void openAllReadsTheSoundSection_data() {
        Columns<QString, bool>("value", "playing");
        QTest::newRow("file in the sound folder") << "\\long.wav" << true;
        QTest::newRow("backslash separates folders") << "\\in folder\\long.wav" << true;
        QTest::newRow("without the leading backslash no file is named") << "long.wav" << false;
        QTest::newRow("empty value") << "" << false;
        QTest::newRow("missing file") << "\\absent.wav" << false;
        if (soundfiles::HasMidiPatches()) {
            QTest::newRow("midi") << "\\long.mid" << true;
        }
    }

    void openAllReadsTheSoundSection() {
        QFETCH(QString, value);
        QByteArray ini("[SOUND]\r\n");
        for (const char* alias : basEffect::kGameAliases) {
            ini += QByteArray(alias) + "=" + value.toUtf8() + "\r\n";
        }
        soundfiles::WriteBytes(folder.filePath("Poker.ini"), ini);
        basIniProc::InitIniFile(); // the game reads the file once per start
        basEffect::SoundOpenAll();
        for (const char* alias : basEffect::kGameAliases) {
            basEffect::SoundPlayIfStopped(alias);
            QTEST(Playing(alias), "playing");
        }
    }

    // The sounds the build synthesises, named by a freshly written Poker.ini, are
    // what a new player hears: each must open and play through the mixer.
    void gamesOwnSoundsPlay() {
        QTemporaryDir game;
        QVERIFY(game.isValid());
        platform::SetProgramFolder(game.path().toStdString());
        basIniProc::InitIniFile();
        platform::SetProgramFolder(folder.path().toStdString());
        const QDir built(VESK_ASSET_FOLDER "/sound");
        for (const QString& wav : built.entryList({"*.wav"}, QDir::Files)) {
            QVERIFY(QFile::copy(built.filePath(wav), game.filePath("sound/" + wav)));
        }
        basEffect::SoundOpenAll();
        // The shortest last a few hundredths of a second: a stalled machine could let
        // one run out before it is asked, so each gets a few starts to be heard.
        for (const char* alias : basEffect::kGameAliases) {
            bool heard = false;
            for (int start = 0; start < 20 && !heard; ++start) {
                basEffect::SoundPlay(alias);
                heard = Playing(alias);
            }
            QVERIFY2(heard, alias);
        }
    }

    // A backslash is an ordinary character of the folder's own name; only in the
    // stored file name does it separate folders.
    void programFolderNamedWithABackslashIsFound() {
        QVERIFY(QDir(folder.path()).mkpath("game\\1/sound"));
        soundfiles::WriteWav(folder.filePath("game\\1/sound/long.wav"), 15000, 0);
        platform::SetProgramFolder(folder.filePath("game\\1").toStdString());
        basIniProc::InitIniFile();
        basEffect::SoundOpen(basIniProc::strAppPath + "sound\\long.wav", "CARD");
        basEffect::SoundPlay("CARD");
        QVERIFY(Playing("CARD"));
        platform::SetProgramFolder(folder.path().toStdString());
    }

    // One attempt per session: ten sounds on a machine without sound must not
    // knock on the missing device ten times.
    void aMissingDeviceIsTriedOnceUntilCloseAll() {
        qputenv("SDL_AUDIODRIVER", "nosuchdriver");
        basEffect::SoundOpen(Path("long.wav"), "CARD");
        qputenv("SDL_AUDIODRIVER", "dummy");
        basEffect::SoundOpen(Path("long.wav"), "HOLD");
        basEffect::SoundPlay("CARD");
        basEffect::SoundPlay("HOLD");
        QVERIFY(!Playing("CARD"));
        QVERIFY(!Playing("HOLD"));
        basEffect::SoundCloseAll();
        basEffect::SoundOpen(Path("long.wav"), "HOLD");
        basEffect::SoundPlay("HOLD");
        QVERIFY(Playing("HOLD"));
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
