// Function table, menus, left-click guard, key encodings and gun rows of the button page.
#include "buttons/ComboKeyState.h"
#include "buttons/buttonFunctions.h"
#include "buttons/gunRows.h"
#include "buttons/keyFunctions.h"

#include <QtTest>

namespace {

QVector<int> codesOf(const QVector<MenuEntry>& layout)
{
    QVector<int> codes;
    for (const MenuEntry& entry : layout)
        codes.append(entry.code);
    return codes;
}

// Feeds a set-1 key event the way the dialogs do: normalised first.
void press(ComboKeyState& state, int scan, int flags = 0)
{
    state.feed(dialogKeyCode(scan, flags), flags);
}
void release(ComboKeyState& state, int scan, int flags = 0)
{
    state.feed(dialogKeyCode(scan, flags | KEY_FLAG_UP), flags | KEY_FLAG_UP);
}

} // namespace

class TestButtonModel : public QObject {
    Q_OBJECT
private slots:
    void mainMenuFollowsDescriptionSwitches();
    void wheelCodesAreNamedOnlyOnTheWheelPair();
    void macroLabelsShowTheMacroName();
    void leftClickGuard();
    void dialogKeyCodes();
    void fireTargetRoundTrip();
    void sniperCorrectionPerSensor();
    void comboNestsPressesAndReleases();
    void comboRightCtrlStoresLeftUsage();
    void comboPrefillAndReleases();
    void gunRowsPerBullet();
};

void TestButtonModel::mainMenuFollowsDescriptionSwitches()
{
    const QVector<int> all = codesOf(mainMenuLayout(true, true));
    QCOMPARE(all, (QVector<int> { 1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 200, 54, 16 }));
    QCOMPARE(codesOf(mainMenuLayout(false, true)), (QVector<int> { 1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 54, 16 }));
    QCOMPARE(codesOf(mainMenuLayout(true, false)), (QVector<int> { 1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 200, 16 }));
    // Sniper and the profile entries have handlers but no place in the attached menus.
    for (SubMenu menu :
        { SubMenu::Basic, SubMenu::Windows, SubMenu::Advance, SubMenu::Media, SubMenu::Dpi, SubMenu::PollingRate }) {
        QVERIFY(!subMenuCodes(menu).contains(ButtonFun::Sniper));
        QVERIFY(!subMenuCodes(menu).contains(57));
    }
    QCOMPARE(wheelMenuCodes().first(), 52);
    QCOMPARE(wheelMenuCodes().last(), int(ButtonFun::ComboKey));
}

void TestButtonModel::wheelCodesAreNamedOnlyOnTheWheelPair()
{
    ButtonInfo button;
    button.Fun = ButtonFun::ScrollUp;
    QCOMPARE(slotLabelText(button, WHEEL_UP_SLOT), QStringLiteral("Scroll Up"));
    QCOMPARE(slotLabelText(button, 3), QString());
    button.Fun = ButtonFun::ScrollDown;
    QCOMPARE(slotLabelText(button, WHEEL_DOWN_SLOT), QStringLiteral("Scroll Down"));
    QCOMPARE(slotLabelText(button, 25), QString());
    // Codes without a name leave the label empty.
    for (int code : { 0, 8, 13, 56, 60, 61, 64, 199, 511 }) {
        button.Fun = code;
        QCOMPARE(slotLabelText(button, 0), QString());
    }
}

void TestButtonModel::macroLabelsShowTheMacroName()
{
    ButtonInfo button;
    button.macroname = QStringLiteral("Burst");
    button.Fun = ButtonFun::Macro;
    QCOMPARE(slotLabelText(button, 2), QStringLiteral("Burst"));
    button.Fun = ButtonFun::GunFile;
    QCOMPARE(slotLabelText(button, 41), QStringLiteral("Burst"));
    QVERIFY(!isPlainFunction(ButtonFun::Macro));
    QVERIFY(!isPlainFunction(ButtonFun::FireKey));
    QVERIFY(isPlainFunction(ButtonFun::LedSwitch));
    QVERIFY(isPlainFunction(63));
}

void TestButtonModel::leftClickGuard()
{
    ProfileData profile;
    profile.buttons[0].Fun = ButtonFun::Left;
    profile.buttons[1].Fun = ButtonFun::Right;
    QVERIFY(leftClickGuardRefuses(profile, 0, ButtonFun::Right));
    QVERIFY(leftClickGuardRefuses(profile, 0, ButtonFun::Macro));
    QVERIFY(!leftClickGuardRefuses(profile, 0, ButtonFun::Left));
    QVERIFY(!leftClickGuardRefuses(profile, 1, ButtonFun::Middle));
    // A second Left anywhere, the wheel pair included, frees either of them.
    profile.buttons[41].Fun = ButtonFun::Left;
    QVERIFY(!leftClickGuardRefuses(profile, 0, ButtonFun::Right));
    QVERIFY(!leftClickGuardRefuses(profile, 41, ButtonFun::ScrollDown));
    QVERIFY(!leftClickGuardRefuses(profile, -1, ButtonFun::Right));
    QVERIFY(!leftClickGuardRefuses(profile, BUTTON_SLOT_COUNT, ButtonFun::Right));
}

void TestButtonModel::dialogKeyCodes()
{
    QCOMPARE(int(dialogKeyCode(0x1D, 0)), 29);
    QCOMPARE(int(dialogKeyCode(0x1D, KEY_FLAG_EXTENDED)), 238);
    QCOMPARE(int(dialogKeyCode(0x1D, KEY_FLAG_EXTENDED | KEY_FLAG_UP)), 238);
    QCOMPARE(int(dialogKeyCode(0x1C, KEY_FLAG_EXTENDED)), 229);
    QCOMPARE(int(dialogKeyCode(0x38, 0)), 56);
    QCOMPARE(int(dialogKeyCode(0x38, KEY_FLAG_EXTENDED | KEY_FLAG_ALT)), 239);
    // Keypad keys are the non-extended forms; the extended ones are the navigation block.
    QCOMPARE(int(dialogKeyCode(0x47, 0)), 235);
    QCOMPARE(int(dialogKeyCode(0x47, KEY_FLAG_UP)), 235);
    QCOMPARE(int(dialogKeyCode(0x47, KEY_FLAG_EXTENDED)), 0x47);
    QCOMPARE(int(dialogKeyCode(0x53, 0)), 224);
    QCOMPARE(int(dialogKeyCode(0x1E, 0)), 30);
}

void TestButtonModel::fireTargetRoundTrip()
{
    QCOMPARE(int(fireTarget(0, 30)), 129);
    QCOMPARE(int(fireTarget(1, 0)), 130);
    QCOMPARE(int(fireTarget(2, 0)), 132);
    QCOMPARE(int(fireTarget(FIRE_MODE_KEY, 30)), 4); // A
    QCOMPARE(int(fireTarget(FIRE_MODE_KEY, 0)), 0); // no key, no usage
    QCOMPARE(int(fireTarget(FIRE_MODE_KEY, 240)), 0); // mouse button codes have no usage
    int mode = -1;
    int key = -1;
    fireModeOfTarget(0, mode, key);
    QCOMPARE(mode, 0);
    fireModeOfTarget(130, mode, key);
    QCOMPARE(mode, 1);
    fireModeOfTarget(132, mode, key);
    QCOMPARE(mode, 2);
    fireModeOfTarget(4, mode, key);
    QCOMPARE(mode, FIRE_MODE_KEY);
    QCOMPARE(key, 30);
    fireModeOfTarget(228, mode, key); // right Ctrl's usage
    QCOMPARE(key, 238);
}

void TestButtonModel::sniperCorrectionPerSensor()
{
    QCOMPARE(correctedSniperStep(25, 3389), 6);
    QCOMPARE(correctedSniperStep(1, 3389), 6);
    QCOMPARE(correctedSniperStep(20, 3389), 20);
    QCOMPARE(correctedSniperStep(14, 3104), 14);
    QCOMPARE(correctedSniperStep(27, 3104), 14);
    QCOMPARE(correctedSniperStep(20, 3104), 20);
    QCOMPARE(correctedSniperStep(16, 3212), 16);
    QCOMPARE(correctedSniperStep(0, 3360), 3);
    QCOMPARE(correctedSniperStep(11, 3325), 3);
    // 3333 accepts 1 as valid but its slider starts at 2.
    QCOMPARE(correctedSniperStep(1, 3333), 2);
    QCOMPARE(sniperRange(3389).sliderMax, 20);
    // An unknown sensor still gets a usable range.
    QVERIFY(sniperRange(0).sliderMin <= sniperRange(0).fallback);
}

void TestButtonModel::comboNestsPressesAndReleases()
{
    ComboKeyState state;
    press(state, 0x1D); // Ctrl
    press(state, 0x2A); // Shift
    press(state, 0x1E); // A
    QCOMPARE(state.text(), QStringLiteral("LShift + LCtr + A"));
    // Releasing keeps what was shown.
    release(state, 0x1E);
    release(state, 0x2A);
    release(state, 0x1D);
    QCOMPARE(state.text(), QStringLiteral("LShift + LCtr + A"));

    ButtonInfo button;
    for (KeyInfo& entry : button.keyInfo)
        entry = { 9, 9, 9 };
    button.KeyNumber = 17;
    state.writeTo(button);
    const quint8 expected[6][3]
        = { { 225, 5, 0x80 }, { 224, 5, 0x80 }, { 4, 5, 0x80 }, { 4, 5, 0 }, { 224, 5, 0 }, { 225, 5, 0 } };
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(int(button.keyInfo[i].map), int(expected[i][0]));
        QCOMPARE(int(button.keyInfo[i].L), int(expected[i][1]));
        QCOMPARE(int(button.keyInfo[i].H), int(expected[i][2]));
    }
    for (int i = 6; i < KEYINFO_COUNT; ++i)
        QCOMPARE(int(button.keyInfo[i].map), 0);
    QCOMPARE(button.KeyNumber, 17);
}

void TestButtonModel::comboRightCtrlStoresLeftUsage()
{
    ComboKeyState state;
    press(state, 0x1D, KEY_FLAG_EXTENDED); // right Ctrl
    press(state, 0x2E); // C
    ButtonInfo button;
    state.writeTo(button);
    QCOMPARE(int(button.keyInfo[0].map), 224);
    QCOMPARE(int(button.keyInfo[1].map), 6);
    QCOMPARE(int(button.keyInfo[3].map), 224);
    QCOMPARE(state.text(), QStringLiteral("LCtr + C"));
}

void TestButtonModel::comboPrefillAndReleases()
{
    ComboKeyState first;
    press(first, 0x38); // Alt
    press(first, 0x3E); // F4
    ButtonInfo stored;
    first.writeTo(stored);

    ComboKeyState reopened;
    reopened.prefill(stored);
    QCOMPARE(reopened.text(), QStringLiteral("LAlt + F4"));
    // A stored combination is not held: a new key alone replaces it.
    press(reopened, 0x30); // B
    QCOMPARE(reopened.text(), QStringLiteral("B"));

    // Releasing a modifier takes it out of the next combination.
    ComboKeyState state;
    press(state, 0x1D);
    release(state, 0x1D);
    press(state, 0x2A);
    press(state, 0x1F); // S
    QCOMPARE(state.text(), QStringLiteral("LShift + S"));
}

void TestButtonModel::gunRowsPerBullet()
{
    GunBullet bullet;
    bullet.vertical = 5;
    bullet.delay = 100;
    QCOMPARE(gunRows({ bullet }), (QVector<MacroEvent> { { 1, 0, 1 }, { 129, 0, 1 }, { 2, 5, 0 }, { 6, 0, 10 } }));

    bullet = GunBullet();
    bullet.vertical = -3;
    bullet.horizontal = -100;
    bullet.delay = 5; // below one unit: still a delay row of count 0
    QCOMPARE(gunRows({ bullet }),
        (QVector<MacroEvent> { { 1, 0, 1 }, { 129, 0, 1 }, { 2, 253, 0 }, { 2, 0, 156 }, { 6, 0, 0 } }));

    bullet = GunBullet();
    bullet.horizontal = 7;
    bullet.delay = 999;
    QCOMPARE(gunRows({ bullet, GunBullet() }),
        (QVector<MacroEvent> {
            { 1, 0, 1 }, { 129, 0, 1 }, { 2, 0, 7 }, { 6, 0, 99 }, { 1, 0, 1 }, { 129, 0, 1 }, { 6, 0, 10 } }));
}

QTEST_GUILESS_MAIN(TestButtonModel)
#include "TestButtonModel.moc"
