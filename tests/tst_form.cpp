// The editor form as built: controls, layout, focus order, initial state, start-up calls.
#include <QtTest>

#include "editor/configeditwindow.h"
#include "editor/formparts.h"
#include "formfixture.h"
#include "testsupport.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <memory>

namespace
{

const char* const PanelFields[] = {"lenght", "month",        "day",      "hour",
                                   "minut",  "timer enable", "file size"};

// A control by object name, or by the name the program gives an unnamed control;
// "Timer N <field>" reaches the controls of panel N.
QWidget* Control(ConfigEditWindow* form, const QString& id)
{
    if (id.startsWith(QLatin1String("Timer "))) {
        const TimerPanel& panel = form->TimerPanels[id.mid(6, 1).toInt() - 1];
        const QString field = id.mid(8);
        QWidget* const fields[] = {panel.lenght, panel.month,       panel.day,     panel.hour,
                                   panel.minut,  panel.timerEnable, panel.fileSize};
        for (int i = 0; i < 7; ++i)
            if (field == QLatin1String(PanelFields[i]))
                return fields[i];
        return nullptr;
    }
    const std::pair<const char*, QWidget*> unnamed[] = {
        {"VAS enable", form->vasEnable},
        {"timers enable", form->timersEnable},
        {"enable tool tip", form->enableToolTip},
        {"time set enable", form->timeSetEnable},
        {"delete old time", form->deleteOldTime},
        {"manual time enable", form->manualTimeEnable},
        {"set time", form->setTime},
        {"set date", form->setDate},
    };
    for (const auto& [name, widget] : unnamed)
        if (id == QLatin1String(name))
            return widget;
    const QList<QWidget*> named = form->findChildren<QWidget*>(id);
    return named.size() == 1 ? named.first() : nullptr;
}

QGridLayout* GridOf(QWidget* widget, int* index)
{
    for (QGridLayout* grid : widget->parentWidget()->findChildren<QGridLayout*>()) {
        *index = grid->indexOf(widget);
        if (*index >= 0)
            return grid;
    }
    return nullptr;
}

QGroupBox* GroupTitled(ConfigEditWindow* form, const QString& title)
{
    for (QGroupBox* group : form->findChildren<QGroupBox*>())
        if (group->title() == title)
            return group;
    return nullptr;
}

} // namespace

class FormTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void membersCarryTheirNames();
    void placement_data();
    void placement();
    void gridStretches_data();
    void gridStretches();
    void columnsAndBars();
    void focusFollowsCreationOrder();
    void defaultState();
    void clockEditorsFollowManualTime_data();
    void clockEditorsFollowManualTime();
    void comboLists_data();
    void comboLists();
    void constructionCallsOnlyTheStartSlots_data();
    void constructionCallsOnlyTheStartSlots();
    void aboutKeepsItsSize();
    void typedClockReachesTheFile_data();
    void typedClockReachesTheFile();
    void groupBoxesLookAsQtDrawsThem_data();
    void groupBoxesLookAsQtDrawsThem();

private:
    std::unique_ptr<QTemporaryDir> card;
    QString cardPath;
    std::unique_ptr<ConfigEditWindow> form;
    ConfigEditWindow* Build()
    {
        form = std::make_unique<ConfigEditWindow>(nullptr, "config edit");
        return form.get();
    }
};

void FormTest::init()
{
    card = std::make_unique<QTemporaryDir>();
    cardPath = card->path() + QLatin1Char('/');
    UseFormPreferences(cardPath);
    ConfigEditWindow::slotTrace = nullptr;
}

void FormTest::cleanup()
{
    ConfigEditWindow::slotTrace = nullptr;
    form.reset();
    card.reset();
}

void FormTest::controls_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("special");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("tip");

    auto plain = [](const char* id, bool named, const char* kind, const char* initial,
                    const char* tip) {
        QTest::newRow(id) << QString::fromLatin1(id) << QString::fromLatin1(named ? id : "")
                          << QString::fromLatin1(kind) << 0 << 0 << 0 << QString() << QString()
                          << QString::fromLatin1(initial) << QString::fromUtf8(tip);
    };
    auto spin = [](const QString& id, const char* name, int minimum, int maximum, int step,
                   const char* special, const char* suffix, const char* initial, const char* tip) {
        QTest::newRow(id.toLatin1().constData())
            << id << QString::fromLatin1(name) << QStringLiteral("QSpinBox") << minimum << maximum
            << step << QString::fromLatin1(special) << QString::fromLatin1(suffix)
            << QString::fromLatin1(initial) << QString::fromLatin1(tip);
    };

    // "initial" of a line edit, button or label is its text, of a check box on/off, of a
    // combo box the current item's text, of a spin box its value. The read-out labels
    // hold their figures already: the form computes them before it is first shown.
    plain("config file path", true, "QLineEdit", "<card>", "Path to SD flash card");
    plain("find", true, "QPushButton", "find", "Find SD flash card");
    plain("about", true, "QPushButton", "", "About this programm");
    plain("wav type", true, "QComboBox", "u-Law", "Set compression mode for *.wav files");
    plain("sample rate", true, "QComboBox", "8000", "Set sample rate for *.wav files");
    plain("bit rate", true, "QLabel", "8000", "Result byte rate stream");
    plain("VAS enable", false, "QCheckBox", "off",
          "Enable/disable begin writing as voice activated");
    spin("VAS on level", "VAS on level", 0, 99, 1, "", "", "1",
         "Level as voice activated writing begin");
    spin("VAS on time", "VAS on time", 0, 99, 1, "", "", "1",
         "Time wait as voice activated writing begin");
    spin("VAS off level", "VAS off level", 0, 99, 1, "", "", "1",
         "Level as voice activated writing stop");
    spin("VAS off time", "VAS off time", 0, 99, 1, "", "", "1",
         "Time wait as voice activated writing stop");
    plain("time set enable", false, "QCheckBox", "on", "Enable write to SD time set file");
    plain("delete old time", false, "QCheckBox", "on",
          "Delete old time set file <time.cfg> and <time.ok> from SD");
    plain("manual time enable", false, "QCheckBox", "off", "Enable manual time setting as dialog");
    plain("set time", false, "QTimeEdit", "", "Time will writing to <time.ini> file to SD");
    plain("set date", false, "QDateEdit", "", "Date will writing to <time.ini> file to SD");
    plain("timers enable", false, "QCheckBox", "off", "Enable begin writing as timers event");
    spin("loop size", "loop size", 0, 4095, 20, "disable", "Mb", "0", "File size for loop writing");
    plain("loop time", true, "QLabel", "disable", "Time loop writing");
    spin("limit min", "limit min", 0, 16383, 20, "disable", "kb", "0",
         "File smaller this size will deleted");
    plain("limit min time", true, "QLabel", "unlimited", "Play time for file minimal size");
    spin("limit max", "limit max", 0, 4095, 5, "disable", "Mb", "0",
         "Writing file this size will stopped.");
    plain("limit max time", true, "QLabel", "unlimited", "Play time for file maximal size");
    plain("enable tool tip", false, "QCheckBox", "on", "Help tool tips enable");
    plain("load from", true, "QPushButton", "  Load from",
          "Load config file from any path and file name");
    plain("save as", true, "QPushButton", "Save as", "Save config file to any path and file name");
    plain("reload", true, "QPushButton", "Reload", "Load config file from setting SD card path");
    plain("save", true, "QPushButton", "  Save", "Write config file to setting SD card path");

    for (int timer = 1; timer <= 4; ++timer) {
        const QString p = QStringLiteral("Timer %1 ").arg(timer);
        spin(p + "lenght", "lenght", 0, 9999, 1, "unlimited", "", "1",
             "Time writing as this timer event");
        spin(p + "month", "month", 0, 12, 1, "allways", "", "1", "Month as timer event wakeup");
        spin(p + "day", "day", 0, 31, 1, "allways", "", "1", "Day as timer event wakeup");
        spin(p + "hour", "hour", -1, 23, 1, "allways", "", "1", "Hour as timer event wakeup");
        spin(p + "minut", "minut", -1, 59, 1, "allways", "", "1", "Minute as timer event wakeup");
        QTest::newRow((p + "timer enable").toLatin1().constData())
            << p + "timer enable" << QString() << QStringLiteral("QCheckBox") << 0 << 0 << 0
            << QString() << QString() << QStringLiteral("off")
            << QStringLiteral("Enable events from this timer");
        QTest::newRow((p + "file size").toLatin1().constData())
            << p + "file size" << QString() << QStringLiteral("QLabel") << 0 << 0 << 0 << QString()
            << QString() << QStringLiteral("0.46Mb")
            << QStringLiteral("Lenght file writing as this timer event");
    }
}

void FormTest::controls()
{
    QFETCH(QString, id);
    QFETCH(QString, objectName);
    QFETCH(QString, kind);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, step);
    QFETCH(QString, special);
    QFETCH(QString, suffix);
    QFETCH(QString, initial);
    QFETCH(QString, tip);

    ConfigEditWindow* f = Build();
    QWidget* w = Control(f, id);
    QVERIFY2(w, qPrintable(id));
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
    QCOMPARE(w->objectName(), objectName);
    QCOMPARE(w->toolTip(), tip);
    initial.replace(QLatin1String("<card>"), cardPath);

    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        QCOMPARE(spin->minimum(), minimum);
        QCOMPARE(spin->maximum(), maximum);
        QCOMPARE(spin->singleStep(), step);
        QCOMPARE(spin->specialValueText(), special);
        QCOMPARE(spin->suffix(), suffix);
        QVERIFY(spin->prefix().isEmpty());
        QCOMPARE(QString::number(spin->value()), initial);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        QCOMPARE(check->isChecked() ? QStringLiteral("on") : QStringLiteral("off"), initial);
        QCOMPARE(check->text(), id == QLatin1String("enable tool tip") ? id : QString());
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        QCOMPARE(button->text(), initial);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->currentText(), initial);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        QCOMPARE(label->text(), initial);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        QCOMPARE(edit->text(), initial);
    }
}

void FormTest::membersCarryTheirNames()
{
    ConfigEditWindow* f = Build();
    const std::pair<QWidget*, const char*> members[] = {
        {f->configFilePath, "config file path"},
        {f->wavType, "wav type"},
        {f->sampleRate, "sample rate"},
        {f->bitRate, "bit rate"},
        {f->vasOnLevel, "VAS on level"},
        {f->vasOnTime, "VAS on time"},
        {f->vasOffLevel, "VAS off level"},
        {f->vasOffTime, "VAS off time"},
        {f->limitMin, "limit min"},
        {f->limitMinTime, "limit min time"},
        {f->limitMax, "limit max"},
        {f->limitMaxTime, "limit max time"},
        {f->loopSize, "loop size"},
        {f->loopTime, "loop time"},
    };
    for (const auto& [widget, name] : members)
        QCOMPARE(widget->objectName(), QString::fromLatin1(name));
    // Every panel has its own controls.
    QSet<QWidget*> seen;
    for (const TimerPanel& panel : f->TimerPanels)
        for (QWidget* w :
             std::initializer_list<QWidget*>{panel.month, panel.day, panel.hour, panel.minut,
                                             panel.lenght, panel.fileSize, panel.timerEnable})
            QVERIFY(!seen.contains(w) && (seen.insert(w), true));
    QCOMPARE(seen.size(), 28);
}

void FormTest::placement_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("labelRow");
    QTest::addColumn<int>("labelColumn");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("labelAlignment");

    const int none = 0;
    const int right = Qt::AlignRight;
    const int left = Qt::AlignLeft;
    const int centre = Qt::AlignHCenter;
    auto row = [&](const QString& id, int r, int c, int align, int lr, int lc, const char* label,
                   int labelAlign) {
        QTest::newRow(id.toLatin1().constData())
            << id << r << c << align << lr << lc << QString::fromLatin1(label) << labelAlign;
    };
    row("wav type", 0, 0, none, 0, 1, "WAV compess  type", none);
    row("sample rate", 2, 0, none, 2, 1, "Sample rate", none);
    row("bit rate", 4, 0, right, 4, 1, "Bytes per second", none);
    row("VAS enable", 0, 0, none, 0, 1, "VAS mode enable", none);
    row("VAS on level", 2, 0, none, 2, 1, "VAS on level", none);
    row("VAS on time", 4, 0, none, 4, 1, "VAS on time", none);
    row("VAS off level", 6, 0, none, 6, 1, "VAS off level", none);
    row("VAS off time", 8, 0, none, 8, 1, "VAS off time", none);
    row("time set enable", 0, 0, none, 0, 1, "Enable time set", none);
    row("delete old time", 2, 0, none, 2, 1, "Delete old time set file", none);
    row("manual time enable", 4, 0, none, 4, 1, "Enable manual time setting", none);
    row("set time", 6, 0, none, 6, 1, "Set time ", none);
    row("set date", 7, 0, none, 7, 1, "Set date ", none);
    row("timers enable", 0, 0, none, 0, 1, "Start at timers enable", left);
    row("loop size", 0, 0, none, 0, 1, "Loop size", none);
    row("loop time", 2, 0, right, 2, 1, "Loop time", none);
    row("limit min", 1, 0, none, 1, 1, "Limit min size", none);
    row("limit min time", 3, 0, none, 3, 1, "Limit min time", none);
    row("limit max", 6, 0, none, 6, 1, "Limit max size", none);
    row("limit max time", 8, 0, none, 8, 1, "Limit max time", none);
    for (int timer = 1; timer <= 4; ++timer) {
        const QString p = QStringLiteral("Timer %1 ").arg(timer);
        row(p + "timer enable", 0, 0, none, 0, 1, "Timer enable", none);
        row(p + "lenght", 0, 3, right, 0, 5, "Write time", right);
        row(p + "file size", 2, 3, right, 2, 5, "File lenght", none);
        row(p + "day", 2, 0, none, 1, 0, "Day", centre);
        row(p + "month", 2, 2, none, 1, 2, "Month", centre);
        row(p + "hour", 2, 4, none, 1, 4, "Hour", centre);
        row(p + "minut", 2, 6, none, 1, 6, "Minute", centre);
    }
}

void FormTest::placement()
{
    QFETCH(QString, id);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, alignment);
    QFETCH(int, labelRow);
    QFETCH(int, labelColumn);
    QFETCH(QString, label);
    QFETCH(int, labelAlignment);

    ConfigEditWindow* f = Build();
    QWidget* w = Control(f, id);
    QVERIFY(w);
    int index = -1;
    QGridLayout* grid = GridOf(w, &index);
    QVERIFY(grid);
    int r, c, rs, cs;
    grid->getItemPosition(index, &r, &c, &rs, &cs);
    QCOMPARE(r, row);
    QCOMPARE(c, column);
    QCOMPARE(int(grid->itemAt(index)->alignment()), alignment);

    QLayoutItem* labelItem = grid->itemAtPosition(labelRow, labelColumn);
    QVERIFY(labelItem);
    auto* text = qobject_cast<QLabel*>(labelItem->widget());
    QVERIFY(text);
    QCOMPARE(text->text(), label);
    QVERIFY(text->objectName().isEmpty());
    QCOMPARE(int(labelItem->alignment()), labelAlignment);
}

void FormTest::gridStretches_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("rowStretches");    // rows 0..9
    QTest::addColumn<QList<int>>("columnStretches"); // columns 0..2

    QTest::newRow("WAV") << "WAV file format setting"
                         << QList<int>{100, 0, 100, 0, 0, 0, 0, 0, 0, 0} << QList<int>{100, 0, 100};
    QTest::newRow("VAS") << "VAS mode setting" << QList<int>{100, 0, 100, 0, 100, 0, 100, 0, 100, 0}
                         << QList<int>{0, 0, 0};
    QTest::newRow("time") << "Current time setting"
                          << QList<int>{100, 0, 100, 0, 100, 0, 0, 0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("timers") << "Timers enable" << QList<int>{100, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                            << QList<int>{0, 0, 100};
    QTest::newRow("loop") << "Loop write setting" << QList<int>{100, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                          << QList<int>{0, 0, 0};
    QTest::newRow("limits") << "File limit setting"
                            << QList<int>{100, 100, 0, 100, 0, 100, 100, 0, 0, 100}
                            << QList<int>{0, 0, 0};
}

void FormTest::gridStretches()
{
    QFETCH(QString, title);
    QFETCH(QList<int>, rowStretches);
    QFETCH(QList<int>, columnStretches);

    QGroupBox* group = GroupTitled(Build(), title);
    QVERIFY(group);
    auto* grid = group->findChild<QGridLayout*>();
    QVERIFY(grid);
    for (int r = 0; r < rowStretches.size(); ++r) {
        const int stretch = r < grid->rowCount() ? grid->rowStretch(r) : 0;
        QVERIFY2(stretch == rowStretches[r], qPrintable(QStringLiteral("row %1").arg(r)));
    }
    for (int c = 0; c < columnStretches.size(); ++c) {
        const int stretch = c < grid->columnCount() ? grid->columnStretch(c) : 0;
        QVERIFY2(stretch == columnStretches[c], qPrintable(QStringLiteral("column %1").arg(c)));
    }
    // Loop write setting keeps its empty third column at least 2 pixels wide.
    if (title == QLatin1String("Loop write setting"))
        QCOMPARE(grid->columnMinimumWidth(2), 2);
}

void FormTest::columnsAndBars()
{
    ConfigEditWindow* f = Build();
    auto* main = qobject_cast<QVBoxLayout*>(f->layout());
    QVERIFY(main);
    QCOMPARE(main->contentsMargins(), QMargins(6, 6, 6, 6));
    QCOMPARE(main->spacing(), 8);

    // Top row: the path group with "find", then "about".
    QBoxLayout* top = nullptr;
    QBoxLayout* columns = nullptr;
    for (int i = 0; i < main->count(); ++i) {
        auto* box = qobject_cast<QBoxLayout*>(main->itemAt(i)->layout());
        if (box && !top)
            top = box;
        else if (box)
            columns = box;
    }
    QVERIFY(top && columns);
    QCOMPARE(top->count(), 2);
    auto* pathGroup = qobject_cast<QGroupBox*>(top->itemAt(0)->widget());
    QVERIFY(pathGroup);
    QCOMPARE(pathGroup->title(), QStringLiteral("Config file path"));
    QCOMPARE(top->itemAt(0)->alignment(), Qt::AlignVCenter);
    QCOMPARE(top->itemAt(1)->widget()->objectName(), QStringLiteral("about"));
    QCOMPARE(top->itemAt(1)->alignment(), Qt::AlignVCenter);
    QCOMPARE(f->configFilePath->parentWidget(), pathGroup);
    QCOMPARE(qobject_cast<QBoxLayout*>(pathGroup->layout())->direction(), QBoxLayout::LeftToRight);

    const QList<QStringList> expected = {
        {"WAV file format setting", "VAS mode setting", "Current time setting"},
        {"Timers enable", "Loop write setting", "File limit setting"},
        {"Timer 1", "Timer 2", "Timer 3", "Timer 4"},
    };
    QCOMPARE(columns->count(), 3);
    for (int c = 0; c < 3; ++c) {
        QLayout* column = columns->itemAt(c)->layout();
        QStringList titles;
        for (int i = 0; i < column->count(); ++i)
            titles << qobject_cast<QGroupBox*>(column->itemAt(i)->widget())->title();
        QCOMPARE(titles, expected[c]);
    }
    for (const TimerPanel& panel : f->TimerPanels)
        QCOMPARE(panel.lenght->parentWidget()->parentWidget(), f);

    // Button bar: stretches around the hidden switch and the four file buttons.
    auto* bar = qobject_cast<QGroupBox*>(f->findChild<QPushButton*>("save")->parentWidget());
    QVERIFY(bar && bar->title().isEmpty());
    auto* buttons = qobject_cast<QHBoxLayout*>(bar->layout());
    QVERIFY(buttons);
    QCOMPARE(buttons->contentsMargins(), QMargins(6, 6, 6, 6));
    QCOMPARE(buttons->spacing(), 4);
    const QStringList order = {"", "enable tool tip", "", "load from", "", "save as",
                               "", "reload",          "", "save",      ""};
    const QList<int> stretches = {20, 100, 500, 100, 100, 100, 100, 100, 100, 100, 30};
    QCOMPARE(buttons->count(), order.size());
    for (int i = 0; i < buttons->count(); ++i) {
        QWidget* w = buttons->itemAt(i)->widget();
        const QString name = w == f->enableToolTip ? QStringLiteral("enable tool tip")
                             : w                   ? w->objectName()
                                                   : "";
        QCOMPARE(name, order[i]);
        QCOMPARE(buttons->stretch(i), stretches[i]);
    }
    QCOMPARE(buttons->itemAt(1)->alignment(), Qt::AlignLeft);
}

void FormTest::focusFollowsCreationOrder()
{
    ConfigEditWindow* f = Build();
    QList<QWidget*> expected = {
        f->configFilePath,
        f->findChild<QWidget*>("find"),
        f->findChild<QWidget*>("about"),
        f->wavType,
        f->sampleRate,
        f->vasEnable,
        f->vasOnLevel,
        f->vasOnTime,
        f->vasOffLevel,
        f->vasOffTime,
        f->timeSetEnable,
        f->deleteOldTime,
        f->manualTimeEnable,
        f->setTime,
        f->setDate,
        f->timersEnable,
        f->loopSize,
        f->limitMin,
        f->limitMax,
    };
    for (const TimerPanel& p : f->TimerPanels)
        expected << p.lenght << p.month << p.day << p.hour << p.minut << p.timerEnable;
    expected << f->enableToolTip << f->findChild<QWidget*>("load from")
             << f->findChild<QWidget*>("save as") << f->findChild<QWidget*>("reload")
             << f->findChild<QWidget*>("save");

    QList<QWidget*> chain;
    QWidget* w = f->nextInFocusChain();
    // Bounded: a chain that never comes back fails here instead of running on.
    for (int steps = 0; w != f; ++steps) {
        QVERIFY2(steps < 1000, "the focus chain does not come back to the form");
        QWidget* parent = w->parentWidget();
        const bool inner =
            qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent);
        // The card picker and "eject" beside "find" are additions outside this order.
        const bool picker = w->objectName() == QLatin1String("card picker") ||
                            w->objectName() == QLatin1String("eject");
        if (!inner && !picker && (w->focusPolicy() & Qt::TabFocus))
            chain << w;
        w = w->nextInFocusChain();
    }
    QCOMPARE(chain, expected);
}

void FormTest::defaultState()
{
    ConfigEditWindow* f = Build();
    QCOMPARE(f->objectName(), QStringLiteral("config edit"));
    QCOMPARE(f->wavType->count(), 3);
    QCOMPARE(f->wavType->currentIndex(), 1);
    QCOMPARE(f->sampleRate->currentIndex(), 1);
    for (QSpinBox* spin : {f->loopSize, f->limitMin, f->limitMax})
        QCOMPARE(spin->text(), QStringLiteral("disable"));
    for (QSpinBox* spin : {f->vasOnLevel, f->vasOnTime, f->vasOffLevel, f->vasOffTime})
        QCOMPARE(spin->text(), QStringLiteral("1"));
    QVERIFY(!f->vasEnable->isChecked());
    QVERIFY(!f->timersEnable->isChecked());
    QVERIFY(f->enableToolTip->isHidden());
    for (const TimerPanel& p : f->TimerPanels) {
        for (QSpinBox* spin : {p.month, p.day, p.hour, p.minut, p.lenght})
            QCOMPARE(spin->text(), QStringLiteral("1"));
        QVERIFY(!p.timerEnable->isChecked());
    }

    // The suffix follows the number directly; the special text shows at the minimum only.
    f->loopSize->setValue(20);
    QCOMPARE(f->loopSize->text(), QStringLiteral("20Mb"));
    f->limitMin->setValue(20);
    QCOMPARE(f->limitMin->text(), QStringLiteral("20kb"));
    TimerPanel& first = f->TimerPanels[0];
    first.hour->setValue(0);
    QCOMPARE(first.hour->text(), QStringLiteral("0"));
    first.hour->setValue(-1);
    QCOMPARE(first.hour->text(), QStringLiteral("allways"));
    first.month->setValue(0);
    QCOMPARE(first.month->text(), QStringLiteral("allways"));
    first.lenght->setValue(0);
    QCOMPARE(first.lenght->text(), QStringLiteral("unlimited"));
    // A typed value off the step grid is accepted.
    f->limitMax->findChild<QLineEdit*>()->setText(QStringLiteral("7"));
    f->limitMax->interpretText();
    QCOMPARE(f->limitMax->value(), 7);
}

void FormTest::clockEditorsFollowManualTime_data()
{
    QTest::addColumn<int>("manualTime");
    QTest::newRow("clock follows the computer") << 0;
    QTest::newRow("set by hand") << 1;
}

void FormTest::clockEditorsFollowManualTime()
{
    QFETCH(int, manualTime);
    Preferences.ManualTime = manualTime;
    const QDate dayBefore = QDate::currentDate();
    const QTime before = QTime::currentTime().addMSecs(-QTime::currentTime().msec());
    ConfigEditWindow* f = Build();
    const QTime after = QTime::currentTime();

    QCOMPARE(f->setTime->isEnabled(), manualTime != 0);
    QCOMPARE(f->setDate->isEnabled(), manualTime != 0);
    QCOMPARE(f->manualTimeEnable->isChecked(), manualTime != 0);
    // Whole seconds of the moment of construction (the clock file carries what is shown).
    QCOMPARE(f->setTime->time().msec(), 0);
    if (after >= before) {
        QVERIFY(f->setTime->time() >= before);
        QVERIFY(f->setTime->time() <= after);
    }
    QVERIFY(f->setDate->date() == dayBefore || f->setDate->date() == QDate::currentDate());
}

void FormTest::comboLists_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("current");

    QTest::newRow("defaults") << QStringList{"none", "u-Law", "ADPCM"}
                              << QStringList{"none", "u-Law", "ADPCM"} << 1;
    QTest::newRow("single entry stays current") << QStringList{"PCM"} << QStringList{"PCM"} << 0;
    QTest::newRow("empty list") << QStringList{} << QStringList{} << -1;
    QTest::newRow("stops at the first empty entry")
        << QStringList{"a", "b", "", "d"} << QStringList{"a", "b"} << 1;
    QTest::newRow("eight entries, seven characters each")
        << QStringList{"1234567", "2", "3", "4", "5", "6", "7", "8"}
        << QStringList{"1234567", "2", "3", "4", "5", "6", "7", "8"} << 1;
}

void FormTest::comboLists()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, items);
    QFETCH(int, current);

    for (char(*list)[8] : {Preferences.HMode, Preferences.HSample}) {
        std::memset(list, 0, 64);
        for (int i = 0; i < entries.size(); ++i)
            std::strncpy(list[i], entries[i].toLatin1().constData(), 7);
    }
    ConfigEditWindow* f = Build();
    for (QComboBox* box : {f->wavType, f->sampleRate}) {
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(box->currentIndex(), current);
    }
}

void FormTest::constructionCallsOnlyTheStartSlots_data()
{
    QTest::addColumn<int>("toolTip");
    QTest::addColumn<int>("setTime");
    QTest::addColumn<int>("delOldTime");
    QTest::addColumn<int>("manualTime");

    QTest::newRow("defaults") << 1 << 1 << 1 << 0;
    QTest::newRow("every option flipped") << 0 << 0 << 0 << 1;
}

void FormTest::constructionCallsOnlyTheStartSlots()
{
    QFETCH(int, toolTip);
    QFETCH(int, setTime);
    QFETCH(int, delOldTime);
    QFETCH(int, manualTime);
    Preferences.ToolTip = toolTip;
    Preferences.SetTime = setTime;
    Preferences.DelOldTime = delOldTime;
    Preferences.ManualTime = manualTime;

    QStringList trace;
    ConfigEditWindow::slotTrace = [&trace](const char* slot) {
        trace << QString::fromLatin1(slot);
    };
    Build();
    QCOMPARE(trace, (QStringList{"ChangePath", "UpdateEnable", "UpdateInfo"}));
    QCOMPARE(Preferences.ToolTip, toolTip);
    QCOMPARE(Preferences.SetTime, setTime);
    QCOMPARE(PrefText(Preferences.SDpath), cardPath);
    // The clock starts after construction.
    QTRY_VERIFY(trace.contains(QStringLiteral("Periodic")));
    QCOMPARE(trace.mid(0, 4),
             (QStringList{"ChangePath", "UpdateEnable", "UpdateInfo", "Periodic"}));
}

void FormTest::aboutKeepsItsSize()
{
    ConfigEditWindow* f = Build();
    auto* about = f->findChild<QPushButton*>("about");
    QVERIFY(about);
    QVERIFY(about->text().isEmpty());
    QVERIFY(!about->icon().isNull());
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    for (const QSize& size : {QSize(1600, 1100), QSize(200, 150), f->sizeHint()}) {
        f->resize(size);
        QTest::qWait(10);
        QCOMPARE(about->size(), QSize(38, 38));
    }
}

void FormTest::typedClockReachesTheFile_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("ru_RU") << QLocale(QLocale::Russian, QLocale::Russia);
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void FormTest::typedClockReachesTheFile()
{
    QFETCH(QLocale, locale);
    const QLocale before;
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    Preferences.ManualTime = 1;
    ConfigEditWindow* f = Build();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    // Nothing the user cannot see (seconds, in many locales) may reach the file.
    f->setTime->setTime(QTime(7, 7, 7));
    f->setDate->setDate(QDate(1999, 9, 9));
    // The digits only: a full section moves on to the next by itself.
    struct Typed {
        QDateTimeEdit* editor;
        const char* keys;
        const char* shown;
    };
    for (const Typed& typed :
         {Typed{f->setTime, "123000", "12:30:00"}, Typed{f->setDate, "01022003", "01.02.2003"}}) {
        typed.editor->setFocus();
        typed.editor->setSelectedSection(typed.editor->sectionAt(0));
        QTest::keyClicks(typed.editor, QLatin1String(typed.keys));
        QCOMPARE(typed.editor->text(), QLatin1String(typed.shown));
    }
    QCOMPARE(f->ClockBytes(), QByteArray("01.02.03\r\n12:30:00\r\n"));
}

void FormTest::groupBoxesLookAsQtDrawsThem_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::newRow("settings") << "WAV file format setting" << QSize(284, 201);
    QTest::newRow("timer") << "Timer 1" << QSize(318, 149);
    QTest::newRow("wide and low") << "Config file path" << QSize(1069, 56);
    QTest::newRow("no title") << QString() << QSize(1108, 40);
    QTest::newRow("one pixel over the picture") << "T" << QSize(99, 60);
    QTest::newRow("smaller than the picture") << "T" << QSize(60, 30);
}

// The form draws its group frames itself (cheaper at start-up): on screen they look as Qt's
// own group box draws them, pixel for pixel.
void FormTest::groupBoxesLookAsQtDrawsThem()
{
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QGroupBox qt(title);
    std::unique_ptr<QGroupBox> ours(NewFormGroupBox(title, nullptr));
    QImage shots[2];
    int shot = 0;
    for (QGroupBox* box : {&qt, ours.get()}) {
        box->setFixedSize(size);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        shots[shot++] =
            box->screen()->grabWindow(box->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QCOMPARE(shots[1], shots[0]);
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"
