#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;

// The settings dialog: the file of every sound and card picture, the game speed and
// the table colour, each written to Poker.ini at once and used from the next start.
//
// Like the game window, its controls and handlers are open so that tests drive them
// directly. Handlers are spread over files by page: frmSetting.cpp (pages and
// lifecycle), _Sound, _Card (with the registration of a whole suit), _Etc.
class frmSetting : public QDialog {
    Q_OBJECT

  public:
    explicit frmSetting(QWidget* parent = nullptr);

    // ---- Controls ----------------------------------------------------------------
    std::array<QPushButton*, 3> cmdSelectSet{};
    QLabel* lblNextGame = nullptr;
    std::array<QLabel*, 2> lblKeikoku{};
    std::array<QLabel*, 2> lblSetumei{};

    QFrame* freSound = nullptr;
    QLabel* lblSoundPath = nullptr;
    QListWidget* lstSoundKey = nullptr;
    QLabel* lblNowSound = nullptr;
    QListWidget* filSound = nullptr;
    QLabel* lblSoundSetting = nullptr;
    QPushButton* cmdSoundSet = nullptr;
    QPushButton* cmdSoundTest = nullptr;
    QPushButton* cmdSoundStop = nullptr;

    QFrame* freCard = nullptr;
    QLabel* lblCardPath = nullptr;
    QListWidget* lstCardKey = nullptr;
    QLabel* lblNowCard = nullptr;
    QListWidget* filCard = nullptr;
    QLabel* lblCardSetting = nullptr;
    QLabel* imgSample = nullptr;
    QPushButton* cmdCardSet = nullptr;

    QFrame* freEtc = nullptr;
    QLabel* lblNowSpeed = nullptr;
    QComboBox* cmbSpeed = nullptr;
    QLabel* lblSpeedSetting = nullptr;
    QPushButton* cmdSpeedSet = nullptr;
    std::array<QComboBox*, 3> cmbRGB{};
    QPushButton* cmdColorCheck = nullptr;
    std::array<QLabel*, 4> lblCheckColor{};
    QPushButton* cmdSetColor = nullptr;
    QLabel* lblColorSetting = nullptr;

    // ---- Lifecycle and pages -----------------------------------------------------
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void cmdSelectSet_Click(int Index);

    // ---- Sound page (frmSetting_Sound.cpp) ---------------------------------------
    void lstSoundKey_Click();
    void filSound_Click();
    void cmdSoundSet_Click();
    void cmdSoundTest_Click();
    void cmdSoundStop_Click();

    // ---- Card page (frmSetting_Card.cpp) -----------------------------------------
    void lstCardKey_Click();
    void filCard_Click();
    void cmdCardSet_Click();

    // ---- Other settings (frmSetting_Etc.cpp) -------------------------------------
    void cmdSpeedSet_Click();
    void cmdColorCheck_Click();
    void cmdSetColor_Click();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Every way out (close box, Esc) passes here.
    void done(int result) override;

  private:
    // A button is disabled while its click runs. Disabling passes the focus on (to
    // テスト, or to a colour box), so the button that had it takes it back, and a
    // second Space saves again rather than doing something else.
    class DisabledWhileRunning {
      public:
        explicit DisabledWhileRunning(QPushButton* button);
        ~DisabledWhileRunning();
        DisabledWhileRunning(const DisabledWhileRunning&) = delete;
        DisabledWhileRunning& operator=(const DisabledWhileRunning&) = delete;

      private:
        QPushButton* button_;
        bool focused_;
    };

    QFrame* CreateSoundPage();
    QFrame* CreateCardPage();
    QFrame* CreateEtcPage();
    QPushButton* AddButton(const QString& caption, void (frmSetting::*handler)());
    QListWidget* AddList(void (frmSetting::*handler)());

    void OpenEtcPage();

    // What the two file pages share: where their files are, and their controls.
    struct FilePage {
        const char* section;
        const char* folderName;
        const char* pattern;
        QString emptyWarning;
        std::vector<std::string> keyNames;
        void (frmSetting::*keyClick)();
        void (frmSetting::*fileClick)();
        bool preview;
        QLabel* path = nullptr;
        QLabel* warning = nullptr;
        QListWidget* keys = nullptr;
        QLabel* description = nullptr;
        QLabel* current = nullptr;
        QListWidget* files = nullptr;
        QLabel* prompt = nullptr;
    };
    FilePage soundPage_{};
    FilePage cardPage_{};
    // Makes the page's controls; `beside` (the card preview) stands right of the lists.
    QFrame* CreateFilePage(FilePage& page, const QString& heading, const QString& instruction,
                           const QString& keysTitle, QWidget* beside,
                           std::initializer_list<QWidget*> buttons);
    void OpenFilePage(const FilePage& page);
    void ShowKey(const FilePage& page);
    bool ShowFileChoice(const FilePage& page);
    bool SaveFileChoice(const FilePage& page);

    void ShowSample(const std::string& fileName);
    void RegisterSuit(const std::string& key, const std::string& fileName);

    // Writes one value and reads it back: a file that could not be written is
    // reported, never a change that did not happen. Save shows the report itself.
    static bool Stored(const std::string& section, const std::string& key,
                       const std::string& value);
    bool Save(const std::string& section, const std::string& key, const std::string& value);
};
