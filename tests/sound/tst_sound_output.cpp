#include "SoundFiles.h"
#include "sound/basEffect.h"
#include "support/Columns.h"

#include <QtTest>
#include <cstdlib>

// Runs on SDL's disk driver, which writes the mixed output to a file in real time:
// what the player would hear can be read back and examined.
namespace {

constexpr const char* kAlias = "TEST";

// The mixer's output: 16-bit stereo at 44.1 kHz.
constexpr qint64 kBytesPerSecond = 44100 * 2 * 2;
constexpr qint64 BytesFor(int ms) {
    return kBytesPerSecond * ms / 1000;
}

// The test tones peak at 8000; anything below this is silence or filter ringing.
constexpr int kLoud = 500;
// A pause this long ends one burst of sound.
constexpr qint64 kGapSamples = BytesFor(50) / 2;

int CountBursts(const QByteArray& output) {
    const auto* samples = reinterpret_cast<const qint16*>(output.constData());
    const qint64 count = output.size() / 2;
    int bursts = 0;
    qint64 quiet = kGapSamples;
    for (qint64 i = 0; i < count; ++i) {
        if (std::abs(samples[i]) > kLoud) {
            bursts += quiet >= kGapSamples ? 1 : 0;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return bursts;
}

} // namespace

class TestSoundOutput : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    std::string Path(const QString& name) const { return folder.filePath(name).toStdString(); }
    QString OutputFile() const { return folder.filePath("output.raw"); }

    qint64 OutputSize() const { return QFileInfo(OutputFile()).size(); }

    QByteArray OutputFrom(qint64 offset) const {
        QFile file(OutputFile());
        if (!file.open(QIODevice::ReadOnly) || !file.seek(offset)) {
            return {};
        }
        return file.readAll();
    }

    bool QuietFor(qint64 offset, int ms) const {
        const QByteArray output = OutputFrom(offset);
        return output.size() > BytesFor(ms) && CountBursts(output.right(BytesFor(ms))) == 0;
    }

    // Sound was heard after offset and has been followed by ms of silence.
    bool SoundedThenQuiet(qint64 offset, int ms) const {
        return CountBursts(OutputFrom(offset)) > 0 && QuietFor(offset, ms);
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", OutputFile().toLocal8Bit());
        soundfiles::WriteWav(folder.filePath("click.wav"), 50, 0);
        soundfiles::WriteWav(folder.filePath("click_then_rest.wav"), 50, 1000);
        soundfiles::WriteWav(folder.filePath("steady.wav"), 8000, 0);
        soundfiles::WriteMidi(folder.filePath("steady.mid"), 8000);
        // As in the game, other sounds stay open, so closing one keeps the device
        // and its output running.
        basEffect::SoundOpen(Path("click.wav"), "CARD");
    }

    void cleanup() { basEffect::SoundClose(kAlias); }

    void cleanupTestCase() { basEffect::SoundCloseAll(); }

    void stopAndCloseSilenceTheOutput_data() {
        Columns<QString, bool>("file", "close");
        QTest::newRow("wav stopped") << "steady.wav" << false;
        QTest::newRow("wav closed") << "steady.wav" << true;
        if (soundfiles::HasMidiPatches()) {
            QTest::newRow("midi stopped") << "steady.mid" << false;
            QTest::newRow("midi closed") << "steady.mid" << true;
        }
    }

    void stopAndCloseSilenceTheOutput() {
        QFETCH(QString, file);
        QFETCH(bool, close);
        basEffect::SoundOpen(Path(file), kAlias);
        const qint64 start = OutputSize();
        basEffect::SoundPlay(kAlias);
        QTRY_VERIFY(CountBursts(OutputFrom(start)) > 0);

        close ? basEffect::SoundClose(kAlias) : basEffect::SoundStop(kAlias);
        const qint64 stopped = OutputSize();
        // Well before the steady sound would end by itself.
        QTRY_VERIFY_WITH_TIMEOUT(QuietFor(stopped, 300), 4000);
    }

    // A click at the start of each sound shows every start in the output as a burst.
    void startsShowInTheOutput_data() {
        Columns<QString, QString, int, int>("file", "operation", "calls", "bursts");
        QTest::newRow("play restarts a playing sound") << "click_then_rest.wav"
                                                       << "SoundPlay" << 1 << 2;
        QTest::newRow("play if stopped leaves a playing sound alone")
            << "click_then_rest.wav"
            << "SoundPlayIfStopped" << 5 << 1;
        QTest::newRow("play if stopped starts a sound that ran out")
            << "click.wav"
            << "SoundPlayIfStopped" << 1 << 2;
    }

    void startsShowInTheOutput() {
        QFETCH(QString, file);
        QFETCH(QString, operation);
        QFETCH(int, calls);
        basEffect::SoundOpen(Path(file), kAlias);
        const qint64 start = OutputSize();
        basEffect::SoundPlay(kAlias);
        // The click has played out; a sound with a rest after it is still running.
        QTRY_VERIFY(SoundedThenQuiet(start, 100));

        for (int i = 0; i < calls; ++i) {
            operation == "SoundPlay" ? basEffect::SoundPlay(kAlias)
                                     : basEffect::SoundPlayIfStopped(kAlias);
        }
        // Long enough for the first start to have run to its end.
        const qint64 settled = OutputSize() + BytesFor(1300);
        QTRY_VERIFY_WITH_TIMEOUT(OutputSize() > settled, 10000);
        QTEST(CountBursts(OutputFrom(start)), "bursts");
    }
};

QTEST_GUILESS_MAIN(TestSoundOutput)
#include "tst_sound_output.moc"
