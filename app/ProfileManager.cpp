// Profile management: slot selection, the saved-profile library and its menu, and the operations
// ADD, DELETE, COPY, rename, RESET, "Reset All", import, export, "LOAD1", "SAVE", "Apply", "OK", "Cancel".
#include "app/ProfileManager.h"

#include "app/KroProcessDialog.h"
#include "app/ProfileHost.h"
#include "app/fileProblemNotice.h"
#include "device/commandSet.h"
#include "platform/PointerSpeed.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/profileFiles.h"
#include "store/settings.h"
#include "widgets/KroFileDialog.h"
#include "widgets/KroMessageBox.h"

#include <QAction>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace {
constexpr int MAX_SAVED_MENU_ACTIONS = 200;
// Upper bound of the numbered-name searches, so a folder full of files cannot make them endless.
constexpr int MAX_NAME_NUMBER = 10000;
} // namespace

ProfileManager::ProfileManager(ProfileHost& host, QWidget* menuParent)
    : QObject(menuParent)
    , m_host(host)
    , m_slotMenu(new QMenu(menuParent))
    , m_savedMenu(new QMenu(menuParent))
    , m_runWorker(&KroProcessDialog::runWorker)
{
    m_slotMenu->setObjectName(QStringLiteral("slotMenu"));
    m_savedMenu->setObjectName(QStringLiteral("savedProfileMenu"));
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        auto* action = new QAction(slotText(i), m_slotMenu);
        connect(action, &QAction::triggered, this, &ProfileManager::onSlotActionTriggered);
        m_slotMenu->addAction(action);
    }
}

QString ProfileManager::slotText(int slot) const
{
    return tr("Mode") + QStringLiteral(" %1").arg(slot + 1);
}

void ProfileManager::retranslateSlotMenu()
{
    const QList<QAction*> actions = m_slotMenu->actions();
    for (int i = 0; i < actions.size(); ++i)
        actions[i]->setText(slotText(i));
    m_host.showSlotText(slotText(currentConfig.activeSlot()));
}

void ProfileManager::loadSavedNames()
{
    m_saved = savedProfileNames();
}

void ProfileManager::saveSavedNames() const
{
    setSavedProfileNames(m_saved);
}

void ProfileManager::rebuildSavedProfileMenu()
{
    m_savedMenu->clear();
    const int count = qMin(m_saved.size(), MAX_SAVED_MENU_ACTIONS);
    for (int i = 0; i < count; ++i) {
        auto* action = new QAction(m_saved.at(i), m_savedMenu);
        connect(action, &QAction::triggered, this, &ProfileManager::onSavedActionTriggered);
        m_savedMenu->addAction(action);
    }
    m_savedMenu->setFixedWidth(scaled(152));
}

QString ProfileManager::libraryFile(const QString& name)
{
    return libraryProfilePath(name);
}

QString ProfileManager::workingFile(const QString& name)
{
    return workingProfilePath(name);
}

bool ProfileManager::isDefaultName(const QString& name)
{
    for (int i = 1; i <= PROFILE_COUNT; ++i) {
        if (name == QStringLiteral("Profile %1").arg(i))
            return true;
    }
    return false;
}

bool ProfileManager::isNameUsedByOtherSlot(const QString& name) const
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (i != currentConfig.activeSlot() && currentConfig.profileNames[i] == name)
            return true;
    }
    return false;
}

void ProfileManager::setCurrentName(const QString& name)
{
    currentConfig.profileNames[currentConfig.activeSlot()] = name;
    currentConfig.current().ProfileName = name;
    m_host.showSlotNames();
}

// Loads a named profile into the current slot: the working file when there is one, else the
// library file, so every listed name stays loadable. Neither present leaves the record as it is.
bool ProfileManager::loadNamedProfile(const QString& name)
{
    QString path = workingFile(name);
    if (path.isEmpty() || !fileExists(path))
        path = libraryFile(name);
    if (path.isEmpty() || !fileExists(path)) {
        qDebug() << "no profile file for" << name;
        return false;
    }
    readProfile(currentConfig.current(), path);
    currentConfig.current().ProfileName = name;
    return true;
}

// The library file first (ADD, DELETE and import work on the library), the working file otherwise.
void ProfileManager::loadLibraryIntoCurrent(const QString& name)
{
    const QString path = libraryFile(name);
    if (!path.isEmpty() && fileExists(path)) {
        readProfile(currentConfig.current(), path);
        currentConfig.current().ProfileName = name;
        return;
    }
    loadNamedProfile(name);
}

void ProfileManager::selectSlot(int slot, bool reload)
{
    if (slot < 0 || slot >= PROFILE_COUNT)
        slot = 0;
    m_host.showSlotText(slotText(slot));
    currentConfig.ProfileID = quint8(slot);
    const QString name = currentConfig.profileNames[slot];
    if (reload)
        loadNamedProfile(name);
    m_host.showProfileName(name);
    m_host.refreshPanels();
    setCurrentProfile(slot);
}

void ProfileManager::chooseSlot(int slot)
{
    m_host.keepPanelEdits();
    selectSlot(slot, false);
    rebuildSavedProfileMenu();
    const quint8 status = switchMouseProfile(currentConfig.activeSlot());
    PointerSpeed::set(currentConfig.current().mousespeed);
    // The slot stays chosen, and the next apply sends it with the general block.
    if (status != SEND_OK)
        KroMessageBox::ask(m_host.dialogParent(), tr("Send data failed, please try again."));
}

void ProfileManager::onSlotActionTriggered()
{
    const int slot = m_slotMenu->actions().indexOf(qobject_cast<QAction*>(sender()));
    if (slot >= 0)
        chooseSlot(slot);
}

void ProfileManager::onSavedActionTriggered()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (action && m_savedMenu->actions().indexOf(action) >= 0)
        pickSavedProfile(action->text());
}

void ProfileManager::pickSavedProfile(const QString& name)
{
    if (isNameUsedByOtherSlot(name)) {
        KroMessageBox::warn(m_host.dialogParent(), tr("Profile is Already Used!"));
        return;
    }
    m_host.showProfileName(name);
    setCurrentName(name);
    loadNamedProfile(name);
    m_host.refreshPanels();
}

// base + separator + n for the first n >= firstNumber whose library file is free; firstNumber 0
// tries base alone first.
QString ProfileManager::freeName(const QString& base, const QString& separator, int firstNumber) const
{
    for (int n = firstNumber; n < MAX_NAME_NUMBER; ++n) {
        const QString name = n == 0 ? base : base + separator + QString::number(n);
        const QString path = libraryFile(name);
        if (!path.isEmpty() && !fileExists(path))
            return name;
        if (n == 0)
            n = 1; // after the bare name comes number 2
    }
    return QString();
}

void ProfileManager::addProfile()
{
    const QString name = freeName(QStringLiteral("Profile"), QStringLiteral(" "), 1);
    if (name.isEmpty())
        return;
    const QString target = libraryFile(name);
    QDir().mkpath(libraryProfileDir());
    // The library template, else the factory file written at start-up, else the description itself.
    QString source = libraryFile(QStringLiteral("DefaultProfile"));
    if (!fileExists(source))
        source = defaultProfilePath();
    if (!fileExists(source) || !QFile::copy(source, target))
        writeDefaultProfileTo(target);
    m_saved.append(name);
    saveSavedNames();
    m_host.showProfileName(name);
    setCurrentName(name);
    rebuildSavedProfileMenu();
    loadLibraryIntoCurrent(name);
    m_host.refreshPanels();
}

void ProfileManager::deleteProfile()
{
    QWidget* parent = m_host.dialogParent();
    const QString name = m_host.profileNameText();
    if (m_saved.size() <= 1) {
        KroMessageBox::warn(parent, tr("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    }
    if (isDefaultName(name)) {
        KroMessageBox::warn(parent, tr("The default Profile cannot be deleted or renamed."));
        return;
    }
    const int index = m_saved.indexOf(name);
    if (index < 0 || isNameUsedByOtherSlot(name)) {
        // An edited name field, or a profile another slot still carries: nothing to delete safely.
        KroMessageBox::warn(parent, tr("This profile cannot be deleted."));
        return;
    }
    // Replacement: from the next entry (the one before when deleting the last) backwards, then
    // forwards; never the deleted name, never one another slot carries.
    const int start = index == m_saved.size() - 1 ? m_saved.size() - 2 : index + 1;
    QString replacement;
    for (int step = 0; step < m_saved.size() && replacement.isEmpty(); ++step) {
        const int pos = step <= start ? start - step : step;
        if (pos != index && !isNameUsedByOtherSlot(m_saved.at(pos)))
            replacement = m_saved.at(pos);
    }
    if (replacement.isEmpty()) {
        KroMessageBox::warn(parent, tr("This profile cannot be deleted."));
        return;
    }
    if (!KroMessageBox::ask(parent, tr("Are you sure you want delete this profile?")))
        return;
    m_saved.removeAt(index);
    const QString file = libraryFile(name);
    if (!file.isEmpty() && fileExists(file))
        QFile::remove(file);
    m_host.showProfileName(replacement);
    setCurrentName(replacement);
    saveSavedNames();
    rebuildSavedProfileMenu();
    loadLibraryIntoCurrent(replacement);
    m_host.refreshPanels();
}

void ProfileManager::copyProfile()
{
    const QString current = currentConfig.profileNames[currentConfig.activeSlot()];
    const QString target = freeName(current + QStringLiteral(" copy"), QStringLiteral(" "), 0);
    if (target.isEmpty())
        return;
    QDir().mkpath(libraryProfileDir());
    const QString source = libraryFile(current);
    if (source.isEmpty() || !fileExists(source) || !QFile::copy(source, libraryFile(target)))
        writeProfile(currentConfig.current(), libraryFile(target));
    m_saved.append(target);
    setCurrentName(target);
    m_host.showProfileName(target);
    saveSavedNames();
    rebuildSavedProfileMenu();
}

void ProfileManager::renameProfile(bool saveSlotNames)
{
    QWidget* parent = m_host.dialogParent();
    const QString current = currentConfig.profileNames[currentConfig.activeSlot()];
    // Checked on both paths: a default profile keeps its name whichever control asks.
    if (isDefaultName(current)) {
        KroMessageBox::warn(parent, tr("The default Profile cannot be deleted or renamed."));
        m_host.showProfileName(current);
        return;
    }
    const QString newName = m_host.profileNameText();
    if (newName == current)
        return;
    const QString newFile = libraryFile(newName);
    if (newFile.isEmpty()) {
        KroMessageBox::warn(parent, tr("This name cannot be used for a profile."));
        m_host.showProfileName(current);
        return;
    }
    if (fileExists(newFile)) {
        KroMessageBox::warn(parent, tr("Profile Exist!"));
        return;
    }
    const int index = m_saved.indexOf(current);
    if (index >= 0)
        m_saved[index] = newName;
    else
        m_saved.append(newName);
    setCurrentName(newName);
    const QString oldFile = libraryFile(current);
    if (!oldFile.isEmpty() && fileExists(oldFile))
        QFile::rename(oldFile, newFile);
    saveSavedNames();
    rebuildSavedProfileMenu();
    if (saveSlotNames)
        saveProfileNames(currentConfig);
}

int ProfileManager::applyTransaction(bool gatherPanels, bool fullSend)
{
    if (gatherPanels)
        m_host.keepPanelEdits();
    alignActiveProfile(currentConfig);
    const ApplyOutcome outcome = m_runWorker(m_host.dialogParent(), fullSend);
    const int result = outcome.status;
    m_host.showResult(resultText(outcome), result != SEND_OK);
    showFileProblems(m_host.dialogParent());
    if (result == SEND_MOUSE_OFF)
        KroMessageBox::ask(m_host.dialogParent(), tr("Mouse is sleeping or not connected."));
    else if (result != SEND_OK)
        KroMessageBox::ask(m_host.dialogParent(), tr("Send data failed, please try again."));
    return result;
}

QString ProfileManager::resultText(const ApplyOutcome& outcome)
{
    if (outcome.status == SEND_MOUSE_OFF)
        return tr("Not sent: the mouse is sleeping or not connected");
    if (outcome.status != SEND_OK)
        return tr("Sending failed");
    if (outcome.sentMask == 0)
        return tr("Nothing changed");
    struct Group {
        int bit;
        const char* name;
    };
    static const Group groups[] = {
        { CHANGE_GENERAL, QT_TR_NOOP("mouse settings") },
        { CHANGE_DPI, QT_TR_NOOP("DPI") },
        { CHANGE_BUTTONS, QT_TR_NOOP("buttons") },
        { CHANGE_LIGHTING, QT_TR_NOOP("lighting") },
    };
    QStringList sent;
    for (const Group& group : groups) {
        if (outcome.sentMask & group.bit)
            sent << tr(group.name);
    }
    return tr("Sent to the mouse: %1").arg(sent.join(QStringLiteral(", ")));
}

void ProfileManager::resetProfile()
{
    if (!KroMessageBox::ask(m_host.dialogParent(), tr("Are you sure you want reset this profile?")))
        return;
    qDebug("Accepted %d", currentConfig.activeSlot());
    ProfileData& profile = currentConfig.current();
    const QString name = profile.ProfileName;
    makeDefaultProfile(profile);
    profile.ProfileName = name;
    m_host.retranslateTexts();
    m_host.refreshPanels();
    m_host.showProfileName(currentConfig.profileNames[currentConfig.activeSlot()]);
    applyTransaction(false, false);
}

void ProfileManager::resetAllProfiles()
{
    if (!KroMessageBox::ask(m_host.dialogParent(), tr("Are you sure you want reset all profiles?")))
        return;
    resetAll(currentConfig);
    // The apply saves only the first name; keep the reset names of the other slots too.
    saveProfileNames(currentConfig);
    m_host.showSlotText(slotText(0));
    m_host.showProfileName(currentConfig.profileNames[0]);
    m_host.refreshPanels();
    applyTransaction(false, true);
}

void ProfileManager::exportProfile()
{
    const QString path = KroFileDialog::getSaveFileName(
        m_host.dialogParent(), tr("Save Profile File"), QString(), tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    // The save dialog has already confirmed replacing an existing file; it is replaced only by a whole one.
    const QString source = libraryFile(currentConfig.profileNames[currentConfig.activeSlot()]);
    exportProfileFile(currentConfig.current(), source, currentProductName(), path);
    showFileProblems(m_host.dialogParent());
}

void ProfileManager::importProfile()
{
    QWidget* parent = m_host.dialogParent();
    const QString path
        = KroFileDialog::getOpenFileName(parent, tr("Load Profile File"), QString(), tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    if (readProductTag(path) != currentProductName()) {
        KroMessageBox::warn(parent, tr("The file is not match current mouse!"));
        return;
    }
    const QString name = QFileInfo(path).completeBaseName();
    qDebug() << name;
    const QString destination = libraryFile(name);
    if (destination.isEmpty() || fileExists(destination)) {
        KroMessageBox::warn(parent, tr("Profile Exist!"));
        return;
    }
    QDir().mkpath(libraryProfileDir());
    QFile::copy(path, destination);
    m_saved.append(name);
    saveSavedNames();
    rebuildSavedProfileMenu();
    ProfileData& profile = currentConfig.current();
    readProfile(profile, destination);
    profile.ProfileName = currentConfig.profileNames[currentConfig.activeSlot()];
    m_host.refreshPanels();
    m_host.showProfileName(profile.ProfileName);
    applyTransaction(false, false);
}

void ProfileManager::saveConfigFile()
{
    const QString path = KroFileDialog::getSaveFileName(
        m_host.dialogParent(), tr("Save Config File"), QString(), tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    // A name typed without a suffix gets ".conf", so LOAD1 lists the file; the save dialog asked
    // about replacing the typed name only, so a file of the completed name is asked about here.
    QString target = path;
    if (QFileInfo(path).suffix().isEmpty()) {
        target += QStringLiteral(".conf");
        if (QFileInfo::exists(target)
            && !KroMessageBox::ask(m_host.dialogParent(),
                tr("%1 already exists. Do you want to replace it?").arg(QFileInfo(target).fileName())))
            return;
    }
    exportConfig(currentConfig, target);
    showFileProblems(m_host.dialogParent());
}

void ProfileManager::loadConfigFile()
{
    const QString path = KroFileDialog::getOpenFileName(
        m_host.dialogParent(), tr("Load Config File"), QString(), tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    if (readProductTag(path) != currentProductName())
        return;
    // The file's configuration is taken whole, its active profile included.
    if (importConfig(currentConfig, path) != 0)
        return;
    // The apply saves only the first name; the imported names of the other slots are kept too.
    saveProfileNames(currentConfig);
    m_host.showSlotText(slotText(currentConfig.activeSlot()));
    m_host.showProfileName(currentConfig.profileNames[currentConfig.activeSlot()]);
    m_host.showLoadedConfig();
    m_host.refreshPanels();
    applyTransaction(false, false);
}

void ProfileManager::apply()
{
    applyTransaction(true, false);
}

void ProfileManager::ok()
{
    // The panels' working values are collected as for "Apply", so OK never drops an edit.
    applyTransaction(true, false);
    m_host.hideWindow();
}

void ProfileManager::cancel()
{
    m_host.hideWindow();
    selectSlot(currentConfig.activeSlot(), true);
}
