#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// The start-up window: online or offline use. It stays loaded, hidden, for the
// whole run, because the periodic check reads its choice.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    // Loads and shows the main window; runs the start-up search in online use.
    std::function<void()> showMainWindow = [] {};

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    bool lianjibiaozhi = false;

    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Label4;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool starting_ = false;
};
