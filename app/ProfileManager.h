// The five on-board slots, the product's library of named profiles and every operation on them.
#pragma once

#include "app/KroProcessDialog.h"

#include <QObject>
#include <QStringList>

#include <functional>

class ProfileHost;
class QAction;
class QMenu;
class QWidget;

class ProfileManager : public QObject {
    Q_OBJECT
public:
    // Menus are created as children of menuParent (the main window).
    ProfileManager(ProfileHost& host, QWidget* menuParent);

    QMenu* slotMenu() const { return m_slotMenu; }
    QMenu* savedMenu() const { return m_savedMenu; }
    QStringList savedNames() const { return m_saved; }

    // Library list of the current product (Configs/<product>/Config.ini).
    void loadSavedNames();
    void saveSavedNames() const;
    void rebuildSavedProfileMenu();
    void retranslateSlotMenu();
    // Slot menu text of slot i ("Mode i+1").
    QString slotText(int slot) const;

    void selectSlot(int slot, bool reload);
    bool isNameUsedByOtherSlot(const QString& name) const;
    static bool isDefaultName(const QString& name);

    // Library and working file of a name; empty when the name cannot be a file name.
    static QString libraryFile(const QString& name);
    static QString workingFile(const QString& name);

    // User operations (buttons, menus, the name field).
    void pickSavedProfile(const QString& name);
    void addProfile();
    void deleteProfile();
    void copyProfile();
    void renameProfile(bool saveSlotNames);
    void resetProfile();
    void resetAllProfiles();
    void exportProfile();
    void importProfile();
    void saveConfigFile();
    void loadConfigFile();
    void apply();
    void ok();
    void cancel();
    // A slot chosen in the slot menu or the slot strip: shown, and the mouse switched to it at once.
    void chooseSlot(int slot);

    // The apply transaction: the panels' values (gatherPanels), the active profile aligned, the
    // worker run behind the busy dialog; tells the user what was sent or that it failed. Returns
    // the worker's code.
    int applyTransaction(bool gatherPanels, bool fullSend);
    // The result line of one apply: what was sent ("DPI, lighting"), that nothing changed, or why
    // nothing reached the mouse.
    static QString resultText(const ApplyOutcome& outcome);
    // What runs the worker (default: KroProcessDialog::runWorker); tests give their own.
    using WorkerRunner = std::function<ApplyOutcome(QWidget* parent, bool fullSend)>;
    void setWorkerRunner(WorkerRunner runner) { m_runWorker = std::move(runner); }

private slots:
    void onSavedActionTriggered();
    void onSlotActionTriggered();

private:
    void setCurrentName(const QString& name);
    void loadLibraryIntoCurrent(const QString& name);
    bool loadNamedProfile(const QString& name);
    QString freeName(const QString& base, const QString& separator, int firstNumber) const;

    ProfileHost& m_host;
    QMenu* m_slotMenu = nullptr;
    QMenu* m_savedMenu = nullptr;
    QStringList m_saved;
    WorkerRunner m_runWorker;
};
