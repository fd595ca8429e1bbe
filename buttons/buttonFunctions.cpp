// Menu layouts, label texts and the left-click guard.
#include "buttons/buttonFunctions.h"

namespace {

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
    const bool wheelCode = code == ButtonFun::ScrollUp || code == ButtonFun::ScrollDown;
    if (wheelCode && slot != WHEEL_UP_SLOT && slot != WHEEL_DOWN_SLOT)
        return QString();
    return bindingText(button);
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
