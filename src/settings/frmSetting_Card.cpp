#include "settings/frmSetting.h"

#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"
#include "settings/CardSiblings.h"
#include "settings/FileList.h"
#include "settings/MessageBox.h"
#include "settings/SettingKeys.h"

#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>

using namespace settings;

namespace {

constexpr int kSuitSize = 13;
// Twice the card on the table, so the player sees the picture as drawn.
constexpr QSize kSampleBox(180, 258);

std::string CardFolderPath(const std::string& fileName) {
    return basIniProc::strAppPath + "card" + "\\" + fileName;
}

bool IsCardFile(const std::string& fileName) {
    std::error_code error;
    return std::filesystem::is_regular_file(platform::ToFilePath(CardFolderPath(fileName)), error);
}

// A name without "." or "_" has no set of siblings at all.
bool WholeSuitPresent(const std::string& fileName) {
    if (!SiblingName(fileName, 1)) {
        return false;
    }
    for (int n = 1; n <= kSuitSize; ++n) {
        if (!IsCardFile(*SiblingName(fileName, n))) {
            return false;
        }
    }
    return true;
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

QFrame* frmSetting::CreateCardPage() {
    cardPage_ = {"CARD",
                 "card",
                 "*.bmp;*.jpg;*.jpeg;*.ico;*.gif",
                 "指定されたフォルダにファイルがないのでカード柄の設定はできません。",
                 CardKeys(),
                 &frmSetting::lstCardKey_Click,
                 &frmSetting::filCard_Click,
                 true};
    imgSample = new QLabel;
    imgSample->setFixedSize(kSampleBox);
    imgSample->setAlignment(Qt::AlignCenter);
    imgSample->setFrameShape(QFrame::Box);
    cmdCardSet = AddButton("はい", &frmSetting::cmdCardSet_Click);
    freCard =
        CreateFilePage(cardPage_, "カード柄設定", "に、*.bmp、*.jpg 等の画像ファイルを置いて下さい",
                       "カード柄の種類", imgSample, {cmdCardSet});
    lblCardPath = cardPage_.path;
    lblKeikoku[1] = cardPage_.warning;
    lstCardKey = cardPage_.keys;
    lblSetumei[1] = cardPage_.description;
    lblNowCard = cardPage_.current;
    filCard = cardPage_.files;
    lblCardSetting = cardPage_.prompt;
    return freCard;
}

void frmSetting::lstCardKey_Click() {
    ShowKey(cardPage_);
}

void frmSetting::filCard_Click() {
    if (ShowFileChoice(cardPage_) && !filCard->isHidden()) {
        ShowSample(SelectedName(filCard));
    }
}

// A file that is no picture leaves the last preview, as a missing picture leaves a
// card blank rather than stopping the game.
void frmSetting::ShowSample(const std::string& fileName) {
    const QImage picture(QFile::decodeName(
        QByteArray::fromStdString(platform::ToFilePath(CardFolderPath(fileName)))));
    if (!picture.isNull()) {
        imgSample->setPixmap(QPixmap::fromImage(
            picture.scaled(kSampleBox, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
}

void frmSetting::cmdCardSet_Click() {
    const DisabledWhileRunning running(cmdCardSet);
    if (SaveFileChoice(cardPage_)) {
        RegisterSuit(SelectedName(lstCardKey), SelectedName(filCard));
    }
}

// The keys written take their suit from the selected key and their files from the
// selected file's set, so a heart set chosen under a club key fills the clubs.
void frmSetting::RegisterSuit(const std::string& key, const std::string& fileName) {
    if (!WholeSuitPresent(fileName) ||
        !AskYesNo(this,
                  "同じマークと思われるファイルが１３枚見つかりました。\r\n"
                  "各番号にすべて、登録しますか？",
                  "連続登録処理")) {
        return;
    }
    const std::string suit = SuitKey(key);
    if (suit.empty()) {
        MsgBox(this, "連続登録に失敗しました。");
        return;
    }
    std::string result;
    for (int n = 1; n <= kSuitSize; ++n) {
        const std::string sibling = *SiblingName(fileName, n);
        const std::string cardKey = suit + TwoDigits(n);
        const bool registered = IsCardFile(sibling) && Stored("CARD", cardKey, "\\" + sibling);
        result += cardKey + (registered ? "の登録をしました。" : "の登録に失敗しました。") + "\r\n";
    }
    MsgBox(this, QString::fromStdString(result));
}
