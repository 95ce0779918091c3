#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// The background of each set of marked bytes, in the order the sets were
// added, with the words that name it in a legend. Behind text it is shown
// shaded where needed, so that the text keeps its contrast under any
// palette; the light palette shows the colours as given.
class MarkPalette {
public:
    void add(const QColor &colour, const QString &legend);
    int size() const { return int(colours_.size()); }
    // Set n, from 1.
    const QString &legend(int n) const { return legends_.at(n - 1); }
    QColor behind(int n, const QColor &text) const;

private:
    QList<QColor> colours_;
    QStringList legends_;
    // The colours shown behind the last text colour asked for.
    mutable QColor text_;
    mutable QList<QColor> shown_;
};
