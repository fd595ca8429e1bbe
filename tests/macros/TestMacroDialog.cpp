// Macro page: list management, recording from the keyboard, hand insertion, row editing, import/export,
// clipboard and history of the rows.
#include "macros/KroTreeItem.h"
#include "macros/KroTreeWidget.h"
#include "macros/MacroDialog.h"
#include "macros/MacroFileDialogs.h"
#include "platform/KeyboardCapture.h"
#include "support/TestAppDir.h"
#include "widgets/KroFileDialog.h"
#include "widgets/KroLabel.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {

constexpr int kEvdevA = 30;
constexpr int kEvdevS = 31;
constexpr int kEvdevKeypadEnter = 96;
constexpr int kEvdevCtrl = 29;
constexpr int kEvdevShift = 42;
constexpr int kEvdevZ = 44;
constexpr int kEvdevC = 46;
constexpr int kEvdevV = 47;
constexpr int kEvdevDelete = 111;

const MacroEvent kPressA { 0x84, 0, 4 };
const MacroEvent kReleaseA { 0x04, 0, 4 };
const MacroEvent kPressS { 0x84, 0, 22 };
const MacroEvent kReleaseS { 0x04, 0, 22 };
const MacroEvent kDelay30 { 6, 0, 3 };

// A shown macro page in its own application directory, with a clock the test moves.
struct Page {
    TestAppDir dir;
    QWidget window;
    MacroDialog* page = nullptr;
    qint64 now = 5000;

    explicit Page(const QStringList& macros = {}, bool withData = false)
        : dir(withData)
    {
        for (const QString& name : macros) {
            saveMacro(name, Macro());
            registerMacro(name);
        }
        window.resize(700, 480);
        page = new MacroDialog(&window);
        page->setGeometry(0, 0, 665, 467);
        page->recorder().setClock([this] { return now; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T = KroPushButton> T* find(const char* name) const
    {
        T* w = page->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    void click(const char* name) const { find(name)->click(); }
    void key(QEvent::Type type, int evdev, bool autoRepeat = false)
    {
        QKeyEvent ev(type, Qt::Key_unknown, Qt::NoModifier, quint32(evdev + 8), 0, 0, QString(), autoRepeat);
        QCoreApplication::sendEvent(window.windowHandle(), &ev);
    }
    void tap(int evdev)
    {
        key(QEvent::KeyPress, evdev);
        now += 20;
        key(QEvent::KeyRelease, evdev);
    }
    // A key with modifiers as the desktop delivers it to the focused table: Ctrl (and Shift) down,
    // the key, and up again, with the native codes the recorder would see.
    void shortcut(Qt::Key qtKey, int evdev, Qt::KeyboardModifiers mods)
    {
        QVector<int> held { kEvdevCtrl };
        if (mods & Qt::ShiftModifier)
            held << kEvdevShift;
        if (!(mods & Qt::ControlModifier))
            held.clear();
        for (int code : held)
            key(QEvent::KeyPress, code);
        for (QEvent::Type type : { QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease }) {
            QKeyEvent ev(type, qtKey, mods, quint32(evdev + 8), 0, 0);
            QCoreApplication::sendEvent(
                type == QEvent::ShortcutOverride ? static_cast<QObject*>(table()) : window.windowHandle(), &ev);
        }
        for (int code : held)
            key(QEvent::KeyRelease, code);
    }
    QTableView* table() const { return find<QTableView>("macroTable"); }
    // Clicks a row of the table, with Shift to extend the selection to it.
    void clickRow(int row, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        const QRect r = table()->visualRect(table()->model()->index(row, 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, mods, r.center());
    }
    void show(const char* macro, const QVector<MacroEvent>& rows)
    {
        Macro m;
        m.events = rows;
        saveMacro(macro, m);
        const QStringList names = macroListNames();
        page->itemClicked(find<QListWidget>("macroList")->model()->index(names.indexOf(macro), 0));
    }
    QVector<MacroEvent> fileRows() const { return readMacroRows(page->currentMacroName()); }
};

QString lastMessage()
{
    const auto shown = dialogHook::history(dialogHook::Kind::Message);
    return shown.isEmpty() ? QString() : shown.last().texts.value(1);
}

} // namespace

class TestMacroDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void newTakesFreeNameAndStopsAt50();
    void deleteLeavesHoleAndLoadsNext();
    void changeNameAvoidsCollisionsAndRefusesPaths();
    void recordsKeysWithDelays();
    void unreleasedKeyWarnsAndSaves();
    void startWithoutMacroCapturesNothing();
    void treeInsertsClicksMovesAndDelays();
    void insertingStopsAt63();
    void reorderAndDeleteRows();
    void editsKeyMouseMoveAndDelayRows();
    void cancelRestoresFile();
    void importAndExportSingle();
    void importAndExportBatch();
    void gunSetButtonAndNaming();
    void loopButtonsAndDelayOptionsSaved();
    void copyPasteIntoAnotherMacroAndUndo();
    void recordAfterSelectedRow();
    void recordAfterAndPasteStopAt63();
    void screenshots();
};

void TestMacroDialog::init()
{
    dialogHook::clear();
    dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
    MacroFileDialogs::clearTestHooks();
}

void TestMacroDialog::newTakesFreeNameAndStopsAt50()
{
    Page p;
    saveMacro("name_1", Macro());
    saveMacro("name_3", Macro());
    p.click("macroNew");
    QCOMPARE(p.page->currentMacroName(), QString("name_2"));
    QCOMPARE(macroListNames(), QStringList { "name_2" });
    QVERIFY(macroFileExists("name_2"));
    QCOMPARE(p.find<QLineEdit>("macroNameEdit")->text(), QString("name_2"));
    QCOMPARE(p.find<QLineEdit>("macroDefaultDelay")->text(), QString("10"));

    for (int i = 1; i < MACRO_LIST_SLOTS; ++i)
        registerMacro(QString("m%1").arg(i));
    p.click("macroNew");
    QCOMPARE(lastMessage(), QString("TOO MANY MACROS TO BE CREATE!"));
    QCOMPARE(dialogHook::history(dialogHook::Kind::Message).last().texts.value(0), QString("WARNING"));
    QVERIFY(!macroFileExists("name_4"));
    QCOMPARE(macroListCount(), 50);
}

void TestMacroDialog::deleteLeavesHoleAndLoadsNext()
{
    Macro second;
    second.events = { MacroEvent::key(5, true) };
    Page p({ "first", "second", "third" });
    saveMacro("second", second);
    p.page->itemClicked(p.find<QListWidget>("macroList")->model()->index(0, 0));
    QCOMPARE(p.page->currentMacroName(), QString("first"));
    p.click("macroDelete");
    QVERIFY(!macroFileExists("first"));
    QCOMPARE(macroListSlots().at(0), QString());
    QCOMPARE(p.page->currentMacroName(), QString("second"));
    QCOMPARE(p.page->rows(), second.events);

    p.click("macroNew");
    QCOMPARE(macroListSlots().at(0), QString("name_1"));
}

void TestMacroDialog::changeNameAvoidsCollisionsAndRefusesPaths()
{
    Page p({ "A", "X", "X_2" });
    QCOMPARE(p.page->currentMacroName(), QString("A"));
    p.find<QLineEdit>("macroNameEdit")->setText("X");
    p.click("macroChangeName");
    QCOMPARE(p.page->currentMacroName(), QString("X_3"));
    QCOMPARE(macroListNames(), (QStringList { "X_3", "X", "X_2" }));
    QVERIFY(macroFileExists("X_3"));
    QVERIFY(!macroFileExists("A"));

    p.find<QLineEdit>("macroNameEdit")->setText("../outside");
    p.click("macroChangeName");
    QCOMPARE(p.page->currentMacroName(), QString("X_3"));
    QVERIFY(macroFileExists("X_3"));
    QVERIFY(!lastMessage().isEmpty());
    QCOMPARE(p.find<QLineEdit>("macroNameEdit")->text(), QString("X_3"));
}

void TestMacroDialog::recordsKeysWithDelays()
{
    Page p({ "rec" });
    QSignalSpy enable(p.page, &MacroDialog::EnableButtonsSignal);
    p.find<QCheckBox>("macroRecordDelays")->click();
    p.click("macroStart");
    QVERIFY(p.page->isRecording());
    QVERIFY(p.page->keyboardCapture()->isActive());
    QCOMPARE(enable.count(), 1);
    QCOMPARE(enable.last().at(0).toBool(), false);
    QVERIFY(!p.find("macroNew")->isEnabled());

    p.key(QEvent::KeyPress, kEvdevA);
    p.now += 15;
    p.key(QEvent::KeyRelease, kEvdevA, true); // auto-repeat pair: ignored
    p.key(QEvent::KeyPress, kEvdevA, true);
    p.now += 22;
    p.key(QEvent::KeyRelease, kEvdevA); // 37 ms after the press
    p.key(QEvent::KeyPress, kEvdevKeypadEnter); // same millisecond
    p.now += 100;
    p.key(QEvent::KeyRelease, kEvdevKeypadEnter);
    p.click("macroStop");

    const QVector<MacroEvent> expected { { 0x84, 0, 4 }, { 6, 0, 3 }, { 0x04, 0, 4 }, { 6, 0, 1 }, { 0x84, 0, 88 },
        { 6, 0, 10 }, { 0x04, 0, 88 } };
    QCOMPARE(p.page->rows(), expected);
    QCOMPARE(p.fileRows(), expected);
    QCOMPARE(p.page->currentRow(), 6);
    QVERIFY(!p.page->keyboardCapture()->isActive());
    QCOMPARE(enable.last().at(0).toBool(), true);
    QVERIFY(p.find("macroNew")->isEnabled());
    QVERIFY(dialogHook::history(dialogHook::Kind::Message).isEmpty());

    // Without delays a recording holds 40 events.
    p.find<QCheckBox>("macroRecordDelays")->click();
    p.click("macroStart");
    QVERIFY(p.page->rows().isEmpty());
    for (int i = 0; i < 25; ++i)
        p.tap(kEvdevA + i % 5);
    p.click("macroStop");
    QCOMPARE(p.fileRows().size(), 40);
}

void TestMacroDialog::unreleasedKeyWarnsAndSaves()
{
    Page p({ "held" });
    p.click("macroStart");
    p.key(QEvent::KeyPress, kEvdevS);
    p.click("macroStop");
    QCOMPARE(lastMessage(), QString("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    QCOMPARE(p.fileRows(), (QVector<MacroEvent> { { 0x84, 0, 22 } }));
}

void TestMacroDialog::startWithoutMacroCapturesNothing()
{
    Page p;
    QSignalSpy enable(p.page, &MacroDialog::EnableButtonsSignal);
    p.click("macroStart");
    QVERIFY(p.page->isRecording());
    QVERIFY(!p.page->keyboardCapture()->isActive());
    QCOMPARE(enable.count(), 0);
    p.tap(kEvdevA);
    QVERIFY(p.page->rows().isEmpty());
    p.click("macroStop");
    QVERIFY(!p.page->isRecording());
}

void TestMacroDialog::treeInsertsClicksMovesAndDelays()
{
    Page p({ "hand" });
    auto* tree = p.find<KroTreeWidget>("macroActionTree");
    QTreeWidgetItem* middle = tree->buttonItem(1);
    p.page->TreeitemClick(middle, 0); // collapsed: only expands
    QVERIFY(middle->isExpanded());
    QVERIFY(p.page->rows().isEmpty());
    p.page->TreeitemClick(middle, 0); // DelayType 0: press, release
    QCOMPARE(p.page->rows(), (QVector<MacroEvent> { { 0x81, 0, 4 }, { 0x01, 0, 4 } }));

    p.find<QCheckBox>("macroRecordDelays")->click();
    p.page->SelectRow(0);
    p.page->TreeitemClick(tree->buttonItem(2)->child(0), 0); // RIGHT press + 10 ms, after row 0
    QCOMPARE(p.page->rows().mid(1, 2), (QVector<MacroEvent> { { 0x81, 0, 2 }, { 6, 0, 1 } }));
    QCOMPARE(p.page->currentRow(), 2);

    p.find<QCheckBox>("macroDefaultDelayCheck")->click();
    QVERIFY(!p.find<QCheckBox>("macroRecordDelays")->isChecked());
    p.find<QLineEdit>("macroDefaultDelay")->setText("500");
    tree->moveItem(MoveDirection::Left)->setDistance(20);
    emit tree->moveItem(MoveDirection::Left)->KroMousePressed();
    QCOMPARE(p.page->rows().mid(3, 2), (QVector<MacroEvent> { { 2, 0, 236 }, { 6, 0, 50 } }));

    p.click("macroInsertDelay");
    QCOMPARE(p.page->rows().at(5), (MacroEvent { 6, 0, 1 }));
    QCOMPARE(p.page->rows().size(), 7);
    QCOMPARE(p.page->rows().last(), (MacroEvent { 0x01, 0, 4 }));
}

void TestMacroDialog::insertingStopsAt63()
{
    Page p({ "full" });
    for (int i = 0; i < 62; ++i)
        p.click("macroInsertDelay");
    QCOMPARE(p.page->rows().size(), 62);
    auto* tree = p.find<KroTreeWidget>("macroActionTree");
    tree->buttonItem(0)->setExpanded(true);
    p.page->TreeitemClick(tree->buttonItem(0), 0); // a whole click does not fit: nothing added
    QCOMPARE(p.page->rows().size(), 62);
    QCOMPARE(lastMessage(), QString("A MACRO HOLDS AT MOST 63 EVENTS."));
    p.click("macroInsertDelay");
    p.click("macroInsertDelay");
    QCOMPARE(p.page->rows().size(), 63);
}

void TestMacroDialog::reorderAndDeleteRows()
{
    Page p({ "order" });
    for (int i = 0; i < 4; ++i)
        p.click("macroInsertDelay");
    // Give the rows distinct values to follow them.
    for (int i = 0; i < 4; ++i) {
        p.page->SelectRow(i);
        p.click("macroEdit");
        p.find<QLineEdit>("macroEditDelay")->setText(QString::number((i + 1) * 100));
        p.click("macroSave");
    }
    auto counts = [&] {
        QVector<int> c;
        for (const MacroEvent& e : p.page->rows())
            c.append(delayCount(e));
        return c;
    };
    QCOMPARE(counts(), (QVector<int> { 10, 20, 30, 40 }));
    p.page->SelectRow(2);
    p.click("macroTop");
    QCOMPARE(counts(), (QVector<int> { 30, 10, 20, 40 }));
    QCOMPARE(p.page->currentRow(), 0);
    p.click("macroMoveUp"); // already at the top
    QCOMPARE(counts(), (QVector<int> { 30, 10, 20, 40 }));
    p.click("macroMoveDown");
    QCOMPARE(counts(), (QVector<int> { 10, 30, 20, 40 }));
    QCOMPARE(p.page->currentRow(), 1);
    p.click("macroBottom");
    QCOMPARE(counts(), (QVector<int> { 10, 20, 40, 30 }));
    p.click("macroDeleteRow"); // last row removed: the new last row is selected
    QCOMPARE(counts(), (QVector<int> { 10, 20, 40 }));
    QCOMPARE(p.page->currentRow(), 2);
    p.page->SelectRow(0);
    p.click("macroDeleteRow");
    QCOMPARE(counts(), (QVector<int> { 20, 40 }));
    QCOMPARE(p.page->currentRow(), 0);
    p.click("macroClear");
    QVERIFY(p.page->rows().isEmpty());
    p.click("macroTop");
    p.click("macroDeleteRow");
}

void TestMacroDialog::editsKeyMouseMoveAndDelayRows()
{
    Page p({ "edit" });
    Macro m;
    m.events = { MacroEvent::key(4, true), MacroEvent::button(0, false), MacroEvent::move(MoveDirection::Up, 5),
        MacroEvent::delay(30, 10) };
    saveMacro("edit", m);
    p.click("macroCancel"); // reload from the file
    QSignalSpy enable(p.page, &MacroDialog::EnableButtonsSignal);

    p.page->SelectRow(0);
    p.click("macroEdit");
    QVERIFY(p.page->isEditing());
    QCOMPARE(enable.last().at(0).toBool(), false);
    QVERIFY(!p.find("macroTop")->isEnabled());
    QVERIFY(p.find("macroSave")->isEnabled());
    QVERIFY(p.page->keyboardCapture()->isActive());
    QCOMPARE(p.find<KroLabel>("macroEditKeyLabel")->text(), QString("A"));
    p.key(QEvent::KeyPress, kEvdevKeypadEnter);
    p.key(QEvent::KeyRelease, kEvdevKeypadEnter);
    QCOMPARE(p.page->rows().at(0), (MacroEvent { 0x84, 0, 88 })); // still a press
    QCOMPARE(p.find<KroLabel>("macroEditKeyLabel")->text(), QString("Num Enter"));

    p.page->SelectRow(1);
    QVERIFY(p.find<QComboBox>("macroEditMouse")->isVisible());
    QCOMPARE(p.find<QComboBox>("macroEditMouse")->currentIndex(), 0);
    emit p.find<QComboBox>("macroEditMouse")->activated(2); // RIGHT CLICK
    QCOMPARE(p.page->rows().at(1), (MacroEvent { 0x01, 0, 2 }));

    p.page->SelectRow(2);
    QVERIFY(!p.page->keyboardCapture()->isActive());
    auto* direction = p.find<QComboBox>("macroEditDirection");
    auto* distance = p.find<QLineEdit>("macroEditDistance");
    QCOMPARE(direction->currentIndex(), int(MoveDirection::Up));
    QCOMPARE(distance->text(), QString("5"));
    distance->setText("12");
    QCOMPARE(p.page->rows().at(2), (MacroEvent { 2, 244, 0 }));
    emit direction->activated(int(MoveDirection::Right));
    QCOMPARE(p.page->rows().at(2), (MacroEvent { 2, 0, 12 }));
    distance->setText("500"); // out of range: row kept
    QCOMPARE(p.page->rows().at(2), (MacroEvent { 2, 0, 12 }));

    p.page->SelectRow(3);
    auto* delay = p.find<QLineEdit>("macroEditDelay");
    QCOMPARE(delay->text(), QString("30"));
    delay->setText("1000");
    QCOMPARE(p.page->rows().at(3), (MacroEvent { 6, 0, 100 }));
    QCOMPARE(p.page->currentRow(), 3);

    p.click("macroSave");
    QVERIFY(!p.page->isEditing());
    QVERIFY(!p.page->keyboardCapture()->isActive());
    QCOMPARE(enable.last().at(0).toBool(), true);
    QVERIFY(p.find("macroTop")->isEnabled());
    QCOMPARE(p.fileRows(), p.page->rows());
    QCOMPARE(macroWriteSign("edit"), 1);
}

void TestMacroDialog::cancelRestoresFile()
{
    Page p({ "keep" });
    Macro m;
    m.events = { MacroEvent::delay(30, 10) };
    saveMacro("keep", m);
    p.click("macroCancel");
    p.click("macroEdit");
    p.find<QLineEdit>("macroEditDelay")->setText("990");
    p.click("macroCancel");
    QVERIFY(!p.page->isEditing());
    QCOMPARE(p.page->rows(), m.events);
    QCOMPARE(p.fileRows(), m.events);
}

void TestMacroDialog::importAndExportSingle()
{
    Page p({ "here" });
    QTemporaryDir outside;
    Macro m;
    m.events = { MacroEvent::key(9, true), MacroEvent::key(9, false) };
    saveMacro("shared", m);
    QVERIFY(QFile::copy(macroFilePath("shared"), outside.filePath("shared.MSMACRO")));
    deleteMacroFile("shared");

    dialogHook::answerNextFile(outside.filePath("shared.MSMACRO"));
    p.click("macroImport");
    QCOMPARE(dialogHook::last().texts.value(0), QString("Load Macro File"));
    QCOMPARE(dialogHook::last().texts.value(2), QString("Macro File(*.MSMACRO)"));
    QCOMPARE(p.page->currentMacroName(), QString("shared"));
    QCOMPARE(p.page->rows(), m.events);
    QCOMPARE(macroListNames(), (QStringList { "here", "shared" }));

    dialogHook::answerNextFile(outside.filePath("shared.MSMACRO"));
    p.click("macroImport");
    QCOMPARE(lastMessage(), QString("Macro Exist!"));
    QCOMPARE(macroListCount(), 2);

    dialogHook::answerNextFile(outside.filePath("back"));
    p.click("macroExport");
    QCOMPARE(dialogHook::last().texts.value(0), QString("Save Macro File"));
    QCOMPARE(readMacroRows("shared"), m.events);
    QCOMPARE(QSettings(outside.filePath("back.MSMACRO"), QSettings::IniFormat).value("Setting/Count").toInt(), 2);

    dialogHook::answerNextFile(QString()); // cancelled
    p.click("macroImport");
    QCOMPARE(macroListCount(), 2);
}

void TestMacroDialog::importAndExportBatch()
{
    Page p({ "one", "two", "three" });
    QTemporaryDir outside;
    for (const char* name : { "b1", "b2" }) {
        Macro m;
        m.events = { MacroEvent::delay(20, 10) };
        saveMacro(name, m);
        QFile::copy(macroFilePath(name), outside.filePath(QString(name) + ".MSMACRO"));
        deleteMacroFile(name);
    }
    QFile junk(outside.filePath("junk.MSMACRO"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a macro");
    junk.close();

    p.find<QCheckBox>("macroBatch")->click();
    QVERIFY(p.page->isBatchMode());
    QVERIFY(!p.find("macroNew")->isEnabled());
    MacroFileDialogs::answerNextFiles(
        { outside.filePath("b1.MSMACRO"), outside.filePath("b2.MSMACRO"), outside.filePath("junk.MSMACRO") });
    p.click("macroImport");
    QCOMPARE(macroListNames(), (QStringList { "one", "two", "three", "b1", "b2" }));
    QVERIFY(lastMessage().contains("junk.MSMACRO"));

    auto* list = p.find<QListWidget>("macroList");
    QCOMPARE(list->count(), 5);
    for (int row : { 1, 4 })
        qobject_cast<QCheckBox*>(list->itemWidget(list->item(row)))->setChecked(true);
    QTemporaryDir target;
    MacroFileDialogs::answerNextDirectory(target.path());
    p.click("macroExport");
    QStringList exported = QDir(target.path()).entryList(QDir::Files);
    exported.sort();
    QCOMPARE(exported, (QStringList { "b2.MSMACRO", "two.MSMACRO" }));

    p.find<QCheckBox>("macroBatch")->click();
    QVERIFY(p.find("macroNew")->isEnabled());
    QVERIFY(!list->itemWidget(list->item(0)));
}

void TestMacroDialog::gunSetButtonAndNaming()
{
    Page p({ "recoil" });
    auto* gun = p.find("macroGunSet");
    QVERIFY(!gun->isVisible());
    QSignalSpy spy(p.page, &MacroDialog::GunSetSignal);
    QVERIFY(gun->isVisible());
    gun->click();
    QCOMPARE(spy.count(), 1);

    const QVector<MacroEvent> rows { { 0x81, 0, 1 }, { 2, 5, 0 }, { 6, 0, 10 }, { 0x01, 0, 1 } };
    QCOMPARE(p.page->addGunSetMacro("  recoil ", rows), QString("recoil_2"));
    QCOMPARE(p.page->currentMacroName(), QString("recoil_2"));
    QCOMPARE(readMacroRows("recoil_2"), rows);
    QVERIFY(!QSettings(macroFilePath("recoil_2"), QSettings::IniFormat).contains("Setting/WriteSign"));
    QVERIFY(p.find<QCheckBox>("macroRecordDelays")->isChecked());
    QCOMPARE(macroListNames(), (QStringList { "recoil", "recoil_2" }));
    QVERIFY(p.page->addGunSetMacro("../bad", rows).isEmpty());

    for (int i = 2; i < MACRO_LIST_SLOTS; ++i)
        registerMacro(QString("m%1").arg(i));
    gun->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(lastMessage(), QString("TOO MANY MACROS TO BE CREATE!"));
}

void TestMacroDialog::loopButtonsAndDelayOptionsSaved()
{
    Page p({ "loops" });
    p.click("macroLoopWhileDown");
    p.click("macroLoopTimes");
    QVERIFY(p.find("macroLoopTimes")->isToggled());
    QVERIFY(!p.find("macroLoopWhileDown")->isToggled());
    p.find<QLineEdit>("macroLoopTime")->setText("7");
    p.find<QCheckBox>("macroDefaultDelayCheck")->click();
    p.click("macroSave");
    Macro m;
    loadMacro("loops", m);
    QCOMPARE(m.loopType, int(LOOP_TIMES));
    QCOMPARE(m.loopTime, QString("7"));
    QCOMPARE(m.delayType, int(DELAY_DEFAULT));

    p.click("macroLoopTimes"); // off again: all three may be off
    p.click("macroSave");
    loadMacro("loops", m);
    QCOMPARE(m.loopType, int(LOOP_NONE));
}

void TestMacroDialog::copyPasteIntoAnotherMacroAndUndo()
{
    Page p({ "from", "to" });
    p.show("from", { kPressA, kDelay30, kReleaseA, kPressS });
    QApplication::setActiveWindow(&p.window);
    p.clickRow(0);
    p.clickRow(2, Qt::ShiftModifier);
    QVERIFY(p.table()->hasFocus());
    p.page->grab().save("/tmp/macros-block-selected.png");
    p.shortcut(Qt::Key_C, kEvdevC, Qt::ControlModifier);

    p.show("to", { kDelay30, kReleaseS });
    p.clickRow(0);
    p.shortcut(Qt::Key_V, kEvdevV, Qt::ControlModifier);
    const QVector<MacroEvent> pasted { kDelay30, kPressA, kDelay30, kReleaseA, kReleaseS };
    QCOMPARE(p.page->rows(), pasted);
    p.click("macroSave");
    QCOMPARE(p.fileRows(), pasted);
    QCOMPARE(macroWriteSign("to"), 1); // sent again at the next apply
    QVERIFY(dialogHook::history(dialogHook::Kind::Message).isEmpty());

    // Cutting A's release is allowed; SAVE warns as a recording's STOP does, and saves.
    p.clickRow(3);
    p.click("macroCut");
    QCOMPARE(p.page->currentRow(), 3);
    p.click("macroSave");
    QCOMPARE(lastMessage(), QString("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    QCOMPARE(p.fileRows(), (QVector<MacroEvent> { kDelay30, kPressA, kDelay30, kReleaseS }));
    p.clickRow(0);
    p.click("macroPaste"); // after the selected row
    QCOMPARE(p.page->rows(), (QVector<MacroEvent> { kDelay30, kReleaseA, kPressA, kDelay30, kReleaseS }));
    p.shortcut(Qt::Key_Delete, kEvdevDelete, Qt::NoModifier);
    QCOMPARE(p.page->rows(), (QVector<MacroEvent> { kDelay30, kPressA, kDelay30, kReleaseS }));

    // Undo walks back delete, paste and cut, selection included; redo goes forward again.
    p.shortcut(Qt::Key_Z, kEvdevZ, Qt::ControlModifier);
    p.click("macroUndo");
    p.shortcut(Qt::Key_Z, kEvdevZ, Qt::ControlModifier);
    QCOMPARE(p.page->rows(), pasted);
    QCOMPARE(p.page->currentRow(), 3);
    p.shortcut(Qt::Key_Z, kEvdevZ, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(p.page->rows(), (QVector<MacroEvent> { kDelay30, kPressA, kDelay30, kReleaseS }));
    p.click("macroRedo");
    QCOMPARE(p.page->rows().size(), 5);
    // None of these keys became a row: outside a recording they are the page's shortcuts.
    QVERIFY(!p.page->keyboardCapture()->isActive());

    // Clear, a move and an edit (one step however often the value changes) undo too.
    p.click("macroClear");
    p.click("macroUndo");
    QCOMPARE(p.page->rows().size(), 5);
    p.clickRow(0);
    p.click("macroEdit");
    p.find<QLineEdit>("macroEditDelay")->setText("100");
    p.find<QLineEdit>("macroEditDelay")->setText("1000");
    p.click("macroSave");
    p.click("macroBottom");
    QCOMPARE(p.page->rows().last(), (MacroEvent { 6, 0, 100 }));
    p.click("macroUndo");
    p.click("macroUndo");
    QCOMPARE(p.page->rows().first(), kDelay30);
    // Loading a macro starts its history afresh.
    p.show("from", { kPressA });
    p.click("macroUndo");
    QCOMPARE(p.page->rows(), (QVector<MacroEvent> { kPressA }));
}

void TestMacroDialog::recordAfterSelectedRow()
{
    struct Case {
        bool delays;
        QVector<MacroEvent> expected;
    };
    // The inserted block starts without a delay; its delays are in MinDelay units.
    const Case cases[] = {
        { false, { kPressS, kPressA, kReleaseA, kReleaseS } },
        { true, { kPressS, kPressA, { 6, 0, 2 }, kReleaseA, kReleaseS } },
    };
    for (const Case& c : cases) {
        Page p({ "around" });
        p.show("around", { kPressS, kReleaseS });
        p.find<QCheckBox>("macroRecordDelays")->setChecked(c.delays);
        p.page->SelectRow(0);
        p.now += 5000;
        p.click("macroRecordAfter");
        QVERIFY(p.page->isRecording());
        QVERIFY(p.find("macroStop")->isVisible());
        p.tap(kEvdevA);
        p.click("macroStop");
        QCOMPARE(p.page->rows(), c.expected);
        QCOMPARE(p.fileRows(), c.expected);
        p.click("macroUndo"); // the whole recording is one step
        QCOMPARE(p.page->rows(), (QVector<MacroEvent> { kPressS, kReleaseS }));
    }

    // While recording, the shortcut keys are macro keys: recorded, nothing pasted.
    Page p({ "keys" });
    p.show("keys", { kDelay30 });
    p.clickRow(0);
    p.click("macroCopy");
    p.click("macroRecordAfter");
    p.table()->setFocus();
    p.shortcut(Qt::Key_V, kEvdevV, Qt::ControlModifier);
    p.click("macroStop");
    QCOMPARE(p.page->rows(),
        (QVector<MacroEvent> { kDelay30, { 0x84, 0, 0xE0 }, { 0x84, 0, 25 }, { 0x04, 0, 25 }, { 0x04, 0, 0xE0 } }));
}

void TestMacroDialog::recordAfterAndPasteStopAt63()
{
    Page p({ "long" });
    p.show("long", QVector<MacroEvent>(60, kDelay30));
    p.find<QCheckBox>("macroRecordDelays")->setChecked(true);
    p.page->SelectRow(0);
    p.click("macroRecordAfter");
    p.tap(kEvdevA); // press, delay and release: 63 rows
    QVERIFY(dialogHook::history(dialogHook::Kind::Message).isEmpty());
    p.now += 20;
    p.key(QEvent::KeyPress, kEvdevS); // delay and press do not fit: the recording ends and says so
    QVERIFY(!p.page->isRecording());
    QVERIFY(!p.page->keyboardCapture()->isActive());
    QCOMPARE(dialogHook::history(dialogHook::Kind::Message).first().texts.value(1), QString("A MACRO HOLDS AT MOST 63 EVENTS."));
    QCOMPARE(p.fileRows().size(), 63);
    QCOMPARE(p.fileRows().mid(1, 3), (QVector<MacroEvent> { kPressA, { 6, 0, 2 }, kReleaseA }));

    dialogHook::clear();
    dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
    p.clickRow(0);
    p.click("macroCopy");
    p.click("macroPaste");
    QCOMPARE(p.page->rows().size(), 63);
    QCOMPARE(lastMessage(), QString("A MACRO HOLDS AT MOST 63 EVENTS."));
}

void TestMacroDialog::screenshots()
{
    Page p({ "look" }, true);
    p.find<QCheckBox>("macroRecordDelays")->click();
    p.click("macroStart");
    for (int evdev : { kEvdevA, kEvdevS })
        p.tap(evdev);
    p.key(QEvent::KeyPress, kEvdevKeypadEnter);
    p.page->grab().save("/tmp/macros-recording.png");
    p.click("macroStop");
    emit p.find<KroTreeWidget>("macroActionTree")->moveItem(MoveDirection::Down)->KroMousePressed();
    p.page->SelectRow(2);
    p.click("macroEdit");
    p.page->grab().save("/tmp/macros-editing.png");
    p.click("macroCancel");
    QVERIFY(!p.page->isEditing());
}

QTEST_MAIN(TestMacroDialog)
#include "TestMacroDialog.moc"
