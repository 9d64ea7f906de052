#include "settings/frmSetting.h"

#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"
#include "settings/CardSiblings.h"
#include "settings/FileList.h"
#include "settings/MessageBox.h"
#include "settings/PageWidgets.h"
#include "settings/PathLabel.h"
#include "settings/SettingKeys.h"

#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QImage>
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

bool WholeSuitPresent(const std::string& fileName) {
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
    freCard = NewPage();
    auto* grid = new QGridLayout(freCard);
    grid->addWidget(Heading("カード柄設定"), 0, 0, 1, 3);
    lblCardPath = new PathLabel;
    grid->addLayout(
        Row({lblCardPath, new QLabel("に、*.bmp、*.jpg 等の画像ファイルを置いて下さい")}), 1, 0, 1,
        3);
    lblKeikoku[1] = WarningLabel();
    grid->addWidget(lblKeikoku[1], 2, 0, 1, 3);
    grid->addWidget(new QLabel("カード柄の種類"), 3, 0);
    grid->addWidget(new QLabel("選択できるファイル"), 3, 1);
    lstCardKey = AddList(&frmSetting::lstCardKey_Click);
    grid->addWidget(lstCardKey, 4, 0);
    filCard = AddList(&frmSetting::filCard_Click);
    grid->addWidget(filCard, 4, 1);
    imgSample = new QLabel;
    imgSample->setFixedSize(kSampleBox);
    imgSample->setAlignment(Qt::AlignCenter);
    imgSample->setFrameShape(QFrame::Box);
    grid->addWidget(imgSample, 4, 2, Qt::AlignTop);
    lblSetumei[1] = TextLabel();
    grid->addWidget(lblSetumei[1], 5, 0, 1, 3);
    lblNowCard = TextLabel();
    grid->addWidget(lblNowCard, 6, 0, 1, 3);
    lblCardSetting = TextLabel();
    grid->addWidget(lblCardSetting, 7, 0, 1, 3);
    cmdCardSet = AddButton("はい", &frmSetting::cmdCardSet_Click);
    grid->addLayout(Row({cmdCardSet}), 8, 0, 1, 3);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    cardPage_ = {"CARD",
                 "card",
                 "*.bmp;*.jpg;*.jpeg;*.ico;*.gif",
                 "指定されたフォルダにファイルがないのでカード柄の設定はできません。",
                 CardKeys(),
                 lblCardPath,
                 lblKeikoku[1],
                 lstCardKey,
                 lblSetumei[1],
                 lblNowCard,
                 filCard,
                 lblCardSetting,
                 &frmSetting::filCard_Click,
                 true};
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
    cmdCardSet->setEnabled(false);
    if (SaveFileChoice(cardPage_)) {
        RegisterSuit(SelectedName(lstCardKey), SelectedName(filCard));
    }
    cmdCardSet->setEnabled(true);
}

// The keys written take their suit from the selected key and their files from the
// selected file's set, so a heart set chosen under a club key fills the clubs.
void frmSetting::RegisterSuit(const std::string& key, const std::string& fileName) {
    if (!SiblingName(fileName, 1) || !WholeSuitPresent(fileName) ||
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
