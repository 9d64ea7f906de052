#include "BmpFile.h"
#include "CardArt.h"
#include "CardFiles.h"
#include "ContactSheet.h"
#include "Sounds.h"
#include "WavFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

// Writes the game's own card pictures and sounds:
//   vesk_assets FOLDER          FOLDER/card/*.bmp, FOLDER/sound/*.wav and the
//                               program's icon FOLDER/vesk_poker.png
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

// The joker, the pack's most recognisable face, upright in a square.
bool WriteIcon(const QDir& folder) {
    constexpr int kSize = 256;
    const QImage joker = assets::DrawJoker().scaledToHeight(kSize, Qt::SmoothTransformation);
    QImage icon(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.drawImage((kSize - joker.width()) / 2, 0, joker);
    painter.end();
    return icon.save(folder.filePath("vesk_poker.png"));
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
    const bool icon = WriteIcon(folder);
    return cards && sounds && icon ? 0 : 1;
}
