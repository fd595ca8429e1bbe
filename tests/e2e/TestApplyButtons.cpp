// Button functions chosen through the customize page reach the virtual mouse's button slots:
// a macro with its packed events, a combo key and a fire key.
#include "app/MousecfgWidget.h"
#include "buttons/KroBtnWindow.h"
#include "buttons/KroComboKeyWindow.h"
#include "buttons/KroFireKeyWindow.h"
#include "buttons/KroGunsetDialog.h"
#include "buttons/KroMacroSelect.h"
#include "buttons/buttonFunctions.h"
#include "store/MouseConfig.h"
#include "store/macroFiles.h"
#include "widgets/KroMenu.h"
#include "widgets/KroPushButton.h"

#include "e2eFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QtTest>

namespace {

using Slot = std::array<quint8, 4>;
using Triple = std::array<quint8, 3>;

constexpr int BUTTON = 3; // the fourth front button

KroBtnWindow* buttonPanel(E2eFixture& e2e)
{
    return e2e.window().findChild<KroBtnWindow*>(QStringLiteral("buttonPanel"));
}

// Picks a menu entry for front button BUTTON the way a user does: marker, then the function menu.
void chooseFunction(E2eFixture& e2e, int code)
{
    e2e.selectFrontButton(BUTTON);
    KroBtnWindow* panel = buttonPanel(e2e);
    QVERIFY(panel);
    QCOMPARE(panel->selectedSlot(), BUTTON);
    QVERIFY(panel->action(code));
    panel->action(code)->trigger();
}

Slot sentSlot(E2eFixture& e2e)
{
    return e2e.decoder().buttonSlot(E2eFixture::deviceSlot(BUTTON));
}

} // namespace

class TestApplyButtons : public QObject {
    Q_OBJECT
private slots:
    void macroReachesItsSlotAndArea()
    {
        E2eFixture e2e;
        // Five key events and no delay: the mouse gets a short delay after every fourth and at the end.
        Macro macro;
        const quint8 usages[] = { 4, 5, 6, 7, 8 };
        for (quint8 usage : usages)
            macro.events.append(MacroEvent::key(usage, usage % 2 == 0));
        QCOMPARE(saveMacro(QStringLiteral("Burst"), macro), 0);
        QVERIFY(registerMacro(QStringLiteral("Burst")) >= 0);

        e2eAnswerWith<KroMacroSelect>([](KroMacroSelect* dialog) {
            const QList<QAction*> entries = dialog->macroMenu()->actions();
            QCOMPARE(entries.size(), 1);
            entries.first()->trigger();
            dialog->findChild<QLineEdit*>(QStringLiteral("loopEdit"))->setText(QStringLiteral("300"));
        });
        chooseFunction(e2e, ButtonFun::Macro);
        // 300 is beyond what the loop edit accepts: the dialog refused and nothing was bound.
        QVERIFY(currentConfig.current().buttons[BUTTON].Fun != FUN_MACRO);

        e2eAnswerWith<KroMacroSelect>([](KroMacroSelect* dialog) {
            dialog->macroMenu()->actions().first()->trigger();
            dialog->findChild<QLineEdit*>(QStringLiteral("loopEdit"))->setText(QStringLiteral("7"));
        });
        chooseFunction(e2e, ButtonFun::Macro);
        QCOMPARE(currentConfig.current().buttons[BUTTON].macroname, QStringLiteral("Burst"));
        e2e.apply();

        QCOMPARE(sentSlot(e2e), (Slot { 0x91, 0, 7, 0 })); // the first macro of the download is number 0
        QVERIFY(e2e.decoder().buttonBlockFramed());
        const MacroEvent delay { MAP_DELAY, 0, 1 }; // (6, 1, 0) as map, low, high
        QVector<MacroEvent> expected = macro.events;
        expected.insert(4, delay);
        expected.append(delay);
        QVector<Triple> packed;
        for (const MacroEvent& e : expected)
            packed.append(Triple { e.map, e.dataL, e.dataH });
        QCOMPARE(e2e.decoder().macroEvents(0), packed);
        QCOMPARE(e2e.decoder().macroArea(1).count(char(0)), VirtualMouseDecoder::MACRO_AREA_SIZE);
    }

    void gunSetFromTheMacroPageIsBoundAndSent()
    {
        E2eFixture e2e;
        e2e.window().switchPage(MousecfgWidget::PageMacro);
        KroPushButton* gunSet = e2e.button(QStringLiteral("macroGunSet"));
        QVERIFY(gunSet && gunSet->isVisibleTo(&e2e.window()));
        e2eAnswerWith<KroGunsetDialog>([](KroGunsetDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("gunNameEdit"))->setText(QStringLiteral("AK"));
            dialog->setBulletCount(2);
            dialog->findChild<QSpinBox*>(QStringLiteral("vertical0"))->setValue(5);
        });
        gunSet->click();
        QCOMPARE(macroListNames(), QStringList { QStringLiteral("AK") });
        const QVector<MacroEvent> rows = readMacroRows(QStringLiteral("AK"));
        QVERIFY(!rows.isEmpty());

        e2eAnswerWith<KroMacroSelect>(
            [](KroMacroSelect* dialog) { dialog->macroMenu()->actions().first()->trigger(); });
        chooseFunction(e2e, ButtonFun::Macro);
        e2e.apply();
        QCOMPARE(sentSlot(e2e), (Slot { 0x91, 0, 1, 0 }));
        // The gun rows carry delays, so they are sent as they stand.
        const QVector<Triple> sent = e2e.decoder().macroEvents(0);
        QCOMPARE(sent.size(), rows.size());
        QCOMPARE(sent.first(), (Triple { rows.first().map, rows.first().dataL, rows.first().dataH }));
    }

    void comboKeyReachesItsSlot()
    {
        E2eFixture e2e;
        e2eAnswerWith<KroComboKeyWindow>([](KroComboKeyWindow* dialog) {
            // Left Ctrl down, A down, A up, Ctrl up, as the keyboard capture delivers them.
            dialog->onKeyEvent(0x1D, 0);
            dialog->onKeyEvent(0x1E, 0);
            dialog->onKeyEvent(0x1E, 0x80);
            dialog->onKeyEvent(0x1D, 0x80);
        });
        chooseFunction(e2e, ButtonFun::ComboKey);
        QCOMPARE(currentConfig.current().buttons[BUTTON].Fun, int(ButtonFun::ComboKey));
        e2e.apply();
        QCOMPARE(sentSlot(e2e), (Slot { 0x8F, 0x01, 0x04, 0 })); // Ctrl mask, HID usage of A
    }

    void fireKeyReachesItsSlot()
    {
        E2eFixture e2e;
        e2eAnswerWith<KroFireKeyWindow>([](KroFireKeyWindow* dialog) {
            dialog->findChild<QAbstractButton*>(QStringLiteral("fireKeyboard"))->click();
            dialog->onKeyEvent(0x39, 0); // Space
            dialog->findChild<QLineEdit*>(QStringLiteral("timesEdit"))->setText(QStringLiteral("7"));
            dialog->findChild<QLineEdit*>(QStringLiteral("delayEdit"))->setText(QStringLiteral("50"));
        });
        chooseFunction(e2e, ButtonFun::FireKey);
        e2e.apply();
        QCOMPARE(sentSlot(e2e), (Slot { 0x99, 44, 7, 5 })); // Space, 7 times, 50 ms in tens
    }
};

QTEST_MAIN(TestApplyButtons)
#include "TestApplyButtons.moc"
