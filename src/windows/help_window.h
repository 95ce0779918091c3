#pragma once

#include <QWidget>

// Form4: ten fixed operating hints. Its button only hides it, so the next menu
// choice shows the same window; the title-bar close box destroys it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
};
