#include "settings/frmSetting.h"

#include "config/basIniProc.h"
#include "settings/PageWidgets.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace settings;

namespace {

constexpr int kBoxGap = 6;

// The preview shows the sentence in the colours the table's own labels use, so the
// player sees whether they stay readable on the new colour.
const std::array<QColor, 4> kPreviewInks{QColor(255, 255, 255), QColor(255, 255, 0),
                                         QColor(0, 255, 255), QColor(255, 0, 0)};

QColor StoredColor(std::int32_t color) {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;
    basIniProc::SplitColor(color, red, green, blue);
    return {red, green, blue};
}

std::int32_t StoredValue(const QColor& color) {
    return color.red() + color.green() * 256 + color.blue() * 65536;
}

void SetLabelColors(QLabel* label, const QColor& ink, const QColor& back) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink);
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
}

QString ThreeDigits(int n) {
    return QString("%1").arg(n, 3, 10, QChar('0'));
}

} // namespace

QFrame* frmSetting::CreateEtcPage() {
    freEtc = NewPage();
    auto* column = new QVBoxLayout(freEtc);
    column->addWidget(Heading("その他の設定"));
    column->addWidget(new QLabel("全体的なゲームのスピードを入れてください"));
    lblNowSpeed = TextLabel();
    column->addWidget(lblNowSpeed);
    cmbSpeed = new QComboBox;
    cmbSpeed->addItems({"100", "200", "300"});
    lblSpeedSetting = new QLabel;
    // As wide as its longest line, so はい stays put when a save changes the line.
    lblSpeedSetting->setMinimumWidth(
        fontMetrics().horizontalAdvance("設定を、300に変更しました！"));
    cmdSpeedSet = AddButton("はい", &frmSetting::cmdSpeedSet_Click);
    column->addLayout(Row({cmbSpeed, lblSpeedSetting, cmdSpeedSet}));
    column->addSpacing(kBoxGap * 2);
    column->addWidget(new QLabel("テーブルの色を作ってください"));
    auto* heading = new QLabel("赤　　　　　　　緑　　　　　　　青　　　　　　　");
    column->addWidget(heading);
    // Each box sits under its colour's name: the heading gives every name the same
    // width of ideographic spaces. The heading has no parent yet, so it is measured
    // in the dialog's font, which it takes once placed.
    const int boxWidth = fontMetrics().horizontalAdvance(heading->text()) / 3 - kBoxGap;
    for (QComboBox*& box : cmbRGB) {
        box = new QComboBox;
        box->setFixedWidth(boxWidth);
    }
    cmdColorCheck = AddButton("チェック", &frmSetting::cmdColorCheck_Click);
    QHBoxLayout* boxes = Row({cmbRGB[0], cmbRGB[1], cmbRGB[2], cmdColorCheck});
    boxes->setSpacing(kBoxGap);
    column->addLayout(boxes);
    auto* preview = new QVBoxLayout;
    preview->setSpacing(0);
    for (std::size_t i = 0; i < lblCheckColor.size(); ++i) {
        lblCheckColor[i] = new QLabel("変更した色はこのようになります。よろしいですか？");
        lblCheckColor[i]->setAutoFillBackground(true);
        lblCheckColor[i]->setMargin(kBoxGap);
        lblCheckColor[i]->setAlignment(Qt::AlignCenter);
        preview->addWidget(lblCheckColor[i]);
    }
    column->addLayout(preview);
    cmdSetColor = AddButton("はい", &frmSetting::cmdSetColor_Click);
    lblColorSetting = new QLabel("テーブルの色の設定を変更しました。");
    column->addLayout(Row({cmdSetColor, lblColorSetting}));
    column->addStretch(1);
    return freEtc;
}

void frmSetting::OpenEtcPage() {
    const std::int16_t speed = basIniProc::intGameSpeed;
    lblNowSpeed->setText("現在の設定は、「" + QString::number(speed) +
                         "」です。数字が少ないほど速いです。");
    lblSpeedSetting->setText("に、変更しますか？");
    cmbSpeed->setCurrentIndex(speed < 101 ? 0 : speed < 201 ? 1 : 2);
    // The table took this colour at start and keeps it for the whole run.
    const QColor table = StoredColor(basIniProc::lngBackColor);
    for (std::size_t i = 0; i < lblCheckColor.size(); ++i) {
        SetLabelColors(lblCheckColor[i], kPreviewInks[i], table);
    }
    for (QComboBox* box : cmbRGB) {
        box->clear();
        for (int n = 0; n <= 255; ++n) {
            box->addItem(ThreeDigits(n));
        }
    }
    cmbRGB[0]->setCurrentIndex(table.red());
    cmbRGB[1]->setCurrentIndex(table.green());
    cmbRGB[2]->setCurrentIndex(table.blue());
    lblColorSetting->hide();
}

// The box offers only its three choices, so its text is never empty.
void frmSetting::cmdSpeedSet_Click() {
    const DisabledWhileRunning running(cmdSpeedSet);
    if (Save("SETTING", "GAME", cmbSpeed->currentText().toStdString())) {
        lblSpeedSetting->setText("設定を、" + cmbSpeed->currentText() + "に変更しました！");
    }
}

void frmSetting::cmdColorCheck_Click() {
    const QColor color(cmbRGB[0]->currentText().toInt(), cmbRGB[1]->currentText().toInt(),
                       cmbRGB[2]->currentText().toInt());
    for (std::size_t i = 0; i < lblCheckColor.size(); ++i) {
        SetLabelColors(lblCheckColor[i], kPreviewInks[i], color);
    }
}

// What was last previewed is saved, not what the boxes show now.
void frmSetting::cmdSetColor_Click() {
    const QColor previewed = lblCheckColor[0]->palette().color(QPalette::Window);
    if (Save("SETTING", "BACKCOLOR", std::to_string(StoredValue(previewed)))) {
        lblColorSetting->show();
    }
}
