// The key table: every named key code with its English and French (AZERTY) name and HID usage.
#include "store/keyTable.h"

#include "store/appContext.h"

namespace {

struct KeyRow {
    int code;
    const char* english;
    const char* french;
    int usage; // -1: no HID usage (mouse buttons)
};

// Codes 1..93 are scan code set 1 make codes; 224..239 are our own codes for keys told apart by
// the extended flag; 240..242 are the three main mouse buttons.
const KeyRow KEY_ROWS[] = {
    { 1, "Esc", u8"Echap", 41 },
    { 2, "1", u8"&", 30 },
    { 3, "2", u8"é", 31 },
    { 4, "3", u8"\"", 32 },
    { 5, "4", u8"'", 33 },
    { 6, "5", u8"(", 34 },
    { 7, "6", u8"-", 35 },
    { 8, "7", u8"è", 36 },
    { 9, "8", u8"_", 37 },
    { 10, "9", u8"ç", 38 },
    { 11, "0", u8"à", 39 },
    { 12, "-", u8")", 45 },
    { 13, "=", u8"=", 46 },
    { 14, "Backspace", u8"Ret.arr", 42 },
    { 15, "Tab", u8"Tab", 43 },
    { 16, "Q", u8"a", 20 },
    { 17, "W", u8"z", 26 },
    { 18, "E", u8"e", 8 },
    { 19, "R", u8"r", 21 },
    { 20, "T", u8"t", 23 },
    { 21, "Y", u8"y", 28 },
    { 22, "U", u8"u", 24 },
    { 23, "I", u8"i", 12 },
    { 24, "O", u8"o", 18 },
    { 25, "P", u8"p", 19 },
    { 26, "[", u8"^", 47 },
    { 27, "]", u8"$", 48 },
    { 28, "Enter", u8"Entree", 40 },
    { 29, "LCtr", u8"LCtrl", 224 },
    { 30, "A", u8"q", 4 },
    { 31, "S", u8"s", 22 },
    { 32, "D", u8"d", 7 },
    { 33, "F", u8"f", 9 },
    { 34, "G", u8"g", 10 },
    { 35, "H", u8"h", 11 },
    { 36, "J", u8"j", 13 },
    { 37, "K", u8"k", 14 },
    { 38, "L", u8"l", 15 },
    { 39, ";", u8"m", 51 },
    { 40, "'", u8"ù", 52 },
    { 41, "`", u8"²", 53 },
    { 42, "LShift", u8"LShift", 225 },
    { 43, "\\", u8"*", 49 },
    { 44, "Z", u8"w", 29 },
    { 45, "X", u8"x", 27 },
    { 46, "C", u8"c", 6 },
    { 47, "V", u8"v", 25 },
    { 48, "B", u8"b", 5 },
    { 49, "N", u8"n", 17 },
    { 50, "M", u8",", 16 },
    { 51, ",", u8";", 54 },
    { 52, ".", u8":", 55 },
    { 53, "/", u8"!", 56 },
    { 54, "RShift", u8"RShift", 229 },
    { 55, "Print Screen", u8"Print Screen", 70 },
    { 56, "LAlt", u8"LAlt", 226 },
    { 57, "Space", u8"espace", 44 },
    { 58, "CapsLock", u8"Verr.maj", 57 },
    { 59, "F1", u8"F1", 58 },
    { 60, "F2", u8"F2", 59 },
    { 61, "F3", u8"F3", 60 },
    { 62, "F4", u8"F4", 61 },
    { 63, "F5", u8"F5", 62 },
    { 64, "F6", u8"F6", 63 },
    { 65, "F7", u8"F7", 64 },
    { 66, "F8", u8"F8", 65 },
    { 67, "F9", u8"F9", 66 },
    { 68, "F10", u8"F10", 67 },
    { 69, "Pause Break", u8"Pause Break", 72 },
    { 70, "Scroll Lock", u8"Scroll Lock", 71 },
    { 71, "Home", u8"Home", 74 },
    { 72, "Up", u8"Up", 82 },
    { 73, "Page Up", u8"Page Up", 75 },
    { 74, "Num -", u8"Num -", 86 },
    { 75, "Left", u8"Left", 80 },
    { 76, "Num 5", u8"Num 5", 93 },
    { 77, "Right", u8"Right", 79 },
    { 78, "Num +", u8"Num +", 87 },
    { 79, "End", u8"End", 77 },
    { 80, "Down", u8"Down", 81 },
    { 81, "Page Down", u8"Page Down", 78 },
    { 82, "Insert", u8"Insert", 73 },
    { 83, "Delete", u8"Delete", 76 },
    { 87, "F11", u8"F11", 68 },
    { 88, "F12", u8"F12", 69 },
    { 91, "LWindows", u8"LWindows", 227 },
    { 92, "RWindows", u8"RWindows", 231 },
    { 93, "App", u8"App", 101 },
    { 224, "Num De", u8"Num Del", 99 },
    { 225, "Num Lock", u8"Num Lock", 83 },
    { 226, "Num /", u8"Num /", 84 },
    { 227, "Num *", u8"Num *", 85 },
    { 228, "Num 9", u8"Num 9", 97 },
    { 229, "Num Enter", u8"Num Enter", 88 },
    { 230, "Num 1", u8"Num 1", 89 },
    { 231, "Num 2", u8"Num 2", 90 },
    { 232, "Num 3", u8"Num 3", 91 },
    { 233, "Num 4", u8"Num 4", 92 },
    { 234, "Num 6", u8"Num 6", 94 },
    { 235, "Num 7", u8"Num 7", 95 },
    { 236, "Num 8", u8"Num 8", 96 },
    { 237, "Num 0", u8"Num 0", 98 },
    { 238, "RCtr", u8"RCtrl", 228 },
    { 239, "RAlt", u8"RAlt", 230 },
    { 240, "Left Button", u8"Left Button", -1 },
    { 241, "Right Button", u8"Right Button", -1 },
    { 242, "Middle Button", u8"Middle Button", -1 },
};

const KeyRow* findByCode(int keyCode)
{
    for (const KeyRow& row : KEY_ROWS) {
        if (row.code == keyCode)
            return &row;
    }
    return nullptr;
}

} // namespace

bool frenchKeyNames()
{
    return frenchLanguage() != -1 && frenchLanguage() == languageIndex();
}

QString keyNameIn(int keyCode, bool french)
{
    const KeyRow* row = findByCode(keyCode);
    if (!row)
        return QString();
    return QString::fromUtf8(french ? row->french : row->english);
}

QString keyName(int keyCode)
{
    return keyNameIn(keyCode, frenchKeyNames());
}

bool hidUsageForKey(int keyCode, quint8& usage)
{
    const KeyRow* row = findByCode(keyCode);
    if (!row || row->usage < 0)
        return false;
    usage = quint8(row->usage);
    return true;
}

bool keyForHidUsage(int usage, quint8& keyCode)
{
    if (usage < 0)
        return false;
    for (const KeyRow& row : KEY_ROWS) {
        if (row.usage == usage) {
            keyCode = quint8(row.code);
            return true;
        }
    }
    return false;
}
