#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QByteArray>
#include <QList>
#include <functional>
#include <memory>

#include "box/box_core.h"
#include "box/memory_port.h"
#include "chips/chip_buffer.h"
#include "chips/model_selection.h"
#include "files/file_commands.h"
#include "hexview/hex_view.h"
#include "link/online_state.h"
#include "link/online_supervision.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "link/timings.h"
#include "operations/chip_operations.h"
#include "operations/operation_scope.h"
#include "support/scripted_dialogs.h"
#include "windows/exit_command.h"
#include "windows/form1.h"
#include "windows/form2.h"

// A main window wired through the in-memory port to the virtual box, with
// scripted dialogs and timers shrunk from seconds to milliseconds.
class FormRig {
public:
    struct Options {
        bool onlineUse = true;
        int boxPort = 1;         // 0: no box anywhere
        QList<int> silentPorts;  // ports that open but never answer
        Timings timings = fastTimings();
        bool load = true;              // run the window's load step
        bool keepOnlineCheck = false;  // leave Timer3 running after the load
        // The window's settings (an INI file); empty: it remembers nothing,
        // and never the user's.
        QString settingsFile;
    };

    // Reply 200 ms, receive 600 ms, online check 300 ms.
    static Timings fastTimings();
    // Shrunk timers with room for a loaded machine: a reply that is due at
    // once must not miss its time-out because the process waited for a
    // processor. Reply 250 ms, receive 400 ms, online check 300 ms.
    static Options roomy();
    // Online, with time-outs no loaded machine misses (the box answers at once).
    static Options patient();
    static Options offline();
    // Paints each kind of window once, so that fonts and pictures are not made
    // inside the first timed wait.
    static void warmUp();

    FormRig();
    explicit FormRig(const Options &options);
    ~FormRig();

    Form1 &operator*() const { return *form; }
    Form1 *operator->() const { return form.get(); }

    template <class T = QWidget>
    T *find(const char *name) const {
        return form->findChild<T *>(QLatin1String(name));
    }
    QAbstractButton *button(const char *name) const;
    QAction *action(const char *name) const;
    void click(const char *name) const;
    void trigger(const char *name) const;
    // Picks list index k in Combo1 as the user would.
    void chooseModel(int k) const;

    bool isOnline() const;
    bool isOffline() const;
    bool operationsEnabled() const;
    // The frames the box received since the last clearFrames().
    QList<QByteArray> frames() const { return box.frames(); }
    void clearFrames() { box.clearLog(); }
    QList<QByteArray> framesWithCode(quint8 code) const;

    // A 12-byte frame: the code, the parameters, zeros.
    static QByteArray frame(quint8 code, std::initializer_list<quint8> parameters = {});

    // Runs `scenario` inside the application's event loop, so that an exit
    // that quits the application ends it as it would end the program.
    // Returns what the application's exec() returned.
    static int runInApplicationLoop(const std::function<void()> &scenario);

    // Waits in the event loop for `ms` milliseconds.
    static void pause(int ms);

    // Runs `action` once, from the event loop, while the `count`-th frame
    // sent from now waits for its reply: "during" an exchange, set off by the
    // exchange itself rather than by a clock that a fast machine beats.
    void afterFrames(int count, std::function<void()> action);

    Options options;
    ScriptedDialogs dialogs;
    MemoryPortBank bank;
    BoxCore box;
    Form2 startup;
    MemoryPort *port = nullptr;
    std::unique_ptr<Form1> form;
};
