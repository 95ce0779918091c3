#include "hexview/mark_steps.h"

#include <QAction>

#include "chips/byte_marks.h"
#include "hexview/hex_cursor.h"
#include "hexview/hex_view.h"
#include "messages/hexview_texts.h"

MarkSteps::MarkSteps(const ByteMarks &marks, HexCursor &cursor, const HexView &view,
                     QObject *parent)
    : QObject(parent),
      marks_(marks),
      cursor_(cursor),
      view_(view),
      next_(new QAction(Texts::NextDifference(), this)),
      previous_(new QAction(Texts::PreviousDifference(), this)) {
    next_->setObjectName(QStringLiteral("fnextdiff"));
    previous_->setObjectName(QStringLiteral("fprevdiff"));
    // As in the common compare tools; no key of the window's own menus.
    next_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    previous_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    connect(next_, &QAction::triggered, this, &MarkSteps::next);
    connect(previous_, &QAction::triggered, this, &MarkSteps::previous);
    connect(&marks_, &ByteMarks::changed, this, &MarkSteps::offer);
    connect(&marks_, &ByteMarks::changedIn, this, &MarkSteps::offer);
    offer();
}

void MarkSteps::offer() {
    next_->setEnabled(!marks_.isEmpty());
    previous_->setEnabled(!marks_.isEmpty());
}

qint32 MarkSteps::from() const {
    return cursor_.position() >= 0 ? cursor_.position()
                                   : view_.CurrentPage * HexPageModel::PageSize - 1;
}

void MarkSteps::next() {
    qint32 at = marks_.next(from());
    if (at < 0)
        at = marks_.next(-1);
    if (at >= 0)
        cursor_.moveTo(at);
}

void MarkSteps::previous() {
    // Without a cursor, the first byte of the page counts as the cursor.
    const qint32 start = cursor_.position() >= 0 ? cursor_.position() : from() + 1;
    qint32 at = marks_.previous(start);
    if (at < 0)
        at = marks_.previous(INT_MAX);
    if (at >= 0)
        cursor_.moveTo(at);
}
