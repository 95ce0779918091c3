#include "chips/model_selection.h"

#include <QComboBox>

#include "chips/chip_catalogue.h"
#include "chips/chip_state.h"
#include "chips/hex_view.h"
#include "link/operation_controls.h"
#include "link/programmer_link.h"
#include "windows/dialogs.h"
#include "windows/texts.h"

namespace {
constexpr quint8 ChipSelect = 0xFA;
}

ModelSelection::ModelSelection(ChipState &state, QComboBox *chooser, HexView &view,
                               ProgrammerLink &link, OperationControls &controls, Dialogs &dialogs)
    : state_(state),
      Combo1(chooser),
      view_(view),
      link_(link),
      controls_(controls),
      dialogs_(dialogs) {}

QString ModelSelection::statusText(int k) {
    const ChipModel &model = ChipCatalogue::model(k);
    return Texts::ModelStatusBegin + QLatin1String(model.name) + Texts::ModelStatusMiddle +
           QString::number(model.capacity) + Texts::ModelStatusEnd;
}

void ModelSelection::select(int k) {
    apply(k, statusText(k));
}

bool ModelSelection::mayDiscardEdits() {
    if (!state_.UnsavedEdits)
        return true;
    const bool discard =
        dialogs_.message(Texts::DiscardEditsQuestion, Texts::QuestionTitle, Dialogs::Icon::Question,
                         Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    // An operation may have started while the question was open.
    return discard && !state_.operationRunning();
}

void ModelSelection::apply(int k, const QString &status) {
    if (state_.operationRunning() || !mayDiscardEdits()) {
        // The chooser may already show the new pick: put it back.
        Combo1->setCurrentIndex(state_.ChipCode);
        return;
    }
    Combo1->setCurrentIndex(k);
    const qint32 capacity = state_.ModelCapacity.at(static_cast<size_t>(k));
    state_.DataBuffer = QByteArray(capacity, '\xFF');
    state_.UnsavedEdits = false;
    view_.showpage();
    state_.BlockCount = ChipCatalogue::blockCount(capacity);
    state_.ChipCode = k;
    setStatus(status);
    // Last: other handlers run while the box is asked, and a selection or
    // load they make must not be overwritten once the answer is in.
    if (controls_.isOnline())
        sendxh();
}

void ModelSelection::Combo1_Click() {
    int k = Combo1->currentIndex();
    if (k < 0 || k >= ChipCatalogue::Model93C86)
        k = ChipCatalogue::Model93C86;
    select(k);
}

void ModelSelection::fnew_Click() {
    apply(0, Texts::NewFileStatus);
}

void ModelSelection::sendxh() {
    link_.setCommand(ChipSelect, {static_cast<quint8>(state_.ChipCode)});
    // The box shows the model on its display; its answer is checked by the
    // operations, which send the same frame again.
    link_.sendandread();
}
