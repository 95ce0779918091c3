#include "operations/chip_operations.h"

#include <algorithm>

#include "chips/chip_catalogue.h"
#include "chips/chip_state.h"
#include "link/operation_controls.h"
#include "link/programmer_link.h"
#include "operations/progress_display.h"
#include "windows/texts.h"

namespace {
constexpr int BlockSize = 8;
}

ChipOperations::ChipOperations(ChipState &state, ProgrammerLink &link, Dialogs &dialogs,
                               OperationControls &controls, ProgressDisplay &progress,
                               const QString &failureHint)
    : state_(state),
      link_(link),
      dialogs_(dialogs),
      controls_(controls),
      progress_(progress),
      failureHint_(failureHint) {}

QString ChipOperations::differenceReport(qint32 position, quint8 pcByte, quint8 chipByte) {
    return Texts::DiffBegin + Texts::DiffPosition +
           QStringLiteral("%1").arg(position, 4, 16, QLatin1Char('0')).toUpper() +
           Texts::DiffPcData + QString::number(pcByte, 16).toUpper() + Texts::DiffChipData +
           QString::number(chipByte, 16).toUpper() + Texts::DiffEnd;
}

ChipOperations::Message ChipOperations::hintWarning() const {
    return {failureHint_, Texts::WarningTitle, Dialogs::Icon::Warning};
}

bool ChipOperations::canStart() const {
    // Clicks that fall while another exchange waits (the periodic check, say)
    // are dropped: starting now would flush that exchange's reply.
    return !state_.operationRunning() && !link_.busy() && !link_.QuitRequested;
}

// --- The recipes ----------------------------------------------------------

ChipOperations::Recipe ChipOperations::readingRecipe(QByteArray &target) {
    Recipe r;
    r.openCommand = ReadOpen;
    r.openReply = ReadOpened;
    r.blockCommand = BlockRead;
    r.prepare = [this, &target] { target = QByteArray((state_.BlockCount + 1) * BlockSize, '\0'); };
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
        {{Texts::ReadBlockFailed, Texts::WarningTitle, Dialogs::Icon::Warning}, hintWarning()},
        false};
    r.successText = Texts::ReadSucceeded;
    r.commit = [this] {
        state_.DataBuffer = readBuffer_;
        state_.UnsavedEdits = false;
        readBuffer_.clear();
        showpage();
    };
    return r;
}

ChipOperations::Recipe ChipOperations::writeRecipe() {
    Recipe r;
    r.openCommand = WriteOpen;
    r.openReply = WriteOpened;
    r.blockCommand = BlockWrite;
    r.openFailed = r.openRefused = r.blockNoAnswer = {{hintWarning()}, false};
    r.blockRefused = {{{Texts::WriteBlockFailed, Texts::WarningTitle, Dialogs::Icon::Warning}},
                      false};
    r.successText = Texts::WriteSucceeded;
    r.blockData = [this](qint32 block) {
        return state_.DataBuffer.mid(block * BlockSize, BlockSize);
    };
    r.commit = [this] { state_.UnsavedEdits = false; };
    return r;
}

ChipOperations::Recipe ChipOperations::eraseRecipe() {
    Recipe r = writeRecipe();
    r.disableBeforeProgress = true;
    r.blockRefused = r.blockNoAnswer;
    r.successText = Texts::EraseSucceeded;
    r.blockData = [](qint32) { return QByteArray(BlockSize, '\xFF'); };
    r.commit = nullptr;
    return r;
}

ChipOperations::Recipe ChipOperations::verifyRecipe() {
    Recipe r = readingRecipe(state_.VerifyBuffer);
    r.openFailed = r.openRefused = {{hintWarning()}, false};
    r.blockNoAnswer = {{{failureHint_, Texts::AppTitle, Dialogs::Icon::None}}, false};
    r.blockRefused = {
        {{Texts::VerifyBlockFailed + failureHint_, Texts::WarningTitle, Dialogs::Icon::Warning}},
        false};
    r.successText = Texts::VerifySucceeded;
    r.autoSuccessText = Texts::AutoSucceeded;
    // Each block is compared as soon as it is in; the first difference ends
    // the verify.
    r.takeReply = [this, store = r.takeReply](qint32 block) {
        store(block);
        const qint32 first = block * BlockSize;
        for (state_.VerifyPosition = first; state_.VerifyPosition < first + BlockSize;
             ++state_.VerifyPosition) {
            const auto chip = static_cast<quint8>(state_.VerifyBuffer.at(state_.VerifyPosition));
            const auto pc = static_cast<quint8>(state_.DataBuffer.at(state_.VerifyPosition));
            if (chip != pc) {
                progress_.paintPending();
                dialogs_.warning(differenceReport(state_.VerifyPosition, pc, chip));
                state_.VerifyPassed = false;
                return false;
            }
            state_.VerifyPassed = true;
        }
        return true;
    };
    return r;
}

// --- The shared sequence --------------------------------------------------

bool ChipOperations::run(const Recipe &recipe) {
    OperationScope running(state_);
    link_.port().clearBuffers();
    if (recipe.disableBeforeProgress) {
        controls_.disableops();
        progress_.start();
    } else {
        progress_.start();
        controls_.disableops();
    }

    link_.setCommand(recipe.openCommand);
    if (!exchange(recipe.openReply, recipe.openFailed, recipe.openRefused))
        return false;
    link_.setCommand(ChipSelect, {static_cast<quint8>(state_.ChipCode)});
    if (!exchange(ChipSelected, recipe.openFailed, recipe.openRefused))
        return false;

    if (recipe.prepare)
        recipe.prepare();
    for (state_.BlockIndex = 0; state_.BlockIndex <= state_.BlockCount;) {
        const quint16 address = ChipCatalogue::blockAddress(state_.ChipCode, state_.BlockIndex);
        char parameters[2 + BlockSize + 1] = {static_cast<char>(address >> 8),
                                              static_cast<char>(address & 0xFF)};
        qsizetype length = 2;
        if (recipe.blockData) {
            const QByteArray data = recipe.blockData(state_.BlockIndex);
            std::copy_n(data.constData(), qMin<qsizetype>(data.size(), BlockSize), parameters + 2);
            parameters[2 + BlockSize] = '\xFF';
            length = sizeof parameters;
        }
        link_.setCommand(recipe.blockCommand, QByteArrayView(parameters, length));
        if (!exchange(BlockDone, recipe.blockNoAnswer, recipe.blockRefused))
            return false;
        if (recipe.takeReply && !recipe.takeReply(state_.BlockIndex)) {
            finish();
            return false;
        }
        ++state_.BlockIndex;
        progress_.blockDone(state_.BlockIndex - 1, state_.BlockCount);
    }

    progress_.hide();
    if (recipe.commit)
        recipe.commit();
    const QString success = state_.AutoMode ? recipe.autoSuccessText : recipe.successText;
    if (!success.isEmpty())
        dialogs_.information(success);
    finish();
    return true;
}

bool ChipOperations::exchange(quint8 expectedReply, const Reaction &noAnswer,
                              const Reaction &refused) {
    if (!link_.sendandread()) {
        react(noAnswer);
        return false;
    }
    if (link_.replyCode() != expectedReply) {
        react(refused);
        return false;
    }
    return true;
}

void ChipOperations::react(const Reaction &reaction) {
    // Leaving the program: say nothing more, send nothing more.
    if (link_.QuitRequested)
        return;
    // The box must not stand over a display that is behind the facts.
    progress_.paintPending();
    for (const Message &message : reaction.messages)
        dialogs_.message(message.text, message.title, message.icon, Dialogs::Buttons::Ok);
    if (reaction.linkLost)
        opfailed();
    else
        finish();
}

void ChipOperations::finish() {
    controls_.enableops();
    progress_.hide();
}

// --- The commands -----------------------------------------------------------

void ChipOperations::cread_Click() {
    if (canStart())
        run(readRecipe());
}

void ChipOperations::Command7_Click() {
    if (canStart())
        confirmAndWrite();
}

bool ChipOperations::confirmAndWrite() {
    return dialogs_.confirm(Texts::WriteConfirm) && writechip();
}

bool ChipOperations::writechip() {
    return run(writeRecipe());
}

void ChipOperations::Command8_Click() {
    if (canStart())
        run(verifyRecipe());
}

void ChipOperations::Command9_Click() {
    if (canStart() && dialogs_.confirm(Texts::EraseConfirm))
        run(eraseRecipe());
}

void ChipOperations::Command10_Click() {
    if (!canStart() || !dialogs_.confirm(Texts::AutoConfirm))
        return;
    OperationScope running(state_);
    state_.AutoMode = true;
    // Only a write that ran to its end is verified: a declined or failed one
    // must never end in the combined success text.
    if (confirmAndWrite() && !link_.QuitRequested)
        run(verifyRecipe());
    state_.AutoMode = false;
}
