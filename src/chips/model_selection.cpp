#include "chips/model_selection.h"

#include "chips/chip_buffer.h"
#include "chips/chip_catalogue.h"
#include "messages/texts.h"

ModelSelection::ModelSelection(ChipBuffer &buffer, QObject *parent)
    : QObject(parent), buffer_(buffer) {}

QString ModelSelection::statusText(int k) {
    const ChipModel &model = ChipCatalogue::model(k);
    return Texts::ModelStatus().arg(QLatin1String(model.name)).arg(model.capacity);
}

bool ModelSelection::select(int k) {
    return apply(k, statusText(k));
}

bool ModelSelection::choose(int listIndex) {
    int k = listIndex;
    if (k < 0 || k >= ChipCatalogue::Model93C86)
        k = ChipCatalogue::Model93C86;
    return select(k);
}

bool ModelSelection::newFile() {
    return apply(0, Texts::NewFileStatus());
}

bool ModelSelection::apply(int k, const QString &status) {
    // An operation may have started while the question was open.
    if (buffer_.locked() || !buffer_.mayDiscard() || buffer_.locked())
        return false;
    buffer_.selectModel(k);
    emit statusChanged(status);
    // Last: other handlers run while the box is told, and a selection or a
    // load they make must not be overwritten once the answer is in.
    emit selected(k);
    return true;
}
