// Macro model and .MSMACRO files: event encoding, load/save, the MACRO_LIST registry, button copy.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

struct ButtonInfo;
struct MouseConfig;
struct ProfileData;

constexpr int MACRO_MAX_ROWS = 63;
constexpr int MACRO_LIST_SLOTS = 50;
constexpr int MACRO_MAX_MOVE = 120;
constexpr int MACRO_MAX_DELAY_COUNT = 0xFFFF;
constexpr int MACRO_DEFAULT_DELAY_UNIT = 10;

// Map values of an event row. Bit 7 marks a press.
enum MacroMap : quint8 {
    MAP_PRESS_FLAG = 0x80,
    MAP_BUTTON_UP = 0x01,
    MAP_MOVE = 0x02,
    MAP_KEY_UP = 0x04,
    MAP_DELAY = 0x06,
    MAP_BUTTON_DOWN = 0x81,
    MAP_KEY_DOWN = 0x84,
};

enum class MacroEventKind { Invalid, Button, Key, Move, Delay };
enum class MoveDirection { Left = 0, Right = 1, Up = 2, Down = 3 };

// Mouse-button bits in the order the editor lists them: LEFT, MIDDLE, RIGHT, FORWARD, BACKWARD.
constexpr int MACRO_BUTTON_COUNT = 5;
quint8 macroButtonBit(int index); // 0 for an index outside 0..4
int macroButtonIndex(quint8 bit); // -1 for anything but a single known bit
QString macroButtonName(int index); // "LEFT CLICK", ... translated; empty outside 0..4
QString moveDirectionName(MoveDirection direction); // "MOVE LEFT", ... translated

struct MacroEvent {
    quint8 map = 0;
    quint8 dataH = 0;
    quint8 dataL = 0;

    MacroEventKind kind() const;
    bool isPress() const { return (map & MAP_PRESS_FLAG) != 0; }
    bool operator==(const MacroEvent& o) const { return map == o.map && dataH == o.dataH && dataL == o.dataL; }
    bool operator!=(const MacroEvent& o) const { return !(*this == o); }

    static MacroEvent button(int index, bool bPress);
    static MacroEvent key(quint8 hidUsage, bool bPress);
    static MacroEvent move(MoveDirection direction, int distance); // distance clamped to 0..120
    // ms / unit counts, clamped to 0..65535 counts instead of wrapping.
    static MacroEvent delay(qint64 milliseconds, int unit);
};

// Reading of a move row: the axis that is set; both or neither set reads as LEFT 0.
struct MacroMove {
    MoveDirection direction = MoveDirection::Left;
    int distance = 0;
};
MacroMove decodeMove(const MacroEvent& event);
int delayCount(const MacroEvent& event);
int delayMilliseconds(const MacroEvent& event, int unit);

// Rebuilds a row read from a file the way the editor shows it; false when the row is dropped
// (two buttons at once, unknown type).
bool normalizeMacroEvent(const MacroEvent& raw, MacroEvent& out);

enum MacroDelayType { DELAY_NONE = 0, DELAY_RECORDED = 1, DELAY_DEFAULT = 2 };
enum MacroLoopType { LOOP_NONE = 0, LOOP_TIMES = 1, LOOP_WHILE_DOWN = 2, LOOP_UNTIL_DOWN = 3 };

struct Macro {
    int delayType = DELAY_NONE;
    int loopType = LOOP_NONE;
    QString defaultDelay; // edit-field text, empty when missing in the file
    QString loopTime;
    QVector<MacroEvent> events;
};

// The smallest delay step in milliseconds: PROFILE/MinDelay of the device description, 10 when
// missing or not positive.
int macroDelayUnit();

// Folder and file of a macro. The name is the file's base name.
QString macroFolder();
QString macroFilePath(const QString& name);
bool macroFileExists(const QString& name);
// A usable name stays inside the macro folder: not empty, no path separators, no "." or "..",
// no control characters, at most 100 characters.
bool isValidMacroName(const QString& name);

// Whether a save marks the file as edited since it was last sent (Setting/WriteSign = 1). Files the
// editor did not write, such as gun files, carry no mark.
enum class MacroMark { Edited, None };
// Writes the file (at most 63 rows; WriteSign = 1 last, or no WriteSign key for MacroMark::None).
// 0, or -1 for an unusable name or folder.
int saveMacro(const QString& name, const Macro& macro, MacroMark mark = MacroMark::Edited);
// Reads the file; dropped rows are skipped, at most 63 rows are kept (truncated tells whether
// more were there). A missing file is an empty macro; returns -1 then, 0 otherwise.
int loadMacro(const QString& name, Macro& macro, bool* truncated = nullptr);
// The stored rows as they stand (low bytes), at most `limit`; what the device download and a
// button binding use. `fileCount` receives Setting/Count.
QVector<MacroEvent> readMacroRows(const QString& name, int limit = MACRO_MAX_ROWS, int* fileCount = nullptr);
// One past the highest row number with a key in the file (0 when missing): rows from there up to
// Setting/Count exist only as zeros.
int macroStoredRowEnd(const QString& name);
// Copies the rows into a button record: KeyNumber = rows copied (at most 63), KeyInfo entries
// 0..KeyNumber-1 rewritten, later ones untouched. 0, or -1 when the file is missing.
int copyMacroToButton(const QString& name, ButtonInfo& button, bool* truncated = nullptr);

// Setting/WriteSign, the "edited since sent" mark.
int macroWriteSign(const QString& name);
void clearMacroWriteSign(const QString& name);

int deleteMacroFile(const QString& name);
// Renames the file (and its MacroFilePath). -1 when the source is missing, the target is taken
// or a name is unusable.
int renameMacroFile(const QString& oldName, const QString& newName);

// Naming: "name_%d" with the smallest free number from 1; base, base_2, base_3 ... while taken.
QString nextNewMacroName();
QString freeMacroName(const QString& base);

// Buttons that play a macro file by its name (function 200 or 510), over all profiles.
struct MacroBinding {
    int profile = 0;
    int slot = 0;
    bool operator==(const MacroBinding& o) const { return profile == o.profile && slot == o.slot; }
};
QVector<MacroBinding> macroBindings(const MouseConfig& config, const QString& name);
// The buttons bound to oldName are bound to newName; returns them.
QVector<MacroBinding> renameMacroBindings(MouseConfig& config, const QString& oldName, const QString& newName);
// Gives each button the function its slot has in `factory` (its ID stays).
void resetMacroBindings(MouseConfig& config, const QVector<MacroBinding>& bindings, const ProfileData& factory);
// Writes the working profile file of every profile the bindings touch.
void saveBoundProfiles(const MouseConfig& config, const QVector<MacroBinding>& bindings);

// Registry MACRO_LIST/0..49 in Config.ini.
QStringList macroListSlots(); // always 50 entries, empty = free
QStringList macroListNames(); // the non-empty slots in slot order
int macroListCount();
int registerMacro(const QString& name); // slot used, or -1 when all 50 are taken
int unregisterMacro(const QString& name); // slot freed, or -1
void renameMacroInList(const QString& oldName, const QString& newName);

// Import and export of macro files.
enum MacroImportResult { IMPORT_OK = 0, IMPORT_EXISTS, IMPORT_BAD_NAME, IMPORT_UNREADABLE, IMPORT_FAILED };
// Copies a file into the macro folder (never overwriting); its base name is the macro's name. A file
// with more than 63 rows keeps its first 63 (truncated set).
MacroImportResult importMacroFile(const QString& sourcePath, QString* name = nullptr, bool* truncated = nullptr);
// Copies the macro's file to the target path, replacing a file there. 0 or -1.
int exportMacroFile(const QString& name, const QString& targetPath);
