#include "SoundFiles.h"
#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"
#include "sound/basEffect.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>

// On SDL's dummy driver the mixer plays in real time into nothing, so whether a
// sound plays, has run out or was cut short shows in SoundIsPlaying.
class TestSound : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    std::string Path(const QString& name) const { return folder.filePath(name).toStdString(); }

  private slots:
    void initTestCase() {
        soundfiles::WriteWav(folder.filePath("short.wav"), 60, 0);
        // Far longer than any wait below, so "still playing" never means "ran out".
        soundfiles::WriteWav(folder.filePath("long.wav"), 15000, 0);
        soundfiles::WriteMidi(folder.filePath("long.mid"));
        soundfiles::WriteMidi(folder.filePath("other.MID"));
        soundfiles::WriteWav(folder.filePath("huge.wav"), 0, 770000); // 13 minutes
        testsupport::WriteBytes(Path("noise.wav"), std::string(5000, '\x5A'));
        testsupport::WriteBytes(Path("noise.mid"), "MThd" + std::string(400, '\x7F'));
        // A backslash in the program folder's own name is an ordinary character; only
        // in the stored file names does it separate folders.
        QVERIFY(QDir(folder.path()).mkpath("game\\1/sound/in folder"));
        soundfiles::WriteWav(folder.filePath("game\\1/sound/in folder/long.wav"), 15000, 0);
        platform::SetProgramFolder(folder.filePath("game\\1").toStdString());
    }

    void cleanup() {
        basEffect::SoundClose("TEST");
        basEffect::SoundCloseAll();
        basEffect::SetSoundMuted(false);
    }

    // Steps are "operation [alias [file]]", the alias TEST by default; whether TEST
    // plays at the end.
    void callsOnOneAlias_data() {
        Columns<QString, bool>("steps", "playing");
        const auto row = [](const char* name, const QString& steps, bool playing) {
            QTest::newRow(name) << "open TEST " + steps << playing;
        };
        row("a fresh sound is stopped", "long.wav", false);
        row("stop halts", "long.wav,play,stop", false);
        row("play if stopped starts after a stop", "long.wav,play,stop,ifstopped", true);
        row("a closed alias is silent and stays so", "long.wav,play,close,play,ifstopped", false);
        row("play if stopped starts a sound that ran out", "short.wav,play,runout,ifstopped", true);
        row("reopening stops the old sound", "long.wav,play,open TEST short.wav", false);
        row("another alias neither takes nor stops the channel",
            "long.wav,play,open CARD long.wav,play CARD,stop CARD", true);
        // A decoder may take garbage for an empty song; it must not sound on.
        for (const QString bad : {"absent.wav", "noise.wav", "noise.mid", "huge.wav", ""}) {
            row(qPrintable("unplayable '" + bad + "'"), bad + ",play,ifstopped,runout", false);
        }
        row("a second midi cuts the first", "long.mid,play,open WIN2 other.MID,play WIN2", false);
        row("a midi not on air stops nothing",
            "long.mid,play,open WIN2 other.MID,stop WIN2,close WIN2", true);
        row("a wav plays on beside a midi", "long.wav,play,open WIN2 other.MID,play WIN2", true);
        row("mute stops a wav", "long.wav,play,mute", false);
        row("mute stops a midi", "long.mid,play,mute", false);
        row("muted, nothing starts", "long.wav,mute,play,ifstopped", false);
        row("unmuted, the next call sounds", "long.wav,mute,play,unmute,ifstopped", true);
    }

    void callsOnOneAlias() {
        QFETCH(QString, steps);
        const std::map<QString, void (*)(const std::string&)> act{
            {"play", basEffect::SoundPlay},
            {"ifstopped", basEffect::SoundPlayIfStopped},
            {"stop", basEffect::SoundStop},
            {"close", basEffect::SoundClose}};
        for (const QString& step : steps.split(',')) {
            const QStringList words = step.split(' ');
            const std::string alias = words.value(1, "TEST").toStdString();
            if (words[0] == "open") {
                basEffect::SoundOpen(Path(words.value(2)), alias);
            } else if (words[0] == "mute" || words[0] == "unmute") {
                basEffect::SetSoundMuted(words[0] == "mute");
            } else if (words[0] == "runout") {
                QTRY_VERIFY(!basEffect::SoundIsPlaying(alias));
            } else {
                act.at(words[0])(alias);
            }
        }
        QTEST(basEffect::SoundIsPlaying("TEST"), "playing");
    }

    // The stored names lead with a backslash, which, like every one inside them,
    // separates folders under the sound folder; without it no file is named.
    void openAllReadsTheSoundSection() {
        std::string ini = "[SOUND]\r\n";
        for (const std::string alias : basEffect::kGameAliases) {
            ini += alias + "=" + (alias == "HOLD" ? "" : "\\in folder\\") + "long.wav\r\n";
        }
        testsupport::WriteBytes(Path("game\\1/Poker.ini"), ini);
        basIniProc::InitIniFile(); // the game reads the file once per start
        basEffect::SoundOpenAll();
        QString playing;
        for (const char* alias : basEffect::kGameAliases) {
            basEffect::SoundPlayIfStopped(alias);
            playing += QString(alias) + (basEffect::SoundIsPlaying(alias) ? " " : "- ");
        }
        QCOMPARE(playing, "CARD COININ COINOUT HOLD- BOO WIN0 WIN1 WIN2 BONUS FANFARE ");
    }

    // One attempt per session: ten sounds on a machine without sound must not knock
    // on the missing device ten times. Each call reaches the game tests' observer.
    void aMissingDeviceIsTriedOnceUntilCloseAll() {
        int closeAlls = 0;
        basEffect::SetSoundObserver([&](const std::string& operation, const std::string&) {
            closeAlls += operation == "SoundCloseAll" ? 1 : 0;
        });
        QString playing;
        const auto openAndPlay = [&] {
            basEffect::SoundOpen(Path("long.wav"), "HOLD");
            basEffect::SoundPlay("HOLD");
            playing += basEffect::SoundIsPlaying("HOLD") ? "1" : "0";
        };
        qputenv("SDL_AUDIODRIVER", "nosuchdriver");
        openAndPlay();
        qputenv("SDL_AUDIODRIVER", "dummy");
        openAndPlay();
        basEffect::SoundCloseAll();
        openAndPlay();
        basEffect::SetSoundObserver(nullptr);
        QCOMPARE(playing, "001");
        QCOMPARE(closeAlls, 1);
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
