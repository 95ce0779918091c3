// The main window as the user meets it: every control with its caption and
// tooltip, the tool buttons in order, the whole menu bar with its shortcuts,
// the status bar, and which controls the online state locks.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <QtTest>
#include <algorithm>

#include "hexview/hex_view.h"
#include "support/form_rig.h"

namespace {

// The label of an array element, by its index property.
QLabel *element(const FormRig &rig, const char *name, int index) {
    for (QLabel *label : rig->findChildren<QLabel *>(QLatin1String(name)))
        if (label->property("index").toInt() == index)
            return label;
    return nullptr;
}

// One line per menu entry, indented by depth: "name|caption|shortcut".
void describe(QMenu *menu, int depth, QStringList &out) {
    const QString indent(depth * 2, QLatin1Char(' '));
    out << indent + menu->objectName() + QLatin1Char('|') + menu->title();
    for (QAction *a : menu->actions()) {
        if (a->menu()) {
            describe(a->menu(), depth + 1, out);
            continue;
        }
        QString line = indent + QStringLiteral("  ") + a->objectName() + QLatin1Char('|') +
                       (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (!a->shortcut().isEmpty())
            line += QLatin1Char('|') + a->shortcut().toString(QKeySequence::PortableText);
        out << line;
    }
}

bool activate(Form1 &form) {
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void menuBarOffersNoMenuToHideTheToolBar();
    void controlsCarryTheirCaptionsAndTooltips();
    void toolButtonsInOrder();
    void headingsAndRowLabelsLineUpWithTheGrid_data();
    void headingsAndRowLabelsLineUpWithTheGrid();
    void menuBarInOrder();
    void shortcutsRunTheirItems_data();
    void shortcutsRunTheirItems();
    void lockedMenuShortcutsDoNothing();
    void inertControlsChangeNothing();
    void offlineLocksOnlyTheOperations();
    void statusBarShowsTheDateAndTime();
    void realTimerValues();
};

void LayoutTest::controlsCarryTheirCaptionsAndTooltips() {
    FormRig rig(FormRig::offline());
    QCOMPARE(rig->windowTitle(),
             QStringLiteral(
                 "ZELTRON－存储器编程器软件V3.0    Harvenco欢迎您！  本公司全部产品办理邮购"));

    const auto text = [&](const char *name) -> QString {
        QObject *o = rig.find<QObject>(name);
        if (auto *b = qobject_cast<QAbstractButton *>(o))
            return b->text() + QLatin1Char('|') + b->toolTip();
        if (auto *l = qobject_cast<QLabel *>(o))
            return l->text();
        if (auto *e = qobject_cast<QLineEdit *>(o))
            return e->text();
        return QStringLiteral("<missing>");
    };
    QCOMPARE(text("Command1"), QStringLiteral("型号选择|选择您要操作的芯片型号"));
    QCOMPARE(text("Command3"), QStringLiteral("99.99%|"));
    QCOMPARE(text("Label4"), QStringLiteral("  操    作  完成比例"));
    QCOMPARE(text("Label5"), QStringLiteral("鼠标左键双击当前数据，可对当前数据进行修改编辑"));
    QCOMPARE(text("Text1"), QStringLiteral("脱机"));
    QCOMPARE(text("Text2"), QStringLiteral("正在测试,请稍候......."));
    QCOMPARE(text("Command4"), QStringLiteral("打开|打开已保存的存储器数据"));
    QCOMPARE(text("Command2"), QStringLiteral("保存|把数据存入电脑，以便以后使用"));
    QCOMPARE(text("Command6"), QStringLiteral("读芯片|读取芯片内容"));
    QCOMPARE(text("Command7"), QStringLiteral("写芯片|把当前显示数据写入芯片"));
    QCOMPARE(text("Command8"), QStringLiteral("校验|把芯片数据和当前电脑数据比对，看是否一致"));
    QCOMPARE(text("Command9"), QStringLiteral("擦除|擦除当前芯片，即把芯片全部写入 FFH"));
    QCOMPARE(text("Command10"),
             QStringLiteral("自动|先把当前数据写入芯片，再把芯片数据和当前数据进行比对"));
    QCOMPARE(text("Command11"),
             QStringLiteral("测试|测试当前编程器是否联机,联机使用时，程序每3秒钟自动检测一次！！"));
    QCOMPARE(text("Command12"), QStringLiteral("退出|退出芯片读写编程系统"));

    const QStringList notes = {QStringLiteral("支持器件："), QStringLiteral("24 系列 EEPROM"),
                               QStringLiteral("93 系列 EEPROM")};
    for (int i = 0; i < notes.size(); ++i) {
        QLabel *note = element(rig, "lblAddr", 16 + i);
        QVERIFY(note);
        QCOMPARE(note->text(), notes.at(i));
        QVERIFY(note->isVisibleTo(&*rig));
    }
    QCOMPARE(rig->findChildren<QLabel *>(QStringLiteral("lblAddr")).size(), 19);
    QCOMPARE(rig->findChildren<QLabel *>(QStringLiteral("Label3")).size(), 17);

    // Visible after the load: the chooser row; hidden: the test notice and
    // the progress display.
    for (const char *name : {"Combo1", "Command1", "Text1", "lstHex", "scrPage", "Label5"})
        QVERIFY2(rig.find(name)->isVisibleTo(&*rig), name);
    for (const char *name : {"Text2", "ProgressBar1", "Command3", "Label4"})
        QVERIFY2(rig.find(name)->isHidden(), name);
    QCOMPARE(rig.find<QProgressBar>("ProgressBar1")->maximum(), 100);
}

void LayoutTest::toolButtonsInOrder() {
    FormRig rig(FormRig::offline());
    auto *bar = rig.find<QToolBar>("toolBar");
    QVERIFY(bar);
    QStringList names;
    for (QAction *a : bar->actions())
        if (auto *w = qobject_cast<QAbstractButton *>(bar->widgetForAction(a))) {
            names << w->objectName();
            QVERIFY2(!w->icon().isNull(), qPrintable(w->objectName()));
        }
    // The specified nine, then "停止".
    QCOMPARE(names, QStringList({"Command4", "Command2", "Command6", "Command7", "Command8",
                                 "Command9", "Command10", "Command11", "Command12", "cmdStop"}));
    // Left to right on screen as well.
    for (int i = 1; i < names.size(); ++i)
        QVERIFY(rig.find(qPrintable(names[i - 1]))->x() < rig.find(qPrintable(names[i]))->x());
}

void LayoutTest::headingsAndRowLabelsLineUpWithTheGrid_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("forced");  // by the platform, past the window's own minimum
    QTest::newRow("as designed") << QSize() << false;
    QTest::newRow("asked smaller") << QSize(700, 450) << false;
    QTest::newRow("enlarged") << QSize(1270, 880) << false;
    QTest::newRow("forced smaller") << QSize(700, 450) << true;
}

void LayoutTest::headingsAndRowLabelsLineUpWithTheGrid() {
    QFETCH(QSize, size);
    QFETCH(bool, forced);
    FormRig rig(FormRig::offline());
    const QSize designed = rig->minimumSize();
    QVERIFY(designed.width() > 0 && designed.height() > 0);
    if (forced)
        rig->windowHandle()->resize(size);
    else if (size.isValid())
        rig->resize(size);
    if (size.isValid())
        QTRY_COMPARE(rig->size(), forced ? size : size.expandedTo(designed));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // Never smaller than designed unless the platform insists; then the parts
    // scroll and keep their places.
    QCOMPARE(rig->minimumSize(), designed);
    // Room enough, nothing is cut off: the parts need no scrolling.
    const auto *scroll = rig.find<QScrollArea>("centralScroll");
    if (!forced)
        QVERIFY(!scroll->horizontalScrollBar()->isVisible() &&
                !scroll->verticalScrollBar()->isVisible());
    QTableView *grid = rig->hexView()->lstHex();
    const auto centre = [&](QWidget *w) { return w->mapTo(&*rig, w->rect().center()); };
    const auto rect = [&](QWidget *w) { return QRect(w->mapTo(&*rig, QPoint(0, 0)), w->size()); };

    QLabel *address = element(rig, "Label3", 0);
    QCOMPARE(address->text(), QStringLiteral("ADDRESS"));
    QVERIFY(rect(address).right() < rect(grid).left());
    // The headings sit right on the grid, whatever room the window has.
    QVERIFY2(rect(grid).top() - rect(address).bottom() < 8,
             qPrintable(QStringLiteral("%1 px").arg(rect(grid).top() - rect(address).bottom())));
    for (int r = 0; r + 1 < 16; ++r)
        QVERIFY(!rect(rig->hexView()->lblAddr(r)).intersects(rect(rig->hexView()->lblAddr(r + 1))));

    // Each column heading sits above its own column, each row label beside
    // its own row, whatever their element indices.
    for (int c = 0; c < 16; ++c) {
        const QRect cell = grid->visualRect(grid->model()->index(0, c));
        const QRect column(grid->viewport()->mapTo(&*rig, cell.topLeft()), cell.size());
        QLabel *heading = nullptr;
        for (QLabel *label : rig->findChildren<QLabel *>(QStringLiteral("Label3")))
            if (label->isVisibleTo(&*rig) && centre(label).x() >= column.left() &&
                centre(label).x() <= column.right())
                heading = label;
        QVERIFY2(heading, qPrintable(QString::number(c)));
        QCOMPARE(heading->text(), QString::number(c, 16).toUpper());
        QVERIFY(centre(heading).y() < column.top());
    }
    for (int r = 0; r < 16; ++r) {
        const QRect cell = grid->visualRect(grid->model()->index(r, 0));
        const QPoint top = grid->viewport()->mapTo(&*rig, cell.topLeft());
        QLabel *label = rig->hexView()->lblAddr(r);
        QVERIFY(centre(label).y() >= top.y() && centre(label).y() < top.y() + cell.height());
        QCOMPARE(label->text(),
                 QStringLiteral("%1:").arg(r * 16, 6, 16, QLatin1Char('0')).toUpper());
    }
}

void LayoutTest::menuBarInOrder() {
    FormRig rig(FormRig::offline());
    QStringList actual;
    for (QAction *a : rig->menuBar()->actions())
        describe(a->menu(), 0, actual);
    const QStringList expected = {
        "fileop|文件操作(&F)",
        "  fnew|新建|Ctrl+F1",
        "  p1|-",
        "  fopen|打开文件|F2",
        "  fsave|保存文件|F3",
        "  frecent|最近打开的文件",
        "  p2|-",
        "  fquit|退出系统|Ctrl+C",
        "fsetting|系统设置(&S)",
        "  ffont|字体设置|Ctrl+Z",
        "  p567|-",
        "  flanguage|语言 / Language",
        "    flangzh|简体中文",
        "    flangen|English",
        "icoprate|芯片操作(&O)",
        "  cselect|芯片选择(&X)",
        "    xilie24|24C系列 EEPROM",
        "      c2402|24C02 ",
        "      c2404|24C04 ",
        "      c2408|24C08 ",
        "      c2416|24C16 ",
        "      c2432|24C32",
        "      c2464|24C64",
        "      c24128|24C128",
        "      c24256|24C256",
        "      c24512|24C512",
        "    xilie93|93C系列 EEPROM",
        "      C93c46|93C46",
        "      C93c56|93C56",
        "      C93c66|93C66",
        "      C93c76|93C76",
        "      C93c86|93C86",
        "  p4|-",
        "  cread|读芯片|F5",
        "  cwriteee|写芯片|F6",
        "  ccheck|校验芯片|F7",
        "  ccrease|擦除|F8",
        "  p5|-",
        "  cauto|组合操作|F9",
        "  pblank|-",
        "  cblank|查空|F4",
        "fhelp|帮助(&H)",
        "  ctest|硬件测试|F11",
        "  aboutltd|公司介绍",
        "  myhelp|程序帮助|F1",
        "  p6|-",
        "  fabout|关于本软件|F12",
        // The hex view's editing and the tools, after the window's own menus.
        "fedit|编辑(&E)",
        "  fundo|撤销|Alt+Backspace",
        "  fredo|重做|Ctrl+Y",
        "  p7|-",
        "  fcopy|复制|Ctrl+Ins",
        "  fpaste|粘贴|Shift+Ins",
        "  ffill|填充数据",
        "  fselectall|全部选定|Ctrl+A",
        "  p8|-",
        "  fgoto|转到地址|Ctrl+G",
        "  ffind|查找数据|Ctrl+F",
        "  ffindnext|查找下一个|Ctrl+L",
        "ftools|工具(&T)",
        "  fcompare|与文件比较...|F10",
        "  p9|-",
        "  fnextdiff|下一个差异|Alt+Down",
        "  fprevdiff|上一个差异|Alt+Up",
        "  p10|-",
        "  production|生产模式...|Ctrl+P",
    };
    QCOMPARE(actual, expected);
}

void LayoutTest::shortcutsRunTheirItems_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Ctrl+F1 new") << QKeySequence(Qt::CTRL | Qt::Key_F1) << "new";
    QTest::newRow("F2 open") << QKeySequence(Qt::Key_F2) << "打开数据文件";
    QTest::newRow("F3 save") << QKeySequence(Qt::Key_F3) << "保存数据文件";
    QTest::newRow("Ctrl+C exit") << QKeySequence(Qt::CTRL | Qt::Key_C) << "您确认要退出系统吗？";
    QTest::newRow("F5 read") << QKeySequence(Qt::Key_F5) << "恭喜您！芯片读操作成功！！";
    QTest::newRow("F6 write") << QKeySequence(Qt::Key_F6)
                              << "写芯片操作将会将当前芯片的全部内容擦除，您确认要写芯片吗？";
    QTest::newRow("F7 verify") << QKeySequence(Qt::Key_F7) << "恭喜您！数据校验成功！！";
    QTest::newRow("F8 erase") << QKeySequence(Qt::Key_F8)
                              << "擦除操作会将当前芯片的全部内容擦除，您确认要擦除芯片数据吗？";
    QTest::newRow("F9 auto")
        << QKeySequence(Qt::Key_F9)
        << "自动操作将会将当前芯片的全部内容擦除后写入新数据，您确认要写芯片吗？";
    QTest::newRow("F4 blank check")
        << QKeySequence(Qt::Key_F4) << "恭喜您！芯片为空（全部为 FFH）！！";
    QTest::newRow("F10 compare") << QKeySequence(Qt::Key_F10) << "选择要与缓冲区比较的数据文件";
    QTest::newRow("F11 test") << QKeySequence(Qt::Key_F11) << "test";
    QTest::newRow("F1 help") << QKeySequence(Qt::Key_F1) << "window Form4";
    QTest::newRow("F12 about") << QKeySequence(Qt::Key_F12) << "window frmAbout";
}

void LayoutTest::shortcutsRunTheirItems() {
    QFETCH(QKeySequence, key);
    QFETCH(QString, effect);
    FormRig rig(FormRig::patient());
    QVERIFY(rig.isOnline());
    rig.dialogs.defaultAnswer = Dialogs::Answer::No;
    rig.chooseModel(9);
    QVERIFY(activate(*rig));
    rig.clearFrames();
    rig.dialogs.clear();

    // Sent to the grid, where the user's focus usually is.
    rig->hexView()->lstHex()->setFocus();
    QTest::keySequence(rig->hexView()->lstHex(), key);

    if (effect == QLatin1String("new")) {
        QCOMPARE(rig.find<QComboBox>("Combo1")->currentIndex(), 0);
        QCOMPARE(rig->chip().DataBuffer().size(), 256);
    } else if (effect == QLatin1String("test")) {
        QVERIFY(!rig.framesWithCode(0xFE).isEmpty());
        QVERIFY(rig.isOnline());
    } else if (effect.startsWith(QLatin1String("window "))) {
        QWidget *window = rig.find(qPrintable(effect.mid(7)));
        QVERIFY(window);
        QVERIFY(window->isVisible());
    } else {
        QVERIFY(!rig.dialogs.calls.isEmpty());
        const ScriptedDialogs::Call &call = rig.dialogs.calls.first();
        QCOMPARE(call.kind == ScriptedDialogs::Kind::Message ? call.text : call.title, effect);
    }
}

void LayoutTest::lockedMenuShortcutsDoNothing() {
    // Offline, the chip operations menu is locked: neither its items nor
    // their keys may start anything.
    FormRig rig(FormRig::offline());
    QVERIFY(activate(*rig));
    QVERIFY(!rig.find<QMenu>("icoprate")->isEnabled());
    rig.dialogs.defaultAnswer = Dialogs::Answer::No;
    for (Qt::Key key : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9})
        QTest::keyClick(&*rig, key);
    QCOMPARE(rig.dialogs.calls.size(), 0);
    QVERIFY(rig.frames().isEmpty());

    // The same keys work once the box is online again.
    rig->online().goonline();
    QTest::keyClick(&*rig, Qt::Key_F6);
    QCOMPARE(rig.dialogs.calls.size(), 1);
}

void LayoutTest::inertControlsChangeNothing() {
    FormRig rig(FormRig::patient());
    rig.clearFrames();
    QByteArray edited = rig->chip().DataBuffer();
    edited[3] = '\x12';
    rig->chip().replace(edited);
    const QByteArray &buffer = rig->chip().DataBuffer();
    const QByteArray before = buffer;
    const QString status = rig->statusText();

    rig.trigger("ffont");
    rig.click("Command1");
    rig.click("Command3");
    QCOMPARE(buffer, before);
    QCOMPARE(rig->statusText(), status);
    QCOMPARE(rig.find<QComboBox>("Combo1")->currentIndex(), 0);
    QCOMPARE(rig.find<QLineEdit>("Text1")->text(), QStringLiteral("联机"));
    QVERIFY(rig.dialogs.calls.isEmpty());
    QVERIFY(rig.frames().isEmpty());
}

void LayoutTest::offlineLocksOnlyTheOperations() {
    FormRig rig(FormRig::patient());
    auto *text1 = rig.find<QLineEdit>("Text1");
    const QStringList operations = {"Command6", "Command7", "Command8", "Command9", "Command10"};
    // Test is locked by the online search of its own, not by these.
    const QStringList others = {"Command4", "Command2", "Command12", "Combo1"};
    const auto state = [&](const QStringList &names) {
        QString s;
        for (const QString &name : names)
            s += rig.find(qPrintable(name))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    QMenu *icoprate = rig.find<QMenu>("icoprate");

    QCOMPARE(text1->palette().color(QPalette::Base), QColor(0, 255, 0));
    QCOMPARE(state(operations), QStringLiteral("11111"));
    QVERIFY(icoprate->menuAction()->isEnabled());

    rig->online().gooffline();
    QCOMPARE(text1->text(), QStringLiteral("脱机"));
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(state(operations), QStringLiteral("00000"));
    QVERIFY(!icoprate->menuAction()->isEnabled());
    QCOMPARE(state(others), QStringLiteral("1111"));
    for (const char *item : {"fnew", "fopen", "fsave", "fquit", "ctest", "fabout"})
        QVERIFY2(rig.action(item)->isEnabled(), item);

    // Offline wins: an operation ending while offline leaves them locked.
    rig->online().enableops();
    QCOMPARE(state(operations), QStringLiteral("00000"));
    QVERIFY(!icoprate->menuAction()->isEnabled());
    QCOMPARE(text1->text(), QStringLiteral("脱机"));

    rig->online().goonline();
    QCOMPARE(text1->text(), QStringLiteral("联机"));
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(0, 255, 0));
    rig->online().disableops();
    QCOMPARE(state(operations), QStringLiteral("00000"));
    QVERIFY(!icoprate->menuAction()->isEnabled());
    QCOMPARE(state(others), QStringLiteral("1111"));
}

void LayoutTest::menuBarOffersNoMenuToHideTheToolBar() {
    FormRig rig(FormRig::offline());
    QMenuBar *bar = rig->menuBar();
    bool popped = false;
    QTimer::singleShot(0, bar, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popped = true;
            popup->close();
        }
    });
    // A right click on the bar beside the menus.
    const QPoint at(bar->width() - 4, bar->height() / 2);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &click);
    FormRig::pause(10);
    QVERIFY(!popped);
    QVERIFY(rig->findChild<QToolBar *>(QStringLiteral("toolBar"))->isVisible());
}

void LayoutTest::statusBarShowsTheDateAndTime() {
    FormRig rig(FormRig::offline());
    QCOMPARE(rig.find<QLabel>("Panel1")->text(),
             QStringLiteral(
                 "您还没有打开文件，系统默认芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 "));
    auto *date = rig.find<QLabel>("Panel2");
    auto *time = rig.find<QLabel>("Panel3");
    QVERIFY(date && time);
    QVERIFY(date->isVisibleTo(&*rig) && time->isVisibleTo(&*rig));
    const QTime shown = QTime::fromString(time->text(), QStringLiteral("HH:mm:ss"));
    QVERIFY2(shown.isValid(), qPrintable(time->text()));
    QVERIFY(qAbs(shown.secsTo(QTime::currentTime())) <= 2 ||
            qAbs(shown.secsTo(QTime::currentTime())) >= 86398);
    QVERIFY(date->text().contains(QString::number(QDate::currentDate().year())));
    // Kept current: the clock moves on by itself.
    const QString first = time->text();
    QTRY_VERIFY_WITH_TIMEOUT(time->text() != first, 3000);
}

void LayoutTest::realTimerValues() {
    FormRig::Options o = FormRig::offline();
    o.timings = Timings();
    o.keepOnlineCheck = true;
    FormRig rig(o);
    struct Expected {
        const char *name;
        int interval;
        bool active;
    };
    // Timer1 and Timer2 wait for their use; Timer5 is stopped by the load.
    const Expected timers[] = {{"Timer1", 500, false},
                               {"Timer2", 1000, false},
                               {"Timer3", 4000, true},
                               {"Timer4", 6000, true},
                               {"Timer5", 40000, false}};
    for (const Expected &e : timers) {
        auto *timer = rig.find<QTimer>(e.name);
        QVERIFY2(timer, e.name);
        QCOMPARE(timer->interval(), e.interval);
        QCOMPARE(timer->isActive(), e.active);
    }
    QCOMPARE(rig.find<QTimer>("Timer1")->timerType(), Qt::PreciseTimer);
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
