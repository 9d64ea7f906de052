#pragma once

#include <QWidget>

// The game window: the table, its cards, labels and buttons.
class frmPoker : public QWidget {
    Q_OBJECT

public:
    explicit frmPoker(QWidget* parent = nullptr);

    // Windows virtual-key codes; a handled key is set to 0 so it goes no further.
    void Form_KeyDown(int& KeyCode, int Shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
};
