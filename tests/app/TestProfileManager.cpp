// Tests of the profile operations: library names, refusals, files touched, apply messages.
#include "app/ProfileHost.h"
#include "app/ProfileManager.h"
#include "store/MouseConfig.h"
#include "store/profileFiles.h"
#include "store/settings.h"
#include "widgets/KroFileDialog.h"
#include "widgets/KroMessageBox.h"
#include "widgets/dialogHook.h"

#include "TestAppDir.h"
#include "e2eFixture.h"

#include <QFile>
#include <QMenu>
#include <QWidget>
#include <QtTest>

namespace {

class FakeHost : public ProfileHost {
public:
    void refreshPanels() override { ++refreshes; }
    void showProfileName(const QString& n) override { name = n; }
    QString profileNameText() const override { return name; }
    void showSlotText(const QString& t) override { slotText = t; }
    void keepPanelEdits() override { gathered = true; }
    void retranslateTexts() override { }
    void showLoadedConfig() override { ++loadedShown; }
    void hideWindow() override { hidden = true; }
    QWidget* dialogParent() override { return &parent; }

    QWidget parent;
    QString name;
    QString slotText;
    int refreshes = 0;
    int loadedShown = 0;
    bool hidden = false;
    bool gathered = false;
    int applyResult = 0;
    QList<QPair<bool, bool>> applies;
};

} // namespace

class TestProfileManager : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppDir> m_dir;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<ProfileManager> m_manager;

    // A library file whose scroll speed marks where a loaded profile came from.
    void writeLibrary(const QString& name, int marker)
    {
        ProfileData p;
        p.scrollspeed = quint8(marker);
        p.ProfileName = name;
        QVERIFY(writeProfile(p, libraryProfilePath(name)) == 0);
    }
    void setSaved(const QStringList& names)
    {
        setSavedProfileNames(names);
        m_manager->loadSavedNames();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TestAppDir>(true);
        dialogHook::clear();
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
        currentConfig = MouseConfig();
        for (int i = 0; i < PROFILE_COUNT; ++i)
            currentConfig.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
        m_host = std::make_unique<FakeHost>();
        m_manager = std::make_unique<ProfileManager>(*m_host, &m_host->parent);
        m_manager->setWorkerRunner([this](QWidget*, bool full) {
            m_host->applies << qMakePair(std::exchange(m_host->gathered, false), full);
            ApplyOutcome outcome;
            outcome.status = m_host->applyResult;
            return outcome;
        });
    }
    void cleanup()
    {
        m_manager.reset();
        m_host.reset();
        dialogHook::clear();
        m_dir.reset();
    }

    void addTakesFirstFreeNumberAndStartsFromTemplate()
    {
        for (int i = 1; i <= 3; ++i)
            writeLibrary(QStringLiteral("Profile %1").arg(i), i);
        writeLibrary(QStringLiteral("DefaultProfile"), 77);
        setSaved({ "Profile 1", "Profile 2", "Profile 3" });
        m_manager->addProfile();
        QCOMPARE(m_manager->savedNames().last(), QStringLiteral("Profile 4"));
        QVERIFY(QFile::exists(libraryProfilePath("Profile 4")));
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("Profile 4"));
        QCOMPARE(currentConfig.current().scrollspeed, quint8(77));
        QCOMPARE(m_host->name, QStringLiteral("Profile 4"));
        QCOMPARE(savedProfileNames(), m_manager->savedNames());
        QCOMPARE(m_manager->savedMenu()->actions().size(), 4);
    }

    void deleteRefusals()
    {
        // One name left.
        setSaved({ "Work" });
        m_host->name = "Work";
        m_manager->deleteProfile();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("AT LEAST ONE PROFILE TO BE RETAINED."));
        // A default name, whatever the slot.
        setSaved({ "Profile 1", "Profile 3", "Work" });
        m_host->name = "Profile 3";
        m_manager->deleteProfile();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("The default Profile cannot be deleted or renamed."));
        // A name typed into the field that is not in the list.
        m_host->name = "Typed";
        m_manager->deleteProfile();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("This profile cannot be deleted."));
        // The question answered No.
        writeLibrary("Work", 1);
        m_host->name = "Work";
        dialogHook::answerNext(QDialog::Rejected);
        m_manager->deleteProfile();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("Are you sure you want delete this profile?"));
        QCOMPARE(m_manager->savedNames(), QStringList({ "Profile 1", "Profile 3", "Work" }));
        QVERIFY(QFile::exists(libraryProfilePath("Work")));
    }

    void deleteOfLastEntryPicksTheOneBefore()
    {
        writeLibrary("A", 1);
        writeLibrary("B", 2);
        writeLibrary("C", 3);
        setSaved({ "A", "B", "C" });
        currentConfig.profileNames[0] = "C";
        m_host->name = "C";
        m_manager->deleteProfile();
        QCOMPARE(m_manager->savedNames(), QStringList({ "A", "B" }));
        QVERIFY(!QFile::exists(libraryProfilePath("C")));
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("B"));
        QCOMPARE(m_host->name, QStringLiteral("B"));
        QCOMPARE(currentConfig.current().scrollspeed, quint8(2));
    }

    void deleteSkipsNamesOtherSlotsCarryAndRefusesWhenNoneIsFree()
    {
        for (const char* n : { "A", "B", "C", "D" })
            writeLibrary(n, 1);
        setSaved({ "A", "B", "C", "D" });
        currentConfig.profileNames[0] = "B";
        currentConfig.profileNames[1] = "C";
        m_host->name = "B";
        m_manager->deleteProfile();
        // C (next) is carried by slot 2, so the search goes back to A.
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("A"));
        QCOMPARE(m_manager->savedNames(), QStringList({ "A", "C", "D" }));

        setSaved({ "A", "C" });
        currentConfig.profileNames[0] = "A";
        m_host->name = "A";
        m_manager->deleteProfile();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("This profile cannot be deleted."));
        QCOMPARE(m_manager->savedNames(), QStringList({ "A", "C" }));
        QVERIFY(QFile::exists(libraryProfilePath("A")));
    }

    void copyNumbersTheCopies()
    {
        writeLibrary("Work", 5);
        setSaved({ "Work" });
        currentConfig.profileNames[0] = "Work";
        m_manager->copyProfile();
        currentConfig.profileNames[0] = "Work";
        m_manager->copyProfile();
        currentConfig.profileNames[0] = "Work";
        m_manager->copyProfile();
        QCOMPARE(m_manager->savedNames(), QStringList({ "Work", "Work copy", "Work copy 2", "Work copy 3" }));
        QVERIFY(QFile::exists(libraryProfilePath("Work copy 3")));
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("Work copy 3"));
    }

    void pickingANameAnotherSlotCarriesIsRefused()
    {
        writeLibrary("Game", 9);
        setSaved({ "Profile 1", "Game" });
        currentConfig.profileNames[3] = "Game";
        m_manager->pickSavedProfile("Game");
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("Profile is Already Used!"));
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("Profile 1"));

        // Not carried elsewhere: taken, and with no working file the library file is read.
        currentConfig.profileNames[3] = "Profile 4";
        m_manager->pickSavedProfile("Game");
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("Game"));
        QCOMPARE(currentConfig.current().scrollspeed, quint8(9));
    }

    void renameRefusalsAndMove()
    {
        // A default profile keeps its name from both controls.
        m_host->name = "Mine";
        m_manager->renameProfile(true);
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("The default Profile cannot be deleted or renamed."));
        QCOMPARE(m_host->name, QStringLiteral("Profile 1"));
        m_host->name = "Mine";
        m_manager->renameProfile(false);
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("Profile 1"));

        writeLibrary("Old", 1);
        writeLibrary("Taken", 2);
        setSaved({ "Profile 1", "Old", "Taken" });
        currentConfig.profileNames[0] = "Old";
        m_host->name = "Taken";
        m_manager->renameProfile(true);
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("Profile Exist!"));
        QVERIFY(QFile::exists(libraryProfilePath("Old")));
        ProfileData taken;
        readProfile(taken, libraryProfilePath("Taken"));
        QCOMPARE(taken.scrollspeed, quint8(2));

        m_host->name = "../escape";
        m_manager->renameProfile(true);
        QCOMPARE(currentConfig.profileNames[0], QStringLiteral("Old"));

        m_host->name = "New";
        m_manager->renameProfile(true);
        QCOMPARE(m_manager->savedNames(), QStringList({ "Profile 1", "New", "Taken" }));
        QVERIFY(!QFile::exists(libraryProfilePath("Old")));
        QVERIFY(QFile::exists(libraryProfilePath("New")));
        QCOMPARE(currentConfig.current().ProfileName, QStringLiteral("New"));
        MouseConfig saved;
        loadAll(saved);
        QCOMPARE(saved.profileNames[0], QStringLiteral("New"));
    }

    void applyResultMessages()
    {
        m_host->applyResult = 0;
        m_manager->apply();
        QVERIFY(dialogHook::history(dialogHook::Kind::Message).isEmpty());
        m_host->applyResult = 5;
        m_manager->apply();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("Mouse is sleeping or not connected."));
        QCOMPARE(dialogHook::history(dialogHook::Kind::Message).last().boxKind, 1);
        m_host->applyResult = 1;
        m_manager->apply();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("Send data failed, please try again."));
        // Apply and OK collect the panels; OK then hides the window.
        m_host->applyResult = 0;
        m_manager->ok();
        QVERIFY(m_host->hidden);
        QCOMPARE(m_host->applies.last(), qMakePair(true, false));
    }

    void resetAllSendsEverythingAndKeepsTheNames()
    {
        currentConfig.ProfileID = 2;
        currentConfig.profileNames[1] = "Elsewhere";
        dialogHook::answerNext(QDialog::Rejected);
        m_manager->resetAllProfiles();
        QVERIFY(m_host->applies.isEmpty());
        m_manager->resetAllProfiles();
        QCOMPARE(m_host->applies, (QList<QPair<bool, bool>> { { false, true } }));
        QCOMPARE(currentConfig.ProfileID, quint8(0));
        MouseConfig saved;
        loadAll(saved);
        QCOMPARE(saved.profileNames[1], QStringLiteral("Profile 2"));
    }

    void importChecksProductAndName()
    {
        const QString product = currentProductName();
        ProfileData p;
        p.scrollspeed = 42;
        const QString foreign = m_dir->file("foreign.prof");
        writeProfile(p, foreign);
        writeProductTag("Other Mouse", foreign);
        dialogHook::answerNextFile(foreign);
        m_manager->importProfile();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("The file is not match current mouse!"));

        const QString mine = m_dir->file("Mine.prof");
        writeProfile(p, mine);
        writeProductTag(product, mine);
        dialogHook::answerNextFile(mine);
        m_manager->importProfile();
        QVERIFY(m_manager->savedNames().contains("Mine"));
        QVERIFY(QFile::exists(libraryProfilePath("Mine")));
        QCOMPARE(currentConfig.current().scrollspeed, quint8(42));
        QCOMPARE(m_host->applies.size(), 1);

        dialogHook::answerNextFile(mine);
        m_manager->importProfile();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("Profile Exist!"));

        // A cancelled dialog does nothing.
        dialogHook::answerNextFile(QString());
        m_manager->importProfile();
        QCOMPARE(m_host->applies.size(), 1);
    }

    void saveThenLoadRestoresTheWholeConfiguration()
    {
        currentConfig.profileNames[2] = "Night";
        currentConfig.profiles[2].pollrate = 4;
        currentConfig.ProfileID = 2;
        const QString path = m_dir->file("all.conf");
        dialogHook::answerNextFile(path);
        m_manager->saveConfigFile();
        QCOMPARE(readProductTag(path), currentProductName());

        currentConfig = MouseConfig();
        dialogHook::answerNextFile(path);
        m_manager->loadConfigFile();
        QCOMPARE(currentConfig.ProfileID, quint8(2));
        QCOMPARE(currentConfig.profileNames[2], QStringLiteral("Night"));
        QCOMPARE(currentConfig.profiles[2].pollrate, quint8(4));
        QCOMPARE(m_host->slotText, m_manager->slotText(2));
        QCOMPARE(m_host->loadedShown, 1);
        QCOMPARE(m_host->applies.size(), 1);

        // Another product's file is ignored without a word.
        writeProductTag("Other Mouse", path);
        dialogHook::answerNextFile(path);
        m_manager->loadConfigFile();
        QCOMPARE(m_host->applies.size(), 1);
        QVERIFY(dialogHook::history(dialogHook::Kind::Message).isEmpty());
    }

    void cancelReloadsTheSlotFromItsFile()
    {
        ProfileData stored;
        stored.scrollspeed = 3;
        saveProfileFile(stored, "Profile 1");
        currentConfig.current().scrollspeed = 12;
        m_manager->cancel();
        QVERIFY(m_host->hidden);
        QCOMPARE(currentConfig.current().scrollspeed, quint8(3));
        QCOMPARE(currentConfig.current().ProfileName, QStringLiteral("Profile 1"));
    }
};

QTEST_MAIN(TestProfileManager)
#include "TestProfileManager.moc"
