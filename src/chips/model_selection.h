#pragma once

#include <QPointer>
#include <QString>
#include <functional>

struct ChipState;
class Dialogs;
class HexView;
class OperationControls;
class ProgrammerLink;
class QComboBox;

// Choosing one of the fourteen models: from its menu item, from Combo1 or by
// "新建". Every selection starts a fresh buffer full of FFH.
class ModelSelection {
public:
    ModelSelection(ChipState &state, QComboBox *chooser, HexView &view, ProgrammerLink &link,
                   OperationControls &controls, Dialogs &dialogs);

    std::function<void(const QString &)> setStatus = [](const QString &) {};

    // Selects model k; ignored while a chip operation runs, and when the user
    // keeps byte edits that a new buffer would discard.
    void select(int k);
    void Combo1_Click();
    void fnew_Click();
    // Tells the box the selected model.
    void sendxh();

    static QString statusText(int k);

private:
    void apply(int k, const QString &status);
    bool mayDiscardEdits();

    ChipState &state_;
    QPointer<QComboBox> Combo1;
    HexView &view_;
    ProgrammerLink &link_;
    OperationControls &controls_;
    Dialogs &dialogs_;
};
