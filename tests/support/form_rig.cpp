#include "support/form_rig.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include "link/programmer_link.h"
#include "messages/texts.h"

Timings FormRig::fastTimings() {
    Timings t;
    t.replyTimeout = 200;
    t.spareTimer = 1000;
    t.onlineCheck = 300;
    t.receiveTimeout = 600;
    t.loadTimer = 40000;
    return t;
}

FormRig::Options FormRig::roomy() {
    Options options;
    options.timings.replyTimeout = 250;
    options.timings.receiveTimeout = 400;
    options.timings.onlineCheck = 300;
    return options;
}

FormRig::Options FormRig::patient() {
    Options options;
    options.timings.replyTimeout = 1000;
    options.timings.receiveTimeout = 2000;
    return options;
}

FormRig::Options FormRig::offline() {
    Options options;
    options.onlineUse = false;
    return options;
}

void FormRig::warmUp() {
    FormRig rig(roomy());
    rig.startup.grab();
    rig->grab();
}

FormRig::FormRig() : FormRig(Options()) {}

FormRig::FormRig(const Options &o) : options(o) {
    if (options.boxPort > 0)
        bank.attachBox(options.boxPort, &box);
    for (int number : options.silentPorts)
        bank.addSilentPort(number);
    port = new MemoryPort(bank);
    form = std::make_unique<Form1>(dialogs, port, options.timings);
    form->setStartupWindow(&startup);
    startup.lianjibiaozhi = options.onlineUse;
    if (!options.settingsFile.isEmpty())
        form->useSettings(std::make_unique<QSettings>(options.settingsFile, QSettings::IniFormat));
    if (options.load) {
        form->Form_Load();
        form->show();
        // The first paint is slow; let it happen before any timed exchange.
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("the main window was not exposed");
        if (!options.keepOnlineCheck)
            form->Timer3->stop();
    }
}

FormRig::~FormRig() {
    form.reset();
}

QAbstractButton *FormRig::button(const char *name) const {
    return find<QAbstractButton>(name);
}

QAction *FormRig::action(const char *name) const {
    return find<QAction>(name);
}

void FormRig::click(const char *name) const {
    QAbstractButton *b = button(name);
    Q_ASSERT_X(b, "FormRig::click", name);
    b->click();
}

void FormRig::trigger(const char *name) const {
    QAction *a = action(name);
    Q_ASSERT_X(a, "FormRig::trigger", name);
    a->trigger();
}

void FormRig::chooseModel(int k) const {
    auto *combo = find<QComboBox>("Combo1");
    combo->setCurrentIndex(k);
    emit combo->activated(k);
}

bool FormRig::isOnline() const {
    return find<QLineEdit>("Text1")->text() == Texts::Online();
}

bool FormRig::isOffline() const {
    return find<QLineEdit>("Text1")->text() == Texts::Offline();
}

bool FormRig::operationsEnabled() const {
    return button("Command6")->isEnabled();
}

QList<QByteArray> FormRig::framesWithCode(quint8 code) const {
    QList<QByteArray> result;
    for (const QByteArray &f : box.frames())
        if (static_cast<quint8>(f.at(0)) == code)
            result << f;
    return result;
}

QByteArray FormRig::frame(quint8 code, std::initializer_list<quint8> parameters) {
    QByteArray f(12, '\0');
    f[0] = static_cast<char>(code);
    int i = 1;
    for (quint8 p : parameters)
        f[i++] = static_cast<char>(p);
    return f;
}

int FormRig::runInApplicationLoop(const std::function<void()> &scenario) {
    QTimer::singleShot(0, qApp, [scenario] {
        scenario();
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}

void FormRig::afterFrames(int count, std::function<void()> action) {
    auto sent = std::make_shared<int>(0);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&form->link(), &ProgrammerLink::frameSent, form.get(),
                                   [=, f = form.get()] {
                                       if (++*sent < count)
                                           return;
                                       QObject::disconnect(*connection);
                                       QTimer::singleShot(0, f, action);
                                   });
}

void FormRig::pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
