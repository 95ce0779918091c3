#pragma once

#include <QWidget>

// Form3: the maker's picture and profile. Its button only hides it, so the
// next menu choice shows the same window; the title-bar close box destroys it.
class CompanyWindow : public QWidget {
    Q_OBJECT
public:
    explicit CompanyWindow(QWidget *parent = nullptr);
};
