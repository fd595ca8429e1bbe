// The key, macro selection and gun set dialogs on their own: capture rules, refusals, files.
#include "buttons/KroComboKeyWindow.h"
#include "buttons/KroFireKeyWindow.h"
#include "buttons/KroGunsetDialog.h"
#include "buttons/KroMacroSelect.h"
#include "buttons/KroSingleKeyWindow.h"
#include "buttons/KroSniperWindow.h"
#include "store/appContext.h"
#include "store/macroFiles.h"
#include "support/TestAppDir.h"
#include "support/buttonsSkin.h"
#include "widgets/KroMenu.h"
#include "widgets/KroMessageBox.h"
#include "widgets/dialogHook.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

namespace {

QLineEdit* edit(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(name);
}
QAbstractButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QAbstractButton*>(name);
}

void registerEmptyMacro(const QString& name, int slot)
{
    QVERIFY(saveMacro(name, Macro()) == 0);
    QSettings(appDir() + "/Configs/Config.ini", QSettings::IniFormat)
        .setValue(QString("MACRO_LIST/%1").arg(slot), name);
}

} // namespace

class TestButtonDialogs : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void singleKeyTakesTheLastNamedKey();
    void keysArriveFromTheKeyboard();
    void fireKeyIgnoresKeysWhileEditing();
    void fireKeyRefusesWhatTheMouseCannotDo();
    void macroSelectListsRegisteredSlotsInOrder();
    void macroSelectRefusesEmptyLoopCountAndNoMacro();
    void gunSetRefusesEmptyOrUnsafeNames();
    void gunSetCreatesRegisteredFileUnderFreeName();
    void gunSetRefusedWhenListIsFull();
    void dialogsScaleWithTheDisplayFactor();
    void screenshots();
};

void TestButtonDialogs::cleanup()
{
    dialogHook::clear();
}

void TestButtonDialogs::singleKeyTakesTheLastNamedKey()
{
    TestAppDir dir;
    KroSingleKeyWindow dialog(nullptr);
    QCOMPARE(int(dialog.key()), 0);
    dialog.onKeyEvent(0x1D, KEY_FLAG_EXTENDED); // right Ctrl
    QCOMPARE(int(dialog.key()), 238);
    QCOMPARE(dialog.findChild<QLabel*>("keyLabel")->text(), QStringLiteral("RCtr"));
    dialog.onKeyEvent(0x47, 0); // keypad 7
    QCOMPARE(int(dialog.key()), 235);
    dialog.onKeyEvent(0x54, 0); // a code without a name or usage keeps the previous key
    QCOMPARE(int(dialog.key()), 235);
    dialog.prefill(30);
    QCOMPARE(dialog.findChild<QLabel*>("keyLabel")->text(), QStringLiteral("A"));
}

void TestButtonDialogs::keysArriveFromTheKeyboard()
{
    TestAppDir dir;
    auto* dialog = new KroSingleKeyWindow(nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // Native key numbers are evdev codes + 8: right Ctrl is 97 + 8.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 105, 0, 0);
    QCoreApplication::sendEvent(dialog->windowHandle(), &press);
    QCOMPARE(int(dialog->key()), 238);
    // Escape is a key to capture here, not a way out of the dialog.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, 9, 0, 0);
    QCoreApplication::sendEvent(dialog->windowHandle(), &escape);
    QCOMPARE(int(dialog->key()), 1);
    QVERIFY(dialog->isVisible());
    delete dialog;
    // With the dialog gone, keys go nowhere.
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QKeyEvent later(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0, 0);
    QCoreApplication::sendEvent(other.windowHandle(), &later);
}

void TestButtonDialogs::fireKeyIgnoresKeysWhileEditing()
{
    TestAppDir dir;
    KroFireKeyWindow dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    // Keys are not taken in the mouse modes.
    dialog.onKeyEvent(0x1E, 0);
    QCOMPARE(int(dialog.key()), 0);
    button(&dialog, "fireKeyboard")->click();
    QVERIFY(button(&dialog, "fireKeyboard")->isChecked());
    QVERIFY(!button(&dialog, "fireLeft")->isChecked());
    dialog.onKeyEvent(0x1E, 0);
    QCOMPARE(int(dialog.key()), 30);
    // Typing digits into Times changes the count, not the key.
    edit(&dialog, "timesEdit")->setFocus();
    QTRY_VERIFY(edit(&dialog, "timesEdit")->hasFocus());
    dialog.onKeyEvent(0x03, 0);
    QCOMPARE(int(dialog.key()), 30);
    // Clicking the dialog leaves the field, and keys count again.
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_VERIFY(!edit(&dialog, "timesEdit")->hasFocus());
    dialog.onKeyEvent(0x30, 0);
    QCOMPARE(int(dialog.key()), 48);
    // A mouse mode drops the key.
    button(&dialog, "fireLeft")->click();
    QCOMPARE(int(dialog.key()), 0);
    QCOMPARE(dialog.findChild<QLabel*>("keyLabel")->text(), QString());
    // Clicking the checked box again keeps it checked: one mode is always on.
    button(&dialog, "fireLeft")->click();
    QVERIFY(button(&dialog, "fireLeft")->isChecked());
}

void TestButtonDialogs::fireKeyRefusesWhatTheMouseCannotDo()
{
    TestAppDir dir;
    KroFireKeyWindow dialog(nullptr);
    edit(&dialog, "timesEdit")->setText("");
    button(&dialog, "yesBtn")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    edit(&dialog, "timesEdit")->setText("5");
    button(&dialog, "fireKeyboard")->click();
    button(&dialog, "yesBtn")->click(); // keyboard mode without a key
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.onKeyEvent(0x02, 0); // "1"
    button(&dialog, "yesBtn")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    ButtonInfo stored;
    dialog.writeTo(stored);
    QCOMPARE(stored.Fun, 12);
    QCOMPARE(int(stored.Res1), 30); // HID usage of "1"
    QCOMPARE(stored.LoopNumber, 5);
    QCOMPARE(stored.KeyNumber, 100);
}

void TestButtonDialogs::macroSelectListsRegisteredSlotsInOrder()
{
    TestAppDir dir;
    registerEmptyMacro("Zeta", 0);
    registerEmptyMacro("Alpha", 2);
    registerEmptyMacro("Mid", 5);
    KroMacroSelect dialog(nullptr, "MACRO SELECT", "Alpha", 3, 1);
    QStringList names;
    for (QAction* action : dialog.macroMenu()->actions())
        names << action->text();
    QCOMPARE(names, (QStringList { "Zeta", "Alpha", "Mid" }));
    QCOMPARE(dialog.selectedName(), QStringLiteral("Alpha"));
    QCOMPARE(edit(&dialog, "loopEdit")->text(), QStringLiteral("3"));
    QVERIFY(button(&dialog, "modeButton1")->isChecked());
    QCOMPARE(dialog.mode(), 1);
    dialog.macroMenu()->actions().at(2)->trigger();
    QCOMPARE(dialog.selectedName(), QStringLiteral("Mid"));
    button(&dialog, "modeButton0")->click();
    QCOMPARE(dialog.mode(), 0);
    QVERIFY(!button(&dialog, "modeButton1")->isChecked());
}

void TestButtonDialogs::macroSelectRefusesEmptyLoopCountAndNoMacro()
{
    TestAppDir dir;
    registerEmptyMacro("One", 0);
    KroMacroSelect dialog(nullptr, "MACRO SELECT", QString(), 1, 0);
    button(&dialog, "yesBtn")->click(); // no macro chosen
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.macroMenu()->actions().first()->trigger();
    edit(&dialog, "loopEdit")->setText("");
    QCOMPARE(dialog.loopCount(), 0);
    button(&dialog, "yesBtn")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    edit(&dialog, "loopEdit")->setText("255");
    button(&dialog, "yesBtn")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.loopCount(), 255);
}

void TestButtonDialogs::gunSetRefusesEmptyOrUnsafeNames()
{
    TestAppDir dir;
    dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
    KroGunsetDialog dialog(nullptr);
    dialog.OnYesClick();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialogHook::history(dialogHook::Kind::Message).last().texts.value(1),
        QStringLiteral("Please input file name."));
    dialog.findChild<QLineEdit*>("gunNameEdit")->setText("../outside");
    dialog.OnYesClick();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialogHook::history(dialogHook::Kind::Message).size(), 2);
    QVERIFY(dialog.events().isEmpty());
}

void TestButtonDialogs::gunSetCreatesRegisteredFileUnderFreeName()
{
    TestAppDir dir;
    registerEmptyMacro("AK", 0);
    dialogHook::answerEvery(dialogHook::Kind::Dialog, [](QDialog* dialog) {
        auto* gun = qobject_cast<KroGunsetDialog*>(dialog);
        gun->findChild<QLineEdit*>("gunNameEdit")->setText("  AK  ");
        gun->setBulletCount(2);
        gun->findChild<QSpinBox*>("vertical0")->setValue(5);
        gun->findChild<QSpinBox*>("horizontal1")->setValue(-3);
        gun->findChild<QSpinBox*>("delay1")->setValue(250);
        gun->findChild<QSpinBox*>("vertical2")->setValue(40); // beyond the count: unused
        gun->OnYesClick();
        return gun->result();
    });
    const QString name = KroGunsetDialog::createGunFile(nullptr);
    QCOMPARE(name, QStringLiteral("AK_2"));
    QCOMPARE(macroListNames(), (QStringList { "AK", "AK_2" }));
    QSettings file(macroFilePath(name), QSettings::IniFormat);
    QCOMPARE(file.value("Setting/Count").toInt(), 8);
    QCOMPARE(file.value("Setting/DelayType").toInt(), 1);
    QCOMPARE(file.value("Setting/LoopType").toInt(), 0);
    QCOMPARE(file.value("Setting/DefaultDelay").toInt(), 10);
    QCOMPARE(file.value("Setting/LoopTime").toInt(), 1);
    QCOMPARE(file.value("Setting/DataH_2").toInt(), 5);
    QCOMPARE(file.value("Setting/DataL_6").toInt(), 253);
    QCOMPARE(file.value("Setting/DataL_7").toInt(), 25);
    QVERIFY(!file.contains("Setting/WriteSign"));
}

void TestButtonDialogs::gunSetRefusedWhenListIsFull()
{
    TestAppDir dir;
    QSettings config(appDir() + "/Configs/Config.ini", QSettings::IniFormat);
    for (int i = 0; i < MACRO_LIST_SLOTS; ++i)
        config.setValue(QString("MACRO_LIST/%1").arg(i), QString("m%1").arg(i));
    config.sync();
    dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
    bool opened = false;
    dialogHook::answerEvery(dialogHook::Kind::Dialog, [&opened](QDialog*) {
        opened = true;
        return int(QDialog::Accepted);
    });
    QCOMPARE(KroGunsetDialog::createGunFile(nullptr), QString());
    QVERIFY(!opened);
    QCOMPARE(dialogHook::history(dialogHook::Kind::Message).last().texts.value(1),
        QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
}

void TestButtonDialogs::dialogsScaleWithTheDisplayFactor()
{
    TestAppDir dir;
    setScaleFactor(1.5);
    KroSingleKeyWindow single(nullptr);
    KroSniperWindow sniper(nullptr, 3360);
    KroMacroSelect select(nullptr, "MACRO SELECT", QString(), 1, 0);
    KroGunsetDialog gun(nullptr);
    setScaleFactor(1.0);
    QCOMPARE(single.size(), QSize(600, 387));
    QCOMPARE(sniper.size(), QSize(600, 387));
    QCOMPARE(select.size(), QSize(717, 463));
    QCOMPARE(gun.size(), QSize(928, 600));
    // Everything placed inside stays inside.
    for (QDialog* dialog : std::initializer_list<QDialog*> { &single, &sniper, &select, &gun }) {
        for (QWidget* child : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            QVERIFY2(dialog->rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
    }
}

void TestButtonDialogs::screenshots()
{
    TestAppDir dir(true);
    buttonsCopySkin(dir.path());
    registerEmptyMacro("Reload", 0);
    KroComboKeyWindow combo(nullptr);
    combo.onKeyEvent(0x1D, 0);
    combo.onKeyEvent(0x2A, 0);
    combo.onKeyEvent(0x1E, 0);
    QVERIFY(buttonsSaveShot(combo.grab().toImage(), "combo"));
    KroFireKeyWindow fire(nullptr);
    QVERIFY(buttonsSaveShot(fire.grab().toImage(), "fire"));
    KroSniperWindow sniper(nullptr, 3389);
    QVERIFY(buttonsSaveShot(sniper.grab().toImage(), "sniper"));
    KroMacroSelect select(nullptr, "MACRO SELECT", "Reload", 3, 1);
    QVERIFY(buttonsSaveShot(select.grab().toImage(), "macroselect"));
    KroGunsetDialog gun(nullptr);
    gun.setBulletCount(3);
    QVERIFY(buttonsSaveShot(gun.grab().toImage(), "gunset"));
}

QTEST_MAIN(TestButtonDialogs)
#include "TestButtonDialogs.moc"
