#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "messages/dialogs.h"

class ChipBuffer;
class OnlineState;
class OnlineSupervision;
class OperationProgress;
class ProgrammerLink;

// Read, write, verify, erase, auto and the blank check. Each operation is a
// recipe: the same opening exchanges and the same block loop, with its own
// commands, messages and handling of the block data.
class ChipOperations : public QObject {
    Q_OBJECT

public:
    // How an operation ended, for a front end that reports more than boxes.
    enum class Outcome {
        Done,        // ran to its end
        NotStarted,  // something else holds the link, or the program is leaving;
                     // for the blank check also: the operations are off (offline)
        Declined,    // the user said No to the confirmation, or kept unsaved edits
        Mismatch,    // a verify found a byte that differs (VerifyPosition), a blank
                     // check one that is not FFH (NotBlankPosition)
        NoAnswer,    // the box stopped answering
        Refused,     // the box answered with another code
        Left,        // the user left the program meanwhile
        Stopped,     // stopAfterBlock() ended it between two blocks
    };

    ChipOperations(ChipBuffer &buffer, ProgrammerLink &link, Dialogs &dialogs, OnlineState &online,
                   OnlineSupervision &supervision, OperationProgress &progress,
                   QObject *parent = nullptr);

    Outcome read();
    Outcome write();  // after confirmation
    Outcome writechip();
    Outcome verify();
    Outcome erase();        // after confirmation
    Outcome autoProgram();  // after confirmation: write, then verify a whole write
    // "查空": reads the chip as the read does, into a buffer of its own, up to
    // the first byte that is not FFH. Done: blank; Mismatch: that byte is in
    // NotBlankPosition and NotBlankValue. Not started while the operations
    // are off (offline).
    Outcome blankCheck();
    // Tells the box the selected model, while online.
    void sendxh();
    // Ends the operation that runs, or the next one, after the block under
    // way: a command line's Ctrl+C. Nothing is said; the outcome tells.
    void stopAfterBlock() { stopRequested_ = true; }
    // Forgets a stop that came too late for the operation it was meant for
    // (during its last block), so that it does not end the next one.
    void cancelStop() { stopRequested_ = false; }

    // The text naming the first difference found by a verify.
    static QString differenceReport(qint32 position, quint8 pcByte, quint8 chipByte);
    // The text naming the first byte a blank check found not FFH.
    static QString notBlankReport(qint32 position, quint8 chipByte);
    // Panel 1's text after a read: the chip the buffer came from.
    static QString readStatus(int code);

    // The last operation got past its opening exchanges to its blocks: a
    // write that failed from there on may have changed the chip.
    bool reachedBlocks() const { return reachedBlocks_; }

signals:
    // An operation ended by stopAfterBlock(): how far it got and what that
    // leaves behind ("已停止：完成 329/8192 块。…").
    void stopped(const QString &report);
    // A read succeeded: what panel 1 says of the buffer now.
    void statusChanged(const QString &text);

public:
    // The state of the operation that runs or ran last.
    QByteArray VerifyBuffer;
    qint32 BlockIndex = 0;
    qint32 VerifyPosition = 0;
    bool VerifyPassed = false;
    bool AutoMode = false;
    // The first byte that the last blank check that started found not FFH;
    // -1 when it found none (blank, or ended before one).
    qint32 NotBlankPosition = -1;
    quint8 NotBlankValue = 0xFF;

private:
    struct Message {
        QString text;
        QString title;
        Dialogs::Icon icon;
    };
    // What a failure shows, and whether it ends through the link failure path
    // (indicator offline) or as a finished operation (controls enabled again).
    struct Reaction {
        QList<Message> messages;
        bool linkLost = false;
    };
    struct Recipe {
        quint8 openCommand = 0;
        quint8 openReply = 0;
        quint8 blockCommand = 0;
        bool disableBeforeProgress = false;
        Reaction openFailed;   // no answer or a wrong code to open or chip select
        Reaction openRefused;  // only where it differs from openFailed
        Reaction blockNoAnswer;
        Reaction blockRefused;
        QString successText;
        QString autoSuccessText;  // empty: silent in auto
        QString stoppedText;      // what a stop leaves behind; %1: the bytes done
        std::function<void()> prepare;
        std::function<QByteArrayView(qint32 block)> blockData;  // 8 bytes for a write
        std::function<bool(qint32 block)> takeReply;            // false ends the loop
        std::function<void()> commit;
    };

    bool canStart() const;
    Outcome confirmAndWrite();

    // The chip block by block into `target`: the read and the verify.
    Recipe readingRecipe(QByteArray &target);
    Recipe readRecipe();
    Recipe writeRecipe();
    Recipe verifyRecipe();
    Recipe eraseRecipe();
    Recipe blankRecipe();

    Outcome run(const Recipe &recipe);
    Outcome stop(const Recipe &recipe, qint32 blocksDone);
    // Outcome::Done when the reply came and carried the expected code.
    Outcome exchange(quint8 expectedReply, const Reaction &noAnswer, const Reaction &refused);
    void react(const Reaction &reaction);
    void finish();
    void opfailed();

    static Message hintWarning();

    ChipBuffer &buffer_;
    ProgrammerLink &link_;
    Dialogs &dialogs_;
    OnlineState &online_;
    OnlineSupervision &supervision_;
    OperationProgress &progress_;
    QByteArray readBuffer_;
    bool stopRequested_ = false;
    bool reachedBlocks_ = false;
};
