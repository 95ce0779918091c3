#pragma once

#include <QObject>
#include <QString>

class ChipBuffer;

// Choosing one of the fourteen models: from its menu item, from the chooser
// list or by "新建". Every selection starts a fresh buffer full of FFH; it is
// refused while a chip operation runs, and when the user keeps byte edits
// that the new buffer would discard (ChipBuffer::mayDiscard).
class ModelSelection : public QObject {
    Q_OBJECT

public:
    explicit ModelSelection(ChipBuffer &buffer, QObject *parent = nullptr);

    // Each returns false when the selection was refused.
    bool select(int k);
    // A pick in the chooser list; no pick or one past the end means the last model.
    bool choose(int listIndex);
    bool newFile();

    static QString statusText(int k);

signals:
    void statusChanged(const QString &text);
    // Model k is selected; the box is to be told.
    void selected(int k);

private:
    bool apply(int k, const QString &status);

    ChipBuffer &buffer_;
};
