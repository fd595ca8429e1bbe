// Function code table, menu layouts, label texts and the left-click guard.
#include "buttons/buttonFunctions.h"

#include <QCoreApplication>

namespace {

struct NamedCode {
    int code;
    const char* name;
};

const NamedCode FUNCTION_NAMES[] = {
    { 1, QT_TRANSLATE_NOOP("KroBtnWindow", "Left") },
    { 2, QT_TRANSLATE_NOOP("KroBtnWindow", "Right") },
    { 3, QT_TRANSLATE_NOOP("KroBtnWindow", "Middle") },
    { 4, QT_TRANSLATE_NOOP("KroBtnWindow", "Forward") },
    { 5, QT_TRANSLATE_NOOP("KroBtnWindow", "Back") },
    { 6, QT_TRANSLATE_NOOP("KroBtnWindow", "SINGLE KEY") },
    { 7, QT_TRANSLATE_NOOP("KroBtnWindow", "COMBO KEY") },
    { 12, QT_TRANSLATE_NOOP("KroBtnWindow", "FIRE KEY") },
    { 16, QT_TRANSLATE_NOOP("KroBtnWindow", "Button Off") },
    { 17, QT_TRANSLATE_NOOP("KroBtnWindow", "Cut") },
    { 18, QT_TRANSLATE_NOOP("KroBtnWindow", "Copy") },
    { 19, QT_TRANSLATE_NOOP("KroBtnWindow", "Paste") },
    { 20, QT_TRANSLATE_NOOP("KroBtnWindow", "All") },
    { 21, QT_TRANSLATE_NOOP("KroBtnWindow", "Find") },
    { 22, QT_TRANSLATE_NOOP("KroBtnWindow", "New") },
    { 23, QT_TRANSLATE_NOOP("KroBtnWindow", "Print") },
    { 24, QT_TRANSLATE_NOOP("KroBtnWindow", "Save") },
    { 25, QT_TRANSLATE_NOOP("KroBtnWindow", "Switch Window") },
    { 26, QT_TRANSLATE_NOOP("KroBtnWindow", "Close Window") },
    { 27, QT_TRANSLATE_NOOP("KroBtnWindow", "My Computer") },
    { 28, QT_TRANSLATE_NOOP("KroBtnWindow", "Run") },
    { 29, QT_TRANSLATE_NOOP("KroBtnWindow", "Show Desktop") },
    { 30, QT_TRANSLATE_NOOP("KroBtnWindow", "Lock PC") },
    { 31, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Home") },
    { 32, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Backward") },
    { 33, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Forward") },
    { 34, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Stop") },
    { 35, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Refresh") },
    { 36, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Search") },
    { 37, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Favorite") },
    { 38, QT_TRANSLATE_NOOP("KroBtnWindow", "Mail") },
    { 39, QT_TRANSLATE_NOOP("KroBtnWindow", "Play/Pause") },
    { 40, QT_TRANSLATE_NOOP("KroBtnWindow", "Stop") },
    { 41, QT_TRANSLATE_NOOP("KroBtnWindow", "Previous Track") },
    { 42, QT_TRANSLATE_NOOP("KroBtnWindow", "Next Track") },
    { 43, QT_TRANSLATE_NOOP("KroBtnWindow", "Volume Up") },
    { 44, QT_TRANSLATE_NOOP("KroBtnWindow", "Volume Down") },
    { 45, QT_TRANSLATE_NOOP("KroBtnWindow", "Mute") },
    { 46, QT_TRANSLATE_NOOP("KroBtnWindow", "Media Player") },
    { 47, QT_TRANSLATE_NOOP("KroBtnWindow", "DPI Switch") },
    { 48, QT_TRANSLATE_NOOP("KroBtnWindow", "DPI +") },
    { 49, QT_TRANSLATE_NOOP("KroBtnWindow", "DPI -") },
    { 50, QT_TRANSLATE_NOOP("KroBtnWindow", "Rate +") },
    { 51, QT_TRANSLATE_NOOP("KroBtnWindow", "Rate -") },
    { 52, QT_TRANSLATE_NOOP("KroBtnWindow", "Scroll Up") },
    { 53, QT_TRANSLATE_NOOP("KroBtnWindow", "Scroll Down") },
    { 54, QT_TRANSLATE_NOOP("KroBtnWindow", "Led Switch") },
    { 55, QT_TRANSLATE_NOOP("KroBtnWindow", "SNIPER") },
    { 57, QT_TRANSLATE_NOOP("KroBtnWindow", "Profile +") },
    { 58, QT_TRANSLATE_NOOP("KroBtnWindow", "Profile -") },
    { 59, QT_TRANSLATE_NOOP("KroBtnWindow", "Profile Switch") },
    { 62, QT_TRANSLATE_NOOP("KroBtnWindow", "Boss Key") },
    { 63, QT_TRANSLATE_NOOP("KroBtnWindow", "Rate Switch") },
};

const char* MACRO_MANAGER = QT_TRANSLATE_NOOP("KroBtnWindow", "Macro Manager");

const char* SUB_MENU_TITLES[] = {
    "",
    QT_TRANSLATE_NOOP("KroBtnWindow", "Basic"),
    QT_TRANSLATE_NOOP("KroBtnWindow", "Windows"),
    QT_TRANSLATE_NOOP("KroBtnWindow", "Advance"),
    QT_TRANSLATE_NOOP("KroBtnWindow", "Media"),
    QT_TRANSLATE_NOOP("KroBtnWindow", "DPI"),
    QT_TRANSLATE_NOOP("KroBtnWindow", "Polling Rate"),
    QT_TRANSLATE_NOOP("KroBtnWindow", "Profile Menu"),
};

} // namespace

int slotOf(int group, int index)
{
    return group * GROUP_SIZE + index;
}
int groupOfSlot(int slot)
{
    return slot / GROUP_SIZE;
}
int indexInGroup(int slot)
{
    return slot % GROUP_SIZE;
}

const char* functionSourceName(int code)
{
    for (const NamedCode& entry : FUNCTION_NAMES) {
        if (entry.code == code)
            return entry.name;
    }
    return nullptr;
}

QString functionName(int code)
{
    const char* name = functionSourceName(code);
    return name ? QCoreApplication::translate(BUTTON_TR_CONTEXT, name) : QString();
}

bool isPlainFunction(int code)
{
    if (code == ButtonFun::SingleKey || code == ButtonFun::ComboKey || code == ButtonFun::FireKey
        || code == ButtonFun::Sniper)
        return false;
    return functionSourceName(code) != nullptr;
}

QString slotLabelText(const ButtonInfo& button, int slot)
{
    const int code = button.Fun;
    if (code == ButtonFun::Macro || code == ButtonFun::GunFile)
        return button.macroname;
    const bool wheelCode = code == ButtonFun::ScrollUp || code == ButtonFun::ScrollDown;
    if (wheelCode && slot != WHEEL_UP_SLOT && slot != WHEEL_DOWN_SLOT)
        return QString();
    return functionName(code);
}

QVector<MenuEntry> mainMenuLayout(bool withMacro, bool withLed)
{
    QVector<MenuEntry> layout;
    for (int code : { 1, 2, 3, 4, 5 })
        layout.append({ code, SubMenu::None });
    for (SubMenu menu :
        { SubMenu::Basic, SubMenu::Windows, SubMenu::Advance, SubMenu::Media, SubMenu::Dpi, SubMenu::PollingRate })
        layout.append({ 0, menu });
    if (withMacro)
        layout.append({ ButtonFun::Macro, SubMenu::None });
    if (withLed)
        layout.append({ ButtonFun::LedSwitch, SubMenu::None });
    layout.append({ ButtonFun::ButtonOff, SubMenu::None });
    return layout;
}

QVector<int> subMenuCodes(SubMenu menu)
{
    switch (menu) {
    case SubMenu::Basic:
        return { 17, 18, 19, 20, 21, 22, 23, 24 };
    case SubMenu::Windows:
        return { 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 62 };
    case SubMenu::Advance:
        return { ButtonFun::SingleKey, ButtonFun::ComboKey, ButtonFun::FireKey };
    case SubMenu::Media:
        return { 39, 40, 41, 42, 43, 44, 45, 46 };
    case SubMenu::Dpi:
        return { 47, 48, 49 };
    case SubMenu::PollingRate:
        return { 63, 50, 51 };
    case SubMenu::Profile:
        return { 59, 57, 58 };
    case SubMenu::None:
        break;
    }
    return {};
}

QVector<int> wheelMenuCodes()
{
    return { 52, 53, 43, 44, 1, 2, 3, 4, 5, ButtonFun::SingleKey, ButtonFun::ComboKey };
}

const char* subMenuSourceTitle(SubMenu menu)
{
    return SUB_MENU_TITLES[static_cast<int>(menu)];
}

const char* macroManagerSourceName()
{
    return MACRO_MANAGER;
}

bool leftClickGuardRefuses(const ProfileData& profile, int slot, int newCode)
{
    if (slot < 0 || slot >= BUTTON_SLOT_COUNT)
        return false;
    if (profile.buttons[slot].Fun != ButtonFun::Left || newCode == ButtonFun::Left)
        return false;
    for (int other = 0; other < BUTTON_SLOT_COUNT; ++other) {
        if (other != slot && profile.buttons[other].Fun == ButtonFun::Left)
            return false;
    }
    return true;
}
