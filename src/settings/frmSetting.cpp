#include "settings/frmSetting.h"

#include "config/basIniProc.h"
#include "settings/FileList.h"
#include "settings/FolderFiles.h"
#include "settings/MessageBox.h"
#include "settings/PageWidgets.h"
#include "settings/SettingKeys.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

using namespace settings;

frmSetting::frmSetting(QWidget* parent) : QDialog(parent) {
    setWindowTitle("SETTING");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont(kTextPoints));
    auto* layout = new QGridLayout(this);
    const std::array<const char*, 3> captions{"SOUND_SET", "CARD_SET", "ETC_SET"};
    for (std::size_t i = 0; i < cmdSelectSet.size(); ++i) {
        const int index = static_cast<int>(i);
        cmdSelectSet[i] = new QPushButton(captions[i], this);
        cmdSelectSet[i]->setAutoDefault(false);
        connect(cmdSelectSet[i], &QPushButton::clicked, this,
                [this, index] { cmdSelectSet_Click(index); });
        layout->addWidget(cmdSelectSet[i], 0, index);
    }
    lblNextGame = NoticeLabel("設定が有効になるのは、次回ゲームからです。");
    layout->addWidget(lblNextGame, 1, 0, 1, 3);
    // The three pages share one place; the dialog is as large as the largest, so it
    // keeps its size from page to page.
    auto* pages = new QWidget(this);
    auto* stack = new QGridLayout(pages);
    stack->setContentsMargins(0, 0, 0, 0);
    QSize largest;
    for (QFrame* page : {CreateSoundPage(), CreateCardPage(), CreateEtcPage()}) {
        stack->addWidget(page, 0, 0);
        largest = largest.expandedTo(page->sizeHint());
    }
    pages->setMinimumSize(largest);
    layout->addWidget(pages, 2, 0, 1, 3);
    cmdSelectSet[0]->setFocus();
    Form_Load();
}

QPushButton* frmSetting::AddButton(const QString& caption, void (frmSetting::*handler)()) {
    auto* button = new QPushButton(caption);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
}

// A click, the arrow keys and the handlers' own selections all land here; the
// handlers select quietly and run what they need themselves.
QListWidget* frmSetting::AddList(void (frmSetting::*handler)()) {
    auto* list = new QListWidget;
    SetSelectionColors(list);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, handler] {
        if (!list->selectedItems().isEmpty()) {
            (this->*handler)();
        }
    });
    return list;
}

QFrame* frmSetting::CreateFilePage(FilePage& page, const QString& heading,
                                   const QString& instruction, const QString& keysTitle,
                                   QWidget* beside, std::initializer_list<QWidget*> buttons) {
    QFrame* frame = NewPage();
    auto* grid = new QGridLayout(frame);
    const int span = beside != nullptr ? 3 : 2;
    const auto wide = [&](QWidget* widget, int row) { grid->addWidget(widget, row, 0, 1, span); };
    wide(Heading(heading), 0);
    wide(page.path = TextLabel(), 1);
    wide(new QLabel(instruction), 2);
    wide(page.warning = WarningLabel(), 3);
    grid->addWidget(new QLabel(keysTitle), 4, 0);
    grid->addWidget(new QLabel("選択できるファイル"), 4, 1);
    grid->addWidget(page.keys = AddList(page.keyClick), 5, 0);
    grid->addWidget(page.files = AddList(page.fileClick), 5, 1);
    if (beside != nullptr) {
        grid->addWidget(beside, 5, 2, Qt::AlignTop);
    }
    wide(page.description = TextLabel(), 6);
    wide(page.current = TextLabel(), 7);
    wide(page.prompt = TextLabel(), 8);
    grid->addLayout(Row(buttons), 9, 0, 1, span);
    grid->setRowStretch(5, 1);
    return frame;
}

void frmSetting::Form_Load() {
    for (QFrame* page : {freSound, freCard}) {
        page->hide();
        page->setEnabled(false);
    }
    basIniProc::InitIniFile();
}

void frmSetting::Form_Activate() {
    cmdSelectSet_Click(0);
}

void frmSetting::Form_Unload() {
    cmdSoundStop_Click();
}

// Long names and deep folders wrap onto more lines than the dialog was made for;
// squeezed, its rows would slide under the card preview. It grows to hold them.
bool frmSetting::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest && layout()->hasHeightForWidth()) {
        setMinimumHeight(std::max(layout()->totalMinimumSize().height(),
                                  layout()->totalHeightForWidth(width())));
    }
    return handled;
}

void frmSetting::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Form_Activate();
    }
}

// No button is ever the dialog's default: a default would keep its highlight on
// a page button while another page shows, and Enter in a list or a box would press
// it, switching pages under the player. Enter presses the focused button only.
void frmSetting::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button != nullptr) {
            button->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

frmSetting::DisabledWhileRunning::DisabledWhileRunning(QPushButton* button)
    : button_(button), focused_(button->hasFocus()) {
    button_->setEnabled(false);
}

frmSetting::DisabledWhileRunning::~DisabledWhileRunning() {
    button_->setEnabled(true);
    if (focused_) {
        button_->setFocus();
    }
}

void frmSetting::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmSetting::cmdSelectSet_Click(int Index) {
    const std::array<QFrame*, 3> pages{freSound, freCard, freEtc};
    if (Index < 0 || Index >= static_cast<int>(pages.size())) {
        return;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const bool chosen = static_cast<int>(i) == Index;
        pages[i]->setVisible(chosen);
        pages[i]->setEnabled(chosen);
    }
    switch (Index) {
    case 0:
        OpenFilePage(soundPage_);
        break;
    case 1:
        OpenFilePage(cardPage_);
        break;
    default:
        OpenEtcPage();
        break;
    }
}

void frmSetting::OpenFilePage(const FilePage& page) {
    const std::string folder = basIniProc::strAppPath + page.folderName;
    page.path->setText(Decoded(folder));
    FillList(page.files, FolderFiles(folder, page.pattern));
    page.warning->setText(page.files->count() == 0 ? page.emptyWarning : QString());
    page.keys->hide();
    FillList(page.keys, page.keyNames);
    page.keys->show();
    SelectRow(page.keys, 0);
    ShowKey(page);
}

// Finding the stored file runs the file list's handler for every entry it passes,
// as the player's own clicks would; the list is hidden meanwhile, so the card page
// does not load a preview of each picture on the way.
void frmSetting::ShowKey(const FilePage& page) {
    const std::string key = SelectedName(page.keys);
    if (key.empty()) {
        return;
    }
    page.description->setText(QString::fromStdString(GetDescription(page.section, key)));
    std::string name = basIniProc::GetIni(page.section, key);
    name.erase(0, 1);
    page.current->setText("現在の設定は、" + Decoded(name) + "です");
    page.files->hide();
    const int stored = StoredRow(page.files, name);
    const bool found = stored >= 0;
    for (int row = 0; row <= (found ? stored : page.files->count() - 1); ++row) {
        SelectRow(page.files, row);
        (this->*page.fileClick)();
    }
    page.files->show();
    if (!found) {
        page.prompt->setText("現在設定されているファイルが見つかりませんでした。");
    } else if (page.preview) {
        (this->*page.fileClick)();
    }
}

bool frmSetting::ShowFileChoice(const FilePage& page) {
    const std::string name = SelectedName(page.files);
    if (name.empty()) {
        return false;
    }
    page.prompt->setText("設定を、" + Decoded(name) + "に変更しますか？");
    return true;
}

// A name the file cannot hold is refused before anything is written, so a stored
// value never points at another file than the one chosen.
bool frmSetting::SaveFileChoice(const FilePage& page) {
    const std::string key = SelectedName(page.keys);
    const std::string name = SelectedName(page.files);
    if (key.empty()) {
        MsgBox(this, "設定項目が選択されていません。");
        return false;
    }
    if (name.empty()) {
        MsgBox(this, "ファイルが選択されていません。");
        return false;
    }
    if (!CanStoreFileName(name)) {
        MsgBox(this, "このファイル名は設定ファイルに書き込めません。");
        return false;
    }
    if (!Save(page.section, key, "\\" + name)) {
        return false;
    }
    page.prompt->setText("設定を、" + Decoded(name) + "に変更しました！");
    return true;
}

bool frmSetting::Stored(const std::string& section, const std::string& key,
                        const std::string& value) {
    basIniProc::WriteIni(section, key, value);
    return basIniProc::GetIni(section, key) == value;
}

bool frmSetting::Save(const std::string& section, const std::string& key,
                      const std::string& value) {
    if (Stored(section, key, value)) {
        return true;
    }
    MsgBox(this, "設定ファイルに書き込めませんでした。");
    return false;
}
