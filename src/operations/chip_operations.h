#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "windows/dialogs.h"

struct ChipState;
class OperationControls;
class ProgrammerLink;
class ProgressDisplay;

// Read, write, verify, erase and auto. Each operation is a recipe: the same
// opening exchanges and the same block loop, with its own commands, messages
// and handling of the block data.
class ChipOperations {
public:
    // Command and reply codes of the box.
    static constexpr quint8 ReadOpen = 0xFC, ReadOpened = 0xFB;
    static constexpr quint8 WriteOpen = 0xDC, WriteOpened = 0xDB;
    static constexpr quint8 ChipSelect = 0xFA, ChipSelected = 0xF9;
    static constexpr quint8 BlockRead = 0xF8, BlockWrite = 0xD8, BlockDone = 0xF6;

    ChipOperations(ChipState &state, ProgrammerLink &link, Dialogs &dialogs,
                   OperationControls &controls, ProgressDisplay &progress,
                   const QString &failureHint);

    // The link failure path (indicator offline) and the hex view's redraw.
    std::function<void()> opfailed = [] {};
    std::function<void()> showpage = [] {};

    void cread_Click();
    void Command7_Click();   // write, after confirmation
    bool writechip();        // true when every block was written
    void Command8_Click();   // verify
    void Command9_Click();   // erase, after confirmation
    void Command10_Click();  // auto: write then verify

    // The text naming the first difference found by a verify.
    static QString differenceReport(qint32 position, quint8 pcByte, quint8 chipByte);

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
        std::function<void()> prepare;
        std::function<QByteArray(qint32 block)> blockData;  // 8 bytes for a write
        std::function<bool(qint32 block)> takeReply;        // false ends the loop
        std::function<void()> commit;
    };

    bool canStart() const;
    bool confirmAndWrite();

    // The chip block by block into `target`: the read and the verify.
    Recipe readingRecipe(QByteArray &target);
    Recipe readRecipe();
    Recipe writeRecipe();
    Recipe verifyRecipe();
    Recipe eraseRecipe();

    // True when the operation ran to its end.
    bool run(const Recipe &recipe);
    bool exchange(quint8 expectedReply, const Reaction &noAnswer, const Reaction &refused);
    void react(const Reaction &reaction);
    void finish();

    Message hintWarning() const;

    ChipState &state_;
    ProgrammerLink &link_;
    Dialogs &dialogs_;
    OperationControls &controls_;
    ProgressDisplay &progress_;
    const QString &failureHint_;
    QByteArray readBuffer_;
};
