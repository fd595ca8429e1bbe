// Renaming or deleting a macro on the macro page carries the buttons bound to it along: a renamed
// macro is still sent whole, a deleted one gives its buttons back their factory function.
#include "app/MousecfgWidget.h"
#include "buttons/KroBtnWindow.h"
#include "macros/MacroDialog.h"
#include "store/MouseConfig.h"
#include "store/macroFiles.h"
#include "store/profileFiles.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include "e2eFixture.h"

#include <QLineEdit>
#include <QtTest>

namespace {

using Triple = std::array<quint8, 3>;

constexpr int BUTTON = 3; // the fourth front button; its factory function is "Forward"

// A macro of five key events without delays, made on the macro page ("NEW", then its rows) and
// bound to BUTTON of profile 1 and to the scroll-up slot of profile 2.
void bindNewMacro(E2eFixture& e2e, Macro& macro, QString& name)
{
    // Shown, as pages only show again inside a shown window.
    e2e.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&e2e.window()));
    e2e.window().switchPage(MousecfgWidget::PageMacro);
    e2e.button(QStringLiteral("macroNew"))->click();
    name = e2e.window().findChild<MacroDialog*>()->currentMacroName();
    for (quint8 usage : { 4, 5, 6, 7, 8 })
        macro.events.append(MacroEvent::key(usage, usage % 2 == 0));
    saveMacro(name, macro);
    for (ButtonInfo* button : { &currentConfig.profiles[0].buttons[BUTTON], &currentConfig.profiles[1].buttons[40] }) {
        button->Fun = FUN_MACRO;
        button->LoopNumber = 1;
        button->macroname = name;
        copyMacroToButton(name, *button);
    }
}

QString labelText(E2eFixture& e2e, int slot)
{
    e2e.window().switchPage(MousecfgWidget::PageCustomize);
    auto* panel = e2e.window().findChild<KroBtnWindow*>(QStringLiteral("buttonPanel"));
    return panel ? panel->label(slot)->text() : QString();
}

QString savedMacroName(int profile, int slot)
{
    ProfileData saved;
    loadProfileFile(saved, currentConfig.profileNames[profile]);
    return saved.buttons[slot].macroname;
}

} // namespace

class TestMacroBindings : public QObject {
    Q_OBJECT
private slots:
    void renamedMacroKeepsItsButtonsAndIsSentWhole()
    {
        E2eFixture e2e;
        Macro macro;
        QString name;
        bindNewMacro(e2e, macro, name);
        e2e.window().findChild<QLineEdit*>(QStringLiteral("macroNameEdit"))->setText(QStringLiteral("Volley"));
        e2e.button(QStringLiteral("macroChangeName"))->click();

        QCOMPARE(currentConfig.profiles[0].buttons[BUTTON].macroname, QStringLiteral("Volley"));
        QCOMPARE(currentConfig.profiles[1].buttons[40].macroname, QStringLiteral("Volley"));
        QCOMPARE(savedMacroName(0, BUTTON), QStringLiteral("Volley"));
        QCOMPARE(savedMacroName(1, 40), QStringLiteral("Volley"));
        QCOMPARE(labelText(e2e, BUTTON), QStringLiteral("Volley"));

        e2e.apply();
        // All five events reach the mouse, with the pauses a macro without delays gets.
        const QVector<Triple> sent = e2e.decoder().macroEvents(0);
        QCOMPARE(sent.size(), 7);
        QCOMPARE(sent[5], (Triple { macro.events[4].map, macro.events[4].dataL, 0 }));
    }

    void deletedMacroGivesItsButtonsTheirFactoryFunction()
    {
        E2eFixture e2e;
        Macro macro;
        QString name;
        bindNewMacro(e2e, macro, name);
        e2e.apply();
        QCOMPARE(e2e.decoder().buttonSlot(E2eFixture::deviceSlot(BUTTON))[0], quint8(0x91));
        QCOMPARE(labelText(e2e, BUTTON), name);
        e2e.window().switchPage(MousecfgWidget::PageMacro);

        // Answered No: nothing is deleted or changed.
        dialogHook::answerNext(QDialog::Rejected);
        e2e.button(QStringLiteral("macroDelete"))->click();
        QCOMPARE(e2eBoxMessages().value(0),
            QStringLiteral("THIS MACRO IS USED BY PROFILE 1 BUTTON 4, PROFILE 2 SCROLL UP. DELETE IT AND GIVE THESE "
                           "BUTTONS THEIR DEFAULT FUNCTION?"));
        QVERIFY(macroFileExists(name));
        QCOMPARE(currentConfig.profiles[0].buttons[BUTTON].Fun, FUN_MACRO);

        e2e.button(QStringLiteral("macroDelete"))->click();
        QVERIFY(!macroFileExists(name));
        const ButtonInfo& reset = currentConfig.profiles[0].buttons[BUTTON];
        QCOMPARE(reset.Fun, 4);
        QVERIFY(reset.macroname.isEmpty());
        QCOMPARE(currentConfig.profiles[1].buttons[40].Fun, 52);
        QCOMPARE(savedMacroName(1, 40), QString());
        QCOMPARE(labelText(e2e, BUTTON), QStringLiteral("Forward"));

        e2e.apply();
        QCOMPARE(e2e.decoder().buttonSlot(E2eFixture::deviceSlot(BUTTON)), (std::array<quint8, 4> { 0x85, 0, 0, 0 }));
    }
};

QTEST_MAIN(TestMacroBindings)
#include "TestMacroBindings.moc"
