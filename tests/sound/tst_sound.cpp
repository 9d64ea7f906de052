#include "SoundFiles.h"
#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"
#include "sound/basEffect.h"
#include "support/Columns.h"

#include <QtTest>

// On SDL's dummy driver the mixer plays in real time into nothing, so whether a
// sound plays, has run out or was cut short shows in SoundIsPlaying.
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
        soundfiles::WriteWav(folder.filePath("short.wav"), 60, 0);
        // Far longer than any wait below, so "still playing" never means "ran out".
        soundfiles::WriteWav(folder.filePath("long.wav"), 15000, 0);
        soundfiles::WriteMidi(folder.filePath("long.mid"));
        soundfiles::WriteMidi(folder.filePath("other.MID"));
        soundfiles::WriteWav(folder.filePath("huge.wav"), 0, 770000); // 13 minutes
        soundfiles::WriteBytes(folder.filePath("noise.wav"), QByteArray(5000, '\x5A'));
        soundfiles::WriteBytes(folder.filePath("noise.mid"),
                               QByteArray("MThd") + QByteArray(400, '\x7F'));
        // A backslash in the program folder's own name is an ordinary character; only
        // in the stored file names does it separate folders.
        QVERIFY(QDir(folder.path()).mkpath("game\\1/sound/in folder"));
        soundfiles::WriteWav(folder.filePath("game\\1/sound/in folder/long.wav"), 15000, 0);
        platform::SetProgramFolder(folder.filePath("game\\1").toStdString());
    }

    void cleanup() {
        basEffect::SoundClose(kAlias);
        basEffect::SoundCloseAll();
    }

    // The file is opened as TEST, then the steps run; "card" plays and stops a sound
    // under another alias, "other" starts a second MIDI file under another alias,
    // "otherquiet" opens one there, stops and closes it.
    void callsOnOneAlias_data() {
        Columns<QString, QStringList, bool>("file", "steps", "playing");
        const auto row = [](const char* name, QString file, QString steps, bool playing) {
            QTest::newRow(name) << file << steps.split(' ', Qt::SkipEmptyParts) << playing;
        };
        row("a fresh sound is stopped", "long.wav", "", false);
        row("stop halts", "long.wav", "play stop", false);
        row("play if stopped starts after a stop", "long.wav", "play stop ifstopped", true);
        row("a closed alias is silent and stays so", "long.wav", "play close play ifstopped",
            false);
        row("play if stopped starts a sound that ran out", "short.wav", "play runout ifstopped",
            true);
        row("a second open stops the sound it replaces", "long.wav", "play reopen", false);
        row("never opened", QString(), "play ifstopped", false);
        row("another alias neither takes nor stops the channel", "long.wav", "play card", true);
        // A decoder may take garbage for an empty song; it must not sound on.
        for (const char* bad : {"absent.wav", "noise.wav", "noise.mid", "huge.wav", ""}) {
            row(qPrintable(QString("unplayable '%1'").arg(bad)), bad, "play ifstopped runout",
                false);
        }
        if (soundfiles::HasMidiPatches()) {
            row("a second midi cuts the first short", "long.mid", "play other", false);
            row("a midi not on air stops nothing", "long.mid", "play otherquiet", true);
            row("a wav plays on beside a midi", "long.wav", "play other", true);
        }
    }

    void callsOnOneAlias() {
        QFETCH(QString, file);
        QFETCH(QStringList, steps);
        if (!file.isNull()) {
            basEffect::SoundOpen(Path(file), kAlias);
        }
        const auto other = [this](const char* operation) {
            basEffect::SoundOpen(Path("other.MID"), "WIN2");
            operation == QString("play") ? basEffect::SoundPlay("WIN2")
                                         : basEffect::SoundStop("WIN2");
        };
        const std::map<QString, std::function<void()>> act{
            {"play", [] { basEffect::SoundPlay(kAlias); }},
            {"ifstopped", [] { basEffect::SoundPlayIfStopped(kAlias); }},
            {"stop", [] { basEffect::SoundStop(kAlias); }},
            {"close", [] { basEffect::SoundClose(kAlias); }},
            {"reopen", [this] { basEffect::SoundOpen(Path("short.wav"), kAlias); }},
            {"runout", [] { QTRY_VERIFY(!Playing()); }},
            {"other", [&] { other("play"); }},
            {"otherquiet", [&] { other("stop"); }},
            {"card", [this] {
                 basEffect::SoundOpen(Path("long.wav"), "CARD");
                 basEffect::SoundPlay("CARD");
                 basEffect::SoundStop("CARD");
             }}};
        for (const QString& step : steps) {
            act.at(step)();
        }
        QTEST(Playing(), "playing");
    }

    // Every game sound is opened from its stored name under the program folder.
    void openAllReadsTheSoundSection_data() {
        Columns<QString, bool>("value", "playing");
        QTest::newRow("backslash separates folders") << "\\in folder\\long.wav" << true;
        QTest::newRow("without the leading backslash no file is named") << "long.wav" << false;
    }

    void openAllReadsTheSoundSection() {
        QFETCH(QString, value);
        QByteArray ini("[SOUND]\r\n");
        for (const char* alias : basEffect::kGameAliases) {
            ini += QByteArray(alias) + "=" + value.toUtf8() + "\r\n";
        }
        soundfiles::WriteBytes(folder.filePath("game\\1/Poker.ini"), ini);
        basIniProc::InitIniFile(); // the game reads the file once per start
        basEffect::SoundOpenAll();
        for (const char* alias : basEffect::kGameAliases) {
            basEffect::SoundPlayIfStopped(alias);
            QTEST(Playing(alias), "playing");
        }
    }

    // One attempt per session: ten sounds on a machine without sound must not knock
    // on the missing device ten times. Each call reaches the game tests' observer.
    void aMissingDeviceIsTriedOnceUntilCloseAll() {
        QStringList calls;
        basEffect::SetSoundObserver([&](const std::string& operation, const std::string& alias) {
            calls << QString::fromStdString(operation + alias);
        });
        QString playing;
        for (const char* driver : {"nosuchdriver", "dummy"}) {
            qputenv("SDL_AUDIODRIVER", driver);
            basEffect::SoundOpen(Path("long.wav"), "HOLD");
            basEffect::SoundPlay("HOLD");
            playing += Playing("HOLD") ? "1" : "0";
            qputenv("SDL_AUDIODRIVER", "dummy");
            basEffect::SoundOpen(Path("long.wav"), "HOLD");
            basEffect::SoundPlay("HOLD");
            playing += Playing("HOLD") ? "1" : "0";
            basEffect::SoundCloseAll();
        }
        basEffect::SetSoundObserver(nullptr);
        QCOMPARE(playing, "0011");
        QCOMPARE(calls.count("SoundCloseAll"), 2);
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
