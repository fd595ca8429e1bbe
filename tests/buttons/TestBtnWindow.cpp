// The button assignment panel: menus, labels, left-click guard, macro binding and key dialogs.
#include "buttons/KroBtnWindow.h"
#include "buttons/KroComboKeyWindow.h"
#include "buttons/KroFireKeyWindow.h"
#include "buttons/KroMacroSelect.h"
#include "buttons/KroSniperWindow.h"
#include "store/macroFiles.h"
#include "support/TestAppDir.h"
#include "support/buttonsSkin.h"
#include "widgets/KroMenu.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A description with `count` front buttons; hidden lists the rows marked 255.
QByteArray description(int count, const QList<int>& hidden = {}, const QByteArray& extra = {})
{
    QByteArray text = "[PROFILE]\nButtonCount=" + QByteArray::number(count) + "\nMouseDpi=0\n";
    for (int row : hidden)
        text += "BUTTON_INFO_" + QByteArray::number(row) + "_Matrix2=255\n";
    return text + extra;
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

void registerMacroWithEvents(const QString& name, int events)
{
    Macro macro;
    for (int i = 0; i < events; ++i)
        macro.events.append(MacroEvent::key(quint8(4 + i % 20), i % 2 == 0));
    QCOMPARE(saveMacro(name, macro), 0);
    QVERIFY(registerMacro(name) >= 0);
}

// Answers the next dialog after letting the test act on it.
template <typename Dialog, typename Fn> void answerWith(int result, Fn act)
{
    dialogHook::answerEvery(dialogHook::Kind::Dialog, [result, act](QDialog* dialog) {
        auto* typed = qobject_cast<Dialog*>(dialog);
        if (!typed)
            return int(QDialog::Rejected);
        act(typed);
        return result;
    });
}

} // namespace

class TestBtnWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void menusFollowTheDescription();
    void hiddenRowsKeepNumbersContiguous();
    void wheelLabelsAndSelection();
    void leftClickGuardRefusesTheLastLeft();
    void plainEntryKeepsOtherFields();
    void macroManagerWithoutMacrosAsksForMacroPage();
    void bindingCopiesTheMacroEvents();
    void bindingALongMacroKeepsTheFirst63AndTells();
    void cancelledBindingChangesNothing();
    void bindingAMissingMacroFileChangesNothing();
    void comboKeyDialogWritesNestedEvents();
    void fireKeyPrefillAndStore();
    void sniperOpensAtCorrectedStep();
    void screenshotWithMenuOpen();

private:
    ProfileData m_profile;
};

void TestBtnWindow::cleanup()
{
    dialogHook::clear();
    m_profile = ProfileData();
}

void TestBtnWindow::menusFollowTheDescription()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    KroBtnWindow full(nullptr, &m_profile, 1.0);
    QStringList texts = menuTexts(full.mainMenu());
    QCOMPARE(texts.first(), QStringLiteral("Left"));
    QVERIFY(texts.contains("Macro Manager"));
    QVERIFY(texts.contains("Led Switch"));
    QCOMPARE(texts.last(), QStringLiteral("Button Off"));
    QCOMPARE(menuTexts(full.wheelMenu()).first(), QStringLiteral("Scroll Up"));

    dir.write("DefaultProfile.bin", description(5, {}, "DisableMacro=1\nledDisable=1\n"));
    full.retranslate();
    texts = menuTexts(full.mainMenu());
    QVERIFY(!texts.contains("Macro Manager"));
    QVERIFY(!texts.contains("Led Switch"));
    QCOMPARE(texts.size(), 12);
}

void TestBtnWindow::hiddenRowsKeepNumbersContiguous()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5, { 1 }));
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    panel.resize(332, 440);
    panel.show();
    QVERIFY(panel.label(1)->geometry().isEmpty());
    QCOMPARE(panel.label(0)->index(), 1);
    QCOMPARE(panel.label(2)->index(), 2);
    QCOMPARE(panel.label(4)->index(), 4);
    QVERIFY(panel.label(5)->geometry().isEmpty()); // beyond the button count
    QVERIFY(panel.label(2)->geometry().top() > panel.label(0)->geometry().bottom());
    QCOMPARE(panel.label(0)->geometry().left(), 56);
    QCOMPARE(panel.label(0)->geometry().size(), QSize(220, 30));
    // The wheel pair follows the last visible row.
    QVERIFY(panel.label(WHEEL_UP_SLOT)->geometry().top() > panel.label(4)->geometry().bottom());
    QVERIFY(panel.label(WHEEL_DOWN_SLOT)->geometry().bottom() <= 440);

    // More than nine rows: fixed pitch from y 30.
    dir.write("DefaultProfile.bin", description(11));
    panel.resize(332, 570);
    QCOMPARE(panel.label(0)->geometry().top(), 30);
    QCOMPARE(panel.label(1)->geometry().top(), 80);
}

void TestBtnWindow::wheelLabelsAndSelection()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(3));
    m_profile.buttons[40].Fun = 52;
    m_profile.buttons[2].Fun = 52;
    m_profile.buttons[41].Fun = 43;
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    QCOMPARE(panel.label(40)->text(), QStringLiteral("Scroll Up"));
    QCOMPARE(panel.label(41)->text(), QStringLiteral("Volume Up"));
    QCOMPARE(panel.label(2)->text(), QString());
    QCOMPARE(panel.label(40)->index(), 253);
    QCOMPARE(panel.label(41)->index(), 254);

    panel.setSelection(3, GROUP_SIDE);
    QCOMPARE(panel.selectedSlot(), 23);
    QVERIFY(panel.sidePageShown());
    QVERIFY(!panel.label(40)->isVisibleTo(&panel));
    panel.setSelection(1, GROUP_WHEEL);
    QCOMPARE(panel.selectedSlot(), 41);
    QVERIFY(!panel.sidePageShown());
    panel.setSelection(NO_SELECTION, NO_SELECTION);
    QCOMPARE(panel.selectedSlot(), -1);
}

void TestBtnWindow::leftClickGuardRefusesTheLastLeft()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    m_profile.buttons[0].Fun = 1;
    m_profile.buttons[1].Fun = 2;
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    QSignalSpy refused(&panel, &KroBtnWindow::PopOneClickBox);
    QSignalSpy control(&panel, &KroBtnWindow::SelBtnControl);

    panel.setSelection(0, GROUP_FRONT);
    panel.action(2)->trigger();
    QCOMPARE(refused.count(), 1);
    QCOMPARE(m_profile.buttons[0].Fun, 1);
    QCOMPARE(control.first().at(1).toBool(), true);

    panel.setSelection(0, GROUP_FRONT);
    panel.action(1)->trigger(); // Left again is fine
    QCOMPARE(refused.count(), 1);

    // With two Lefts either may change, then the other one is the last.
    m_profile.buttons[1].Fun = 1;
    panel.setSelection(1, GROUP_FRONT);
    panel.action(3)->trigger();
    QCOMPARE(m_profile.buttons[1].Fun, 3);
    QCOMPARE(panel.label(1)->text(), QStringLiteral("Middle"));
    QCOMPARE(panel.selectedSlot(), -1);
    panel.setSelection(0, GROUP_FRONT);
    panel.action(16)->trigger();
    QCOMPARE(refused.count(), 2);
    QCOMPARE(m_profile.buttons[0].Fun, 1);
}

void TestBtnWindow::plainEntryKeepsOtherFields()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    m_profile.buttons[3].Fun = ButtonFun::Macro;
    m_profile.buttons[3].macroname = "Old";
    m_profile.buttons[3].KeyNumber = 4;
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    QSignalSpy changed(&panel, &KroBtnWindow::ButtonChangedSignal);
    panel.setSelection(3, GROUP_FRONT);
    panel.action(48)->trigger();
    QCOMPARE(m_profile.buttons[3].Fun, 48);
    QCOMPARE(m_profile.buttons[3].KeyNumber, 4);
    QCOMPARE(panel.label(3)->text(), QStringLiteral("DPI +"));
    QCOMPARE(changed.count(), 1);
    // Nothing happens without a selection.
    panel.action(49)->trigger();
    QCOMPARE(m_profile.buttons[3].Fun, 48);
}

void TestBtnWindow::macroManagerWithoutMacrosAsksForMacroPage()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    QSignalSpy gotoMacro(&panel, &KroBtnWindow::GotoMacroTab);
    bool dialogShown = false;
    dialogHook::answerEvery(dialogHook::Kind::Dialog, [&](QDialog*) {
        dialogShown = true;
        return int(QDialog::Rejected);
    });
    panel.setSelection(2, GROUP_FRONT);
    panel.action(ButtonFun::Macro)->trigger();
    QCOMPARE(gotoMacro.count(), 1);
    QCOMPARE(gotoMacro.first().at(0).value<quint8>(), quint8(3));
    QVERIFY(!dialogShown);
    QCOMPARE(m_profile.buttons[2].Fun, 0);
}

void TestBtnWindow::bindingCopiesTheMacroEvents()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    registerMacroWithEvents("Five", 5);
    for (KeyInfo& entry : m_profile.buttons[4].keyInfo)
        entry = { 7, 7, 7 };
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    answerWith<KroMacroSelect>(QDialog::Accepted, [](KroMacroSelect* dialog) {
        QCOMPARE(dialog->selectedName(), QString());
        dialog->macroMenu()->actions().first()->trigger();
        dialog->findChild<QLineEdit*>("loopEdit")->setText("4");
        dialog->findChild<QAbstractButton*>("modeButton2")->click();
    });
    panel.setSelection(4, GROUP_FRONT);
    panel.action(ButtonFun::Macro)->trigger();
    const ButtonInfo& button = m_profile.buttons[4];
    QCOMPARE(button.Fun, 200);
    QCOMPARE(button.macroname, QStringLiteral("Five"));
    QCOMPARE(button.LoopNumber, 4);
    QCOMPARE(int(button.Res1), 2);
    QCOMPARE(button.KeyNumber, 5);
    QCOMPARE(int(button.keyInfo[0].map), 0x84);
    QCOMPARE(int(button.keyInfo[0].L), 4);
    QCOMPARE(int(button.keyInfo[1].map), 0x04);
    QCOMPARE(int(button.keyInfo[4].L), 8);
    QCOMPARE(int(button.keyInfo[5].map), 7);
    QCOMPARE(int(button.keyInfo[62].H), 7);
    QCOMPARE(panel.label(4)->text(), QStringLiteral("Five (toggle)"));

    // Reopening shows the current choice.
    answerWith<KroMacroSelect>(QDialog::Rejected, [](KroMacroSelect* dialog) {
        QCOMPARE(dialog->selectedName(), QStringLiteral("Five"));
        QCOMPARE(dialog->loopCount(), 4);
        QCOMPARE(dialog->mode(), 2);
    });
    panel.setSelection(4, GROUP_FRONT);
    panel.action(ButtonFun::Macro)->trigger();
    QCOMPARE(m_profile.buttons[4].macroname, QStringLiteral("Five"));
}

void TestBtnWindow::bindingALongMacroKeepsTheFirst63AndTells()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    // The editor never saves more than 63 rows; a file from elsewhere can hold more.
    QByteArray text = "[Setting]\nCount=70\n";
    for (int i = 0; i < 70; ++i)
        text += QString("Map_%1=132\nDataH_%1=0\nDataL_%1=%2\n").arg(i).arg(i + 1).toLatin1();
    dir.write("Configs/MacroDB/Long.MSMACRO", text);
    QVERIFY(registerMacro("Long") >= 0);
    dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    answerWith<KroMacroSelect>(
        QDialog::Accepted, [](KroMacroSelect* dialog) { dialog->macroMenu()->actions().first()->trigger(); });
    panel.setSelection(0, GROUP_FRONT);
    panel.action(ButtonFun::Macro)->trigger();
    QCOMPARE(m_profile.buttons[0].KeyNumber, 63);
    QCOMPARE(int(m_profile.buttons[0].keyInfo[62].L), 63);
    QCOMPARE(dialogHook::history(dialogHook::Kind::Message).size(), 1);
    QVERIFY(dialogHook::history(dialogHook::Kind::Message).first().texts.value(1).contains("63"));
}

void TestBtnWindow::cancelledBindingChangesNothing()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    registerMacroWithEvents("A", 2);
    m_profile.buttons[1].Fun = 5;
    m_profile.buttons[1].LoopNumber = 9;
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    dialogHook::answerEvery(dialogHook::Kind::Dialog, [](QDialog*) { return int(QDialog::Rejected); });
    panel.setSelection(1, GROUP_FRONT);
    panel.action(ButtonFun::Macro)->trigger();
    panel.setSelection(1, GROUP_FRONT);
    panel.action(ButtonFun::FireKey)->trigger();
    QCOMPARE(m_profile.buttons[1].Fun, 5);
    QCOMPARE(m_profile.buttons[1].LoopNumber, 9);
    QCOMPARE(panel.label(1)->text(), QStringLiteral("Back"));
}

void TestBtnWindow::bindingAMissingMacroFileChangesNothing()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    QVERIFY(registerMacro("Gone") >= 0); // listed, but its file was deleted
    dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
    m_profile.buttons[2].Fun = 3;
    m_profile.buttons[2].KeyNumber = 6;
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    answerWith<KroMacroSelect>(
        QDialog::Accepted, [](KroMacroSelect* dialog) { dialog->macroMenu()->actions().first()->trigger(); });
    panel.setSelection(2, GROUP_FRONT);
    panel.action(ButtonFun::Macro)->trigger();
    QCOMPARE(m_profile.buttons[2].Fun, 3);
    QCOMPARE(m_profile.buttons[2].KeyNumber, 6);
    QCOMPARE(m_profile.buttons[2].macroname, QString());
    QCOMPARE(dialogHook::history(dialogHook::Kind::Message).size(), 1);
}

void TestBtnWindow::comboKeyDialogWritesNestedEvents()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    QString shown;
    answerWith<KroComboKeyWindow>(QDialog::Accepted, [&shown](KroComboKeyWindow* dialog) {
        dialog->onKeyEvent(0x1D, 0);
        dialog->onKeyEvent(0x1D, 0); // auto-repeat
        dialog->onKeyEvent(0x2A, 0);
        dialog->onKeyEvent(0x1E, 0);
        dialog->onKeyEvent(0x1E, 0x80);
        shown = dialog->findChild<QLabel*>("comboLabel")->text();
    });
    panel.setSelection(2, GROUP_FRONT);
    panel.action(ButtonFun::ComboKey)->trigger();
    QCOMPARE(shown, QStringLiteral("LShift + LCtr + A"));
    const ButtonInfo& button = m_profile.buttons[2];
    QCOMPARE(button.Fun, 7);
    QCOMPARE(panel.label(2)->text(), QStringLiteral("Shift + Ctrl + A"));
    const int maps[6] = { 225, 224, 4, 4, 224, 225 };
    for (int i = 0; i < 6; ++i)
        QCOMPARE(int(button.keyInfo[i].map), maps[i]);

    // Reopening shows the stored combination.
    answerWith<KroComboKeyWindow>(QDialog::Rejected, [&shown](KroComboKeyWindow* dialog) { shown = dialog->text(); });
    panel.setSelection(2, GROUP_FRONT);
    panel.action(ButtonFun::ComboKey)->trigger();
    QCOMPARE(shown, QStringLiteral("LShift + LCtr + A"));
}

void TestBtnWindow::fireKeyPrefillAndStore()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    m_profile.buttons[3].Fun = 12;
    m_profile.buttons[3].Res1 = 130;
    m_profile.buttons[3].LoopNumber = 0;
    m_profile.buttons[3].KeyNumber = 0;
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    answerWith<KroFireKeyWindow>(QDialog::Accepted, [](KroFireKeyWindow* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>("timesEdit")->text(), QStringLiteral("3"));
        QCOMPARE(dialog->findChild<QLineEdit*>("delayEdit")->text(), QStringLiteral("10"));
        QCOMPARE(dialog->mode(), 1);
        dialog->findChild<QAbstractButton*>("fireKeyboard")->click();
        dialog->onKeyEvent(0x39, 0); // Space
        dialog->findChild<QLineEdit*>("timesEdit")->setText("7");
    });
    panel.setSelection(3, GROUP_FRONT);
    panel.action(ButtonFun::FireKey)->trigger();
    const ButtonInfo& button = m_profile.buttons[3];
    QCOMPARE(int(button.Res1), 44); // HID usage of Space
    QCOMPARE(button.LoopNumber, 7);
    QCOMPARE(button.KeyNumber, 10);

    answerWith<KroFireKeyWindow>(QDialog::Accepted, [](KroFireKeyWindow* dialog) {
        QCOMPARE(dialog->mode(), 3);
        QCOMPARE(dialog->findChild<QLabel*>("keyLabel")->text(), QStringLiteral("Space"));
        dialog->findChild<QAbstractButton*>("fireMiddle")->click();
    });
    panel.setSelection(3, GROUP_FRONT);
    panel.action(ButtonFun::FireKey)->trigger();
    QCOMPARE(int(button.Res1), 132);
}

void TestBtnWindow::sniperOpensAtCorrectedStep()
{
    TestAppDir dir;
    dir.write("DefaultProfile.bin", description(5));
    dir.write("Configs/Config.ini", "[MouseSenSor]\n1=3389\n");
    m_profile.buttons[0].Fun = 2;
    m_profile.buttons[1].Fun = 55;
    m_profile.buttons[1].Res1 = 25;
    KroBtnWindow panel(nullptr, &m_profile, 1.0);
    int opened = -1;
    QString dpi;
    answerWith<KroSniperWindow>(QDialog::Accepted, [&](KroSniperWindow* dialog) {
        opened = dialog->step();
        dpi = dialog->findChild<QLabel*>("dpiLabel")->text();
    });
    panel.setSelection(1, GROUP_FRONT);
    // Sniper sits in no menu; its action is still handled.
    panel.action(ButtonFun::Sniper)->trigger();
    QCOMPARE(opened, 6);
    QCOMPARE(dpi, QStringLiteral("300"));
    QCOMPARE(int(m_profile.buttons[1].Res1), 6);
    QCOMPARE(panel.label(1)->text(), QStringLiteral("SNIPER"));
}

void TestBtnWindow::screenshotWithMenuOpen()
{
    TestAppDir dir(true);
    buttonsCopySkin(dir.path());
    dir.write("DefaultProfile.bin", description(7));
    m_profile.buttons[0].Fun = 1;
    m_profile.buttons[1].Fun = 2;
    m_profile.buttons[2].Fun = 3;
    m_profile.buttons[3].Fun = 4;
    m_profile.buttons[4].Fun = 5;
    m_profile.buttons[5].Fun = 47;
    m_profile.buttons[6].Fun = 200;
    m_profile.buttons[6].macroname = "Reload";
    m_profile.buttons[40].Fun = 52;
    m_profile.buttons[41].Fun = 53;
    QWidget host;
    host.setStyleSheet("background: rgb(20, 20, 20);");
    host.resize(332 + 260, 440);
    KroBtnWindow panel(&host, &m_profile, 1.0);
    panel.setGeometry(0, 0, 332, 440);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    panel.mainMenu()->popup(host.mapToGlobal(QPoint(200, 60)));
    QTest::qWait(50);
    const QString out = QDir::tempPath() + "/buttons-panel.png";
    // The menu is a window of its own: paint it over the panel where it popped up.
    QImage shot = host.grab().toImage();
    QPainter painter(&shot);
    painter.drawPixmap(panel.mainMenu()->geometry().topLeft() - host.geometry().topLeft(), panel.mainMenu()->grab());
    painter.end();
    QVERIFY(shot.save(out));
    panel.mainMenu()->close();
}

QTEST_MAIN(TestBtnWindow)
#include "TestBtnWindow.moc"
