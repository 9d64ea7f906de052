#include "BmpFile.h"
#include "CardFiles.h"
#include "ContactSheet.h"
#include "Icon.h"
#include "Sounds.h"
#include "WavFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

// Writes the game's own card pictures and sounds:
//   vesk_assets FOLDER          FOLDER/card/*.bmp, FOLDER/sound/*.wav, the
//                               program's icon FOLDER/vesk_poker.png and the
//                               desktop's icons in FOLDER/icons/hicolor/
//   vesk_assets --sheet FILE    every card on one PNG, for looking the pack over
namespace {

bool WriteCards(const QDir& folder) {
    bool ok = folder.mkpath("card");
    for (const assets::CardFile& card : assets::AllCards()) {
        ok = assets::SaveBmpWithAlpha(card.picture, folder.filePath("card/" + card.name)) && ok;
    }
    return ok;
}

bool WriteSounds(const QDir& folder) {
    bool ok = folder.mkpath("sound");
    for (const assets::SoundFile& sound : assets::AllSounds()) {
        const QString path = folder.filePath("sound/" + QString::fromStdString(sound.name));
        ok = assets::SaveWav(sound.samples, path.toStdString()) && ok;
    }
    return ok;
}

// The window's own icon beside the program, and the desktop's in hicolor sizes.
bool WriteIcons(const QDir& folder) {
    bool ok = assets::IconPicture(256).save(folder.filePath("vesk_poker.png"));
    const QString themed = "icons/hicolor/%1/apps/" VESK_APP_ID;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sized = themed.arg(QString("%1x%1").arg(size));
        ok = folder.mkpath(QFileInfo(sized).path()) &&
             assets::IconPicture(size).save(folder.filePath(sized + ".png")) && ok;
    }
    const QString scalable = themed.arg("scalable") + ".svg";
    QFile svg(folder.filePath(scalable));
    ok = folder.mkpath(QFileInfo(scalable).path()) && svg.open(QIODevice::WriteOnly) &&
         svg.write(assets::IconSvg().toUtf8()) > 0 && ok;
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing text needs a GUI application, but nothing is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 3 && args[1] == "--sheet") {
        return assets::ContactSheet(assets::AllCards()).save(args[2]) ? 0 : 1;
    }
    if (args.size() != 2) {
        std::fputs("usage: vesk_assets FOLDER | --sheet FILE.png\n", stderr);
        return 2;
    }
    const QDir folder(args[1]);
    const bool cards = WriteCards(folder);
    const bool sounds = WriteSounds(folder);
    const bool icon = WriteIcons(folder);
    return cards && sounds && icon ? 0 : 1;
}
