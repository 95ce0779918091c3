#include "operations/chip_operations.h"

#include <utility>

#include "chips/chip_buffer.h"
#include "chips/chip_catalogue.h"
#include "link/online_state.h"
#include "link/online_supervision.h"
#include "link/programmer_link.h"
#include "link/protocol.h"
#include "messages/texts.h"
#include "operations/operation_progress.h"
#include "operations/operation_scope.h"

namespace {
using namespace Protocol;
constexpr char Erased[BlockSize] = {'\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF'};
}  // namespace

ChipOperations::ChipOperations(ChipBuffer &buffer, ProgrammerLink &link, Dialogs &dialogs,
                               OnlineState &online, OnlineSupervision &supervision,
                               OperationProgress &progress, QObject *parent)
    : QObject(parent),
      VerifyBuffer(ChipCatalogue::model(0).capacity, '\0'),
      buffer_(buffer),
      link_(link),
      dialogs_(dialogs),
      online_(online),
      supervision_(supervision),
      progress_(progress) {}

QString ChipOperations::differenceReport(qint32 position, quint8 pcByte, quint8 chipByte) {
    return Texts::DiffReport().arg(
        QStringLiteral("%1").arg(position, 4, 16, QLatin1Char('0')).toUpper(),
        QString::number(pcByte, 16).toUpper(), QString::number(chipByte, 16).toUpper());
}

QString ChipOperations::notBlankReport(qint32 position, quint8 chipByte) {
    return Texts::NotBlankReport().arg(
        QStringLiteral("%1").arg(position, 4, 16, QLatin1Char('0')).toUpper(),
        QStringLiteral("%1").arg(chipByte, 2, 16, QLatin1Char('0')).toUpper());
}

QString ChipOperations::readStatus(int code) {
    const ChipModel &model = ChipCatalogue::model(code);
    return Texts::ReadStatus().arg(QLatin1String(model.name)).arg(model.capacity);
}

ChipOperations::Message ChipOperations::hintWarning() {
    return {Texts::FailureHint(), Texts::WarningTitle(), Dialogs::Icon::Warning};
}

bool ChipOperations::canStart() const {
    // Clicks that fall while another exchange waits (the periodic check, say)
    // are dropped: starting now would flush that exchange's reply.
    return link_.mayStart(ProgrammerLink::Use::Operation);
}

// --- The recipes ----------------------------------------------------------

ChipOperations::Recipe ChipOperations::readingRecipe(QByteArray &target) {
    Recipe r;
    r.openCommand = ReadOpen;
    r.openReply = ReadOpened;
    r.blockCommand = BlockRead;
    r.prepare = [this, &target] {
        target = QByteArray((buffer_.BlockCount() + 1) * BlockSize, '\0');
    };
    r.takeReply = [this, &target](qint32 block) {
        target.replace(block * BlockSize, BlockSize,
                       QByteArrayView(link_.ReplyFrame.constData() + 1, BlockSize));
        return true;
    };
    return r;
}

ChipOperations::Recipe ChipOperations::readRecipe() {
    // The chip is read into a buffer of its own: a read that fails half-way
    // leaves the user's buffer as it was.
    Recipe r = readingRecipe(readBuffer_);
    r.openFailed = {{}, true};
    r.openRefused = {{hintWarning()}, false};
    r.blockNoAnswer = {{}, true};
    r.blockRefused = {
        {{Texts::ReadBlockFailed(), Texts::WarningTitle(), Dialogs::Icon::Warning}, hintWarning()},
        false};
    r.successText = Texts::ReadSucceeded();
    r.stoppedText = Texts::StoppedRead();
    r.commit = [this] {
        buffer_.replace(readBuffer_);
        readBuffer_.clear();
        emit statusChanged(readStatus(buffer_.ChipCode()));
    };
    return r;
}

ChipOperations::Recipe ChipOperations::writeRecipe() {
    Recipe r;
    r.openCommand = WriteOpen;
    r.openReply = WriteOpened;
    r.blockCommand = BlockWrite;
    r.openFailed = r.openRefused = r.blockNoAnswer = {{hintWarning()}, false};
    r.blockRefused = {{{Texts::WriteBlockFailed(), Texts::WarningTitle(), Dialogs::Icon::Warning}},
                      false};
    r.successText = Texts::WriteSucceeded();
    r.stoppedText = AutoMode ? Texts::StoppedAutoWrite() : Texts::StoppedWrite();
    r.blockData = [this](qint32 block) {
        return QByteArrayView(buffer_.DataBuffer()).sliced(block * BlockSize, BlockSize);
    };
    r.commit = [this] { buffer_.markSaved(); };
    return r;
}

ChipOperations::Recipe ChipOperations::eraseRecipe() {
    Recipe r = writeRecipe();
    r.disableBeforeProgress = true;
    r.blockRefused = r.blockNoAnswer;
    r.successText = Texts::EraseSucceeded();
    r.stoppedText = Texts::StoppedErase();
    r.blockData = [](qint32) { return QByteArrayView(Erased, BlockSize); };
    r.commit = nullptr;
    return r;
}

ChipOperations::Recipe ChipOperations::blankRecipe() {
    // The read's exchanges and its handling of every fault; the blocks go to
    // the read's own buffer and never into DataBuffer.
    Recipe r = readRecipe();
    r.successText = Texts::BlankSucceeded();
    r.stoppedText = Texts::StoppedBlank();
    r.takeReply = [this, store = r.takeReply](qint32 block) {
        store(block);
        const qint32 first = block * BlockSize;
        for (qint32 at = first; at < first + BlockSize; ++at) {
            const auto chip = static_cast<quint8>(readBuffer_.at(at));
            if (chip != 0xFF) {
                NotBlankPosition = at;
                NotBlankValue = chip;
                readBuffer_.clear();
                progress_.showNow();
                dialogs_.warning(notBlankReport(at, chip));
                return false;
            }
        }
        return true;
    };
    r.commit = [this] { readBuffer_.clear(); };
    return r;
}

ChipOperations::Recipe ChipOperations::verifyRecipe() {
    Recipe r = readingRecipe(VerifyBuffer);
    r.openFailed = r.openRefused = {{hintWarning()}, false};
    r.blockNoAnswer = {{{Texts::FailureHint(), Texts::AppTitle(), Dialogs::Icon::None}}, false};
    r.blockRefused = {{{Texts::VerifyBlockFailed() + Texts::FailureHint(), Texts::WarningTitle(),
                        Dialogs::Icon::Warning}},
                      false};
    r.successText = Texts::VerifySucceeded();
    r.autoSuccessText = Texts::AutoSucceeded();
    r.stoppedText = AutoMode ? Texts::StoppedAutoVerify() : Texts::StoppedVerify();
    // Each block is compared as soon as it is in; the first difference ends
    // the verify.
    r.takeReply = [this, store = r.takeReply](qint32 block) {
        store(block);
        const qint32 first = block * BlockSize;
        for (VerifyPosition = first; VerifyPosition < first + BlockSize; ++VerifyPosition) {
            const auto chip = static_cast<quint8>(VerifyBuffer.at(VerifyPosition));
            const quint8 pc = buffer_.at(VerifyPosition);
            if (chip != pc) {
                progress_.showNow();
                dialogs_.warning(differenceReport(VerifyPosition, pc, chip));
                VerifyPassed = false;
                return false;
            }
            VerifyPassed = true;
        }
        return true;
    };
    return r;
}

// --- The shared sequence --------------------------------------------------

ChipOperations::Outcome ChipOperations::run(const Recipe &recipe) {
    // A stop ends one operation, not every one after it.
    if (std::exchange(stopRequested_, false))
        return stop(recipe, 0);
    OperationScope running(buffer_, link_);
    BlockIndex = 0;
    reachedBlocks_ = false;
    link_.port().clearBuffers();
    if (recipe.disableBeforeProgress) {
        online_.disableops();
        progress_.start();
    } else {
        progress_.start();
        online_.disableops();
    }

    link_.setCommand(recipe.openCommand);
    Outcome outcome = exchange(recipe.openReply, recipe.openFailed, recipe.openRefused);
    if (outcome != Outcome::Done)
        return outcome;
    link_.setCommand(ChipSelect, {static_cast<quint8>(buffer_.ChipCode())});
    outcome = exchange(ChipSelected, recipe.openFailed, recipe.openRefused);
    if (outcome != Outcome::Done)
        return outcome;

    if (recipe.prepare)
        recipe.prepare();
    reachedBlocks_ = true;
    const qint32 code = buffer_.ChipCode();
    for (BlockIndex = 0; BlockIndex <= buffer_.BlockCount();) {
        link_.setBlockCommand(recipe.blockCommand, ChipCatalogue::blockAddress(code, BlockIndex),
                              recipe.blockData ? recipe.blockData(BlockIndex) : QByteArrayView());
        outcome = exchange(BlockDone, recipe.blockNoAnswer, recipe.blockRefused);
        if (outcome != Outcome::Done)
            return outcome;
        if (recipe.takeReply && !recipe.takeReply(BlockIndex)) {
            finish();
            return Outcome::Mismatch;
        }
        ++BlockIndex;
        progress_.blockDone(BlockIndex - 1, buffer_.BlockCount());
        if (stopRequested_ && BlockIndex <= buffer_.BlockCount()) {
            stopRequested_ = false;
            finish();
            return stop(recipe, BlockIndex);
        }
    }

    progress_.hide();
    if (recipe.commit)
        recipe.commit();
    const QString success = AutoMode ? recipe.autoSuccessText : recipe.successText;
    if (!success.isEmpty())
        dialogs_.information(success);
    finish();
    return Outcome::Done;
}

ChipOperations::Outcome ChipOperations::stop(const Recipe &recipe, qint32 blocksDone) {
    emit stopped(Texts::Stopped().arg(blocksDone).arg(buffer_.BlockCount() + 1) +
                 recipe.stoppedText.arg(blocksDone * BlockSize));
    return Outcome::Stopped;
}

ChipOperations::Outcome ChipOperations::exchange(quint8 expectedReply, const Reaction &noAnswer,
                                                 const Reaction &refused) {
    if (!link_.sendandread()) {
        react(noAnswer);
        return link_.QuitRequested ? Outcome::Left : Outcome::NoAnswer;
    }
    if (link_.replyCode() != expectedReply) {
        react(refused);
        return Outcome::Refused;
    }
    return Outcome::Done;
}

void ChipOperations::react(const Reaction &reaction) {
    // Leaving the program: say nothing more, send nothing more.
    if (link_.QuitRequested)
        return;
    // The box must not stand over a display that is behind the facts.
    progress_.showNow();
    for (const Message &message : reaction.messages)
        dialogs_.message(message.text, message.title, message.icon, Dialogs::Buttons::Ok);
    if (reaction.linkLost)
        opfailed();
    else
        finish();
}

void ChipOperations::opfailed() {
    supervision_.opfailed();
    progress_.hide();
}

void ChipOperations::finish() {
    online_.enableops();
    progress_.hide();
}

// --- The commands -----------------------------------------------------------

ChipOperations::Outcome ChipOperations::read() {
    if (!canStart())
        return Outcome::NotStarted;
    if (!buffer_.mayDiscard())
        return Outcome::Declined;
    // Something else may have taken the link while the question was open.
    return canStart() ? run(readRecipe()) : Outcome::NotStarted;
}

ChipOperations::Outcome ChipOperations::write() {
    return canStart() ? confirmAndWrite() : Outcome::NotStarted;
}

ChipOperations::Outcome ChipOperations::confirmAndWrite() {
    return dialogs_.confirm(Texts::WriteConfirm()) ? writechip() : Outcome::Declined;
}

ChipOperations::Outcome ChipOperations::writechip() {
    return run(writeRecipe());
}

ChipOperations::Outcome ChipOperations::verify() {
    return canStart() ? run(verifyRecipe()) : Outcome::NotStarted;
}

ChipOperations::Outcome ChipOperations::erase() {
    if (!canStart())
        return Outcome::NotStarted;
    return dialogs_.confirm(Texts::EraseConfirm()) ? run(eraseRecipe()) : Outcome::Declined;
}

ChipOperations::Outcome ChipOperations::autoProgram() {
    if (!canStart())
        return Outcome::NotStarted;
    if (!dialogs_.confirm(Texts::AutoConfirm()))
        return Outcome::Declined;
    OperationScope running(buffer_, link_);
    AutoMode = true;
    // Only a write that ran to its end is verified: a declined or failed one
    // must never end in the combined success text.
    Outcome outcome = confirmAndWrite();
    if (outcome == Outcome::Done)
        outcome = link_.QuitRequested ? Outcome::Left : run(verifyRecipe());
    AutoMode = false;
    return outcome;
}

ChipOperations::Outcome ChipOperations::blankCheck() {
    // Offline the menu is locked; a front end without one is refused here.
    if (!online_.operationsEnabled() || !canStart())
        return Outcome::NotStarted;
    NotBlankPosition = -1;
    NotBlankValue = 0xFF;
    return run(blankRecipe());
}

void ChipOperations::sendxh() {
    if (!online_.isOnline())
        return;
    link_.setCommand(ChipSelect, {static_cast<quint8>(buffer_.ChipCode())});
    // The box shows the model on its display; its answer is checked by the
    // operations, which send the same frame again.
    link_.sendandread();
}
