// Macro model and .MSMACRO files: event encoding, load/save, the MACRO_LIST registry, button copy.
#include "store/macroFiles.h"

#include "store/IniEdit.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/iniFile.h"
#include "store/profileFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <limits>

namespace {

// Bits in the editor's order LEFT, MIDDLE, RIGHT, FORWARD, BACKWARD.
const quint8 kButtonBits[MACRO_BUTTON_COUNT] = { 0x01, 0x04, 0x02, 0x08, 0x10 };
const char* const kButtonNames[MACRO_BUTTON_COUNT] = { QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK"),
    QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK"),
    QT_TRANSLATE_NOOP("MacroDialog", "FORWARD"), QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD") };
const char* const kMoveNames[4]
    = { QT_TRANSLATE_NOOP("MacroDialog", "MOVE LEFT"), QT_TRANSLATE_NOOP("MacroDialog", "MOVE RIGHT"),
          QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"), QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN") };

// A hostile Count must not make a load scan for ever.
constexpr int kMaxScannedRows = 10000;
// Macro files are a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxImportBytes = 1024 * 1024;

QString configIni()
{
    return appDir() + QStringLiteral("/Configs/Config.ini");
}

QString slotKey(int slot)
{
    return QStringLiteral("MACRO_LIST/%1").arg(slot);
}

QString rowKey(const char* field, int row)
{
    return QStringLiteral("Setting/%1_%2").arg(QLatin1String(field)).arg(row);
}

quint8 lowByte(const QVariant& value)
{
    return quint8(value.toInt() & 0xFF);
}

MacroEvent readRow(const QSettings& s, int row)
{
    MacroEvent e;
    e.map = lowByte(s.value(rowKey("Map", row)));
    e.dataH = lowByte(s.value(rowKey("DataH", row)));
    e.dataL = lowByte(s.value(rowKey("DataL", row)));
    return e;
}

// The row number of a row key of the Setting group (Map_3 -> 3), -1 for any other key; numbers
// too large to read count as the largest int.
int rowOfKey(const QString& key)
{
    static const QRegularExpression rowName(QStringLiteral("^(Map|DataH|DataL)_(\\d+)$"));
    const QRegularExpressionMatch m = rowName.match(key);
    if (!m.hasMatch())
        return -1;
    bool ok = false;
    const int row = m.captured(2).toInt(&ok);
    return ok ? row : std::numeric_limits<int>::max();
}

// Removes the row keys at and beyond `count`, left over from a longer version of the file.
void removeRowsFrom(QSettings& s, int count)
{
    s.beginGroup(QStringLiteral("Setting"));
    const QStringList keys = s.childKeys();
    for (const QString& key : keys) {
        if (rowOfKey(key) >= count)
            s.remove(key);
    }
    s.endGroup();
}

bool isMacroFunction(int fun)
{
    return fun == FUN_MACRO || fun == FUN_GUNFILE;
}

bool samePath(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

quint8 macroButtonBit(int index)
{
    return index >= 0 && index < MACRO_BUTTON_COUNT ? kButtonBits[index] : 0;
}

int macroButtonIndex(quint8 bit)
{
    for (int i = 0; i < MACRO_BUTTON_COUNT; ++i) {
        if (kButtonBits[i] == bit)
            return i;
    }
    return -1;
}

QString macroButtonName(int index)
{
    if (index < 0 || index >= MACRO_BUTTON_COUNT)
        return QString();
    return QCoreApplication::translate("MacroDialog", kButtonNames[index]);
}

QString moveDirectionName(MoveDirection direction)
{
    return QCoreApplication::translate("MacroDialog", kMoveNames[int(direction) & 3]);
}

MacroEventKind MacroEvent::kind() const
{
    switch (map & 0x7F) {
    case MAP_BUTTON_UP:
        return MacroEventKind::Button;
    case MAP_MOVE:
        return MacroEventKind::Move;
    case MAP_KEY_UP:
        return MacroEventKind::Key;
    case MAP_DELAY:
        return MacroEventKind::Delay;
    default:
        return MacroEventKind::Invalid;
    }
}

MacroEvent MacroEvent::button(int index, bool bPress)
{
    return { quint8(bPress ? MAP_BUTTON_DOWN : MAP_BUTTON_UP), 0, macroButtonBit(index) };
}

MacroEvent MacroEvent::key(quint8 hidUsage, bool bPress)
{
    return { quint8(bPress ? MAP_KEY_DOWN : MAP_KEY_UP), 0, hidUsage };
}

MacroEvent MacroEvent::move(MoveDirection direction, int distance)
{
    const int d = std::clamp(distance, 0, MACRO_MAX_MOVE);
    const quint8 negative = quint8((256 - d) & 0xFF);
    switch (direction) {
    case MoveDirection::Left:
        return { MAP_MOVE, 0, negative };
    case MoveDirection::Right:
        return { MAP_MOVE, 0, quint8(d) };
    case MoveDirection::Up:
        return { MAP_MOVE, negative, 0 };
    case MoveDirection::Down:
        break;
    }
    return { MAP_MOVE, quint8(d), 0 };
}

MacroEvent MacroEvent::delay(qint64 milliseconds, int unit)
{
    const qint64 count = std::clamp<qint64>(milliseconds / std::max(unit, 1), 0, MACRO_MAX_DELAY_COUNT);
    return { MAP_DELAY, quint8((count >> 8) & 0xFF), quint8(count & 0xFF) };
}

MacroMove decodeMove(const MacroEvent& event)
{
    const int h = event.dataH;
    const int l = event.dataL;
    if (h == 0)
        return l <= MACRO_MAX_MOVE ? MacroMove { MoveDirection::Right, l } : MacroMove { MoveDirection::Left, 256 - l };
    if (l == 0)
        return h <= MACRO_MAX_MOVE ? MacroMove { MoveDirection::Down, h } : MacroMove { MoveDirection::Up, 256 - h };
    return { MoveDirection::Left, 0 };
}

int delayCount(const MacroEvent& event)
{
    return event.dataH * 256 + event.dataL;
}

int delayMilliseconds(const MacroEvent& event, int unit)
{
    return delayCount(event) * unit;
}

bool normalizeMacroEvent(const MacroEvent& raw, MacroEvent& out)
{
    if (raw.map == MAP_BUTTON_DOWN || raw.map == MAP_BUTTON_UP) {
        if (macroButtonIndex(raw.dataL) < 0)
            return false;
        out = { raw.map, 0, raw.dataL };
        return true;
    }
    switch (raw.map & 0x7F) {
    case MAP_MOVE: {
        const bool oneAxis = raw.dataH == 0 || raw.dataL == 0;
        out = oneAxis ? MacroEvent { MAP_MOVE, raw.dataH, raw.dataL } : MacroEvent { MAP_MOVE, 0, 0 };
        return true;
    }
    case MAP_DELAY:
        out = { MAP_DELAY, raw.dataH, raw.dataL };
        return true;
    case MAP_KEY_UP:
        out = MacroEvent::key(raw.dataL, raw.isPress());
        return true;
    default:
        return false;
    }
}

int macroDelayUnit()
{
    const QString description = appDir() + QStringLiteral("/DefaultProfile.bin");
    if (!iniReadable(description)) // never open a FIFO or a folder
        return MACRO_DEFAULT_DELAY_UNIT;
    const QSettings s(description, QSettings::IniFormat);
    bool ok = false;
    const int unit = s.value(QStringLiteral("PROFILE/MinDelay")).toInt(&ok);
    // Keep count x unit inside an int for the largest count.
    return ok && unit > 0 ? std::min(unit, 10000) : MACRO_DEFAULT_DELAY_UNIT;
}

QString macroFolder()
{
    return appDir() + QStringLiteral("/Configs/MacroDB");
}

QString macroFilePath(const QString& name)
{
    return macroFolder() + QLatin1Char('/') + name + QStringLiteral(".MSMACRO");
}

bool isValidMacroName(const QString& name)
{
    if (name.trimmed().isEmpty() || name.size() > 100 || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool macroFileExists(const QString& name)
{
    return isValidMacroName(name) && QFileInfo::exists(macroFilePath(name));
}

int saveMacro(const QString& name, const Macro& macro, MacroMark mark)
{
    if (!isValidMacroName(name) || !QDir().mkpath(macroFolder()))
        return -1;
    const QString path = macroFilePath(name);
    const int count = std::min(macro.events.size(), MACRO_MAX_ROWS);
    IniEdit edit(path); // an unreadable file there is moved aside, not written over
    QSettings& s = edit.settings();
    s.setValue(QStringLiteral("Setting/MacroFilePath"), path);
    s.setValue(QStringLiteral("Setting/DefaultDelay"), macro.defaultDelay);
    s.setValue(QStringLiteral("Setting/DelayType"), macro.delayType);
    s.setValue(QStringLiteral("Setting/LoopType"), macro.loopType);
    s.setValue(QStringLiteral("Setting/LoopTime"), macro.loopTime);
    s.setValue(QStringLiteral("Setting/Count"), count);
    for (int i = 0; i < count; ++i) {
        const MacroEvent& e = macro.events.at(i);
        s.setValue(rowKey("Map", i), int(e.map));
        s.setValue(rowKey("DataH", i), int(e.dataH));
        s.setValue(rowKey("DataL", i), int(e.dataL));
    }
    removeRowsFrom(s, count);
    if (mark == MacroMark::Edited)
        s.setValue(QStringLiteral("Setting/WriteSign"), 1);
    else
        s.remove(QStringLiteral("Setting/WriteSign"));
    return edit.commit();
}

int loadMacro(const QString& name, Macro& macro, bool* truncated)
{
    macro = Macro();
    if (truncated)
        *truncated = false;
    if (!macroFileExists(name) || !iniReadable(macroFilePath(name)))
        return -1;
    const QSettings s(macroFilePath(name), QSettings::IniFormat);
    macro.delayType = s.value(QStringLiteral("Setting/DelayType")).toInt();
    macro.defaultDelay = s.value(QStringLiteral("Setting/DefaultDelay")).toString();
    macro.loopTime = s.value(QStringLiteral("Setting/LoopTime")).toString();
    macro.loopType = s.value(QStringLiteral("Setting/LoopType")).toInt();
    const int count = std::min(s.value(QStringLiteral("Setting/Count")).toInt(), kMaxScannedRows);
    for (int i = 0; i < count; ++i) {
        MacroEvent row;
        if (!normalizeMacroEvent(readRow(s, i), row))
            continue;
        if (macro.events.size() == MACRO_MAX_ROWS) {
            if (truncated)
                *truncated = true;
            break;
        }
        macro.events.append(row);
    }
    return 0;
}

QVector<MacroEvent> readMacroRows(const QString& name, int limit, int* fileCount)
{
    QVector<MacroEvent> rows;
    if (fileCount)
        *fileCount = 0;
    if (!macroFileExists(name) || !iniReadable(macroFilePath(name)))
        return rows;
    const QSettings s(macroFilePath(name), QSettings::IniFormat);
    const int count = s.value(QStringLiteral("Setting/Count")).toInt();
    if (fileCount)
        *fileCount = count;
    const int n = std::clamp(count, 0, std::max(limit, 0));
    rows.reserve(n);
    for (int i = 0; i < n; ++i)
        rows.append(readRow(s, i));
    return rows;
}

int macroStoredRowEnd(const QString& name)
{
    if (!macroFileExists(name))
        return 0;
    QSettings s(macroFilePath(name), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Setting"));
    qint64 end = 0;
    for (const QString& key : s.childKeys())
        end = std::max<qint64>(end, qint64(rowOfKey(key)) + 1);
    return int(std::min<qint64>(end, std::numeric_limits<int>::max()));
}

int copyMacroToButton(const QString& name, ButtonInfo& button, bool* truncated)
{
    int fileCount = 0;
    const QVector<MacroEvent> rows = readMacroRows(name, KEYINFO_COUNT, &fileCount);
    if (truncated)
        *truncated = fileCount > KEYINFO_COUNT;
    button.KeyNumber = rows.size();
    for (int i = 0; i < rows.size(); ++i)
        button.keyInfo[i] = { rows[i].map, rows[i].dataL, rows[i].dataH };
    return macroFileExists(name) ? 0 : -1;
}

int macroWriteSign(const QString& name)
{
    if (!macroFileExists(name) || !iniReadable(macroFilePath(name)))
        return 0;
    return QSettings(macroFilePath(name), QSettings::IniFormat).value(QStringLiteral("Setting/WriteSign")).toInt();
}

void clearMacroWriteSign(const QString& name)
{
    if (macroFileExists(name))
        IniEdit(macroFilePath(name)).settings().setValue(QStringLiteral("Setting/WriteSign"), 0);
}

int deleteMacroFile(const QString& name)
{
    if (!isValidMacroName(name))
        return -1;
    return QFile::remove(macroFilePath(name)) ? 0 : -1;
}

int renameMacroFile(const QString& oldName, const QString& newName)
{
    if (!macroFileExists(oldName) || !isValidMacroName(newName) || macroFileExists(newName))
        return -1;
    const QString target = macroFilePath(newName);
    if (!QFile::rename(macroFilePath(oldName), target))
        return -1;
    IniEdit(target).settings().setValue(QStringLiteral("Setting/MacroFilePath"), target);
    return 0;
}

QString nextNewMacroName()
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("name_%1").arg(n);
        if (!macroFileExists(name))
            return name;
    }
}

QString freeMacroName(const QString& base)
{
    if (!macroFileExists(base))
        return base;
    for (int n = 2;; ++n) {
        const QString name = QStringLiteral("%1_%2").arg(base).arg(n);
        if (!macroFileExists(name))
            return name;
    }
}

QVector<MacroBinding> macroBindings(const MouseConfig& config, const QString& name)
{
    QVector<MacroBinding> bound;
    for (int p = 0; p < PROFILE_COUNT; ++p) {
        for (int slot = 0; slot < BUTTON_SLOT_COUNT; ++slot) {
            const ButtonInfo& button = config.profiles[p].buttons[slot];
            if (isMacroFunction(button.Fun) && button.macroname == name)
                bound.append({ p, slot });
        }
    }
    return bound;
}

QVector<MacroBinding> renameMacroBindings(MouseConfig& config, const QString& oldName, const QString& newName)
{
    const QVector<MacroBinding> bound = macroBindings(config, oldName);
    for (const MacroBinding& b : bound)
        config.profiles[b.profile].buttons[b.slot].macroname = newName;
    return bound;
}

void resetMacroBindings(MouseConfig& config, const QVector<MacroBinding>& bindings, const ProfileData& factory)
{
    for (const MacroBinding& b : bindings) {
        ButtonInfo& button = config.profiles[b.profile].buttons[b.slot];
        const qint32 id = button.ID;
        button = factory.buttons[b.slot];
        button.ID = id;
    }
}

void saveBoundProfiles(const MouseConfig& config, const QVector<MacroBinding>& bindings)
{
    bool saved[PROFILE_COUNT] = {};
    for (const MacroBinding& b : bindings) {
        if (saved[b.profile])
            continue;
        saved[b.profile] = true;
        saveProfileFile(config.profiles[b.profile], config.profileNames[b.profile]);
    }
}

QStringList macroListSlots()
{
    QStringList entries;
    if (!iniReadable(configIni())) { // never open a FIFO or a folder
        for (int i = 0; i < MACRO_LIST_SLOTS; ++i)
            entries.append(QString());
        return entries;
    }
    const QSettings s(configIni(), QSettings::IniFormat);
    for (int i = 0; i < MACRO_LIST_SLOTS; ++i)
        entries.append(s.value(slotKey(i)).toString());
    return entries;
}

QStringList macroListNames()
{
    QStringList names = macroListSlots();
    names.removeAll(QString());
    return names;
}

int macroListCount()
{
    return macroListNames().size();
}

int registerMacro(const QString& name)
{
    const int slot = macroListSlots().indexOf(QString());
    if (slot < 0 || name.isEmpty())
        return -1;
    IniEdit(configIni()).settings().setValue(slotKey(slot), name);
    return slot;
}

int unregisterMacro(const QString& name)
{
    const int slot = name.isEmpty() ? -1 : macroListSlots().indexOf(name);
    if (slot >= 0)
        IniEdit(configIni()).settings().setValue(slotKey(slot), QString());
    return slot;
}

void renameMacroInList(const QString& oldName, const QString& newName)
{
    if (oldName.isEmpty())
        return;
    const QStringList entries = macroListSlots();
    IniEdit edit(configIni());
    QSettings& s = edit.settings();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i] == oldName)
            s.setValue(slotKey(i), newName);
    }
}

MacroImportResult importMacroFile(const QString& sourcePath, QString* name, bool* truncated)
{
    if (truncated)
        *truncated = false;
    const QFileInfo source(sourcePath);
    const QString base = source.completeBaseName();
    if (name)
        *name = base;
    if (!isValidMacroName(base))
        return IMPORT_BAD_NAME;
    if (!source.isFile() || !source.isReadable() || source.size() > kMaxImportBytes)
        return IMPORT_UNREADABLE;
    {
        const QSettings probe(sourcePath, QSettings::IniFormat);
        if (probe.status() != QSettings::NoError || !probe.contains(QStringLiteral("Setting/Count")))
            return IMPORT_UNREADABLE;
    }
    if (macroFileExists(base))
        return IMPORT_EXISTS;
    const QString target = macroFilePath(base);
    if (!QDir().mkpath(macroFolder()) || !QFile::copy(sourcePath, target))
        return IMPORT_FAILED;
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    IniEdit edit(target);
    QSettings& s = edit.settings();
    const int count = s.value(QStringLiteral("Setting/Count")).toInt();
    if (count > MACRO_MAX_ROWS) {
        s.setValue(QStringLiteral("Setting/Count"), MACRO_MAX_ROWS);
        removeRowsFrom(s, MACRO_MAX_ROWS);
        if (truncated)
            *truncated = true;
    } else if (count < 0) {
        s.setValue(QStringLiteral("Setting/Count"), 0);
    }
    return IMPORT_OK;
}

int exportMacroFile(const QString& name, const QString& targetPath)
{
    const QString source = macroFilePath(name);
    if (!macroFileExists(name) || targetPath.isEmpty())
        return -1;
    if (samePath(source, targetPath))
        return 0;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    // Replaces an existing target only once the copy is complete.
    QSaveFile out(targetPath);
    if (!out.open(QIODevice::WriteOnly))
        return -1;
    out.write(in.readAll());
    return out.commit() ? 0 : -1;
}
