// What a broken disk, a crash, a full disk or another program may leave where our files should be:
// it is moved aside and told, never written over, never blocks, never follows a link out of the
// settings folder, and never costs the mouse its left click.
#include "support/FileSizeLimit.h"
#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"
#include "support/ctlRunner.h"
#include "support/storeSamples.h"

#include "device/KroGetBatteryThread.h"
#include "device/KroProcessThread.h"
#include "device/commandSet.h"
#include "sim/VirtualMouseDecoder.h"
#include "store/deviceDescription.h"
#include "store/fileProblems.h"
#include "store/language.h"
#include "store/macroFiles.h"
#include "store/profileFiles.h"
#include "store/settings.h"

#include <QLockFile>
#include <QtTest>

namespace {

enum Op { WriteSetting, SaveProfile, SaveMacro, LoadMacro, ReadLanguage, WriteLanguage, ReadDescription };

// The problems told so far as "kind:path below the application directory".
QStringList told(const TestAppDir& dir)
{
    static const char* const kinds[]
        = { "MovedAside", "Missing", "UnsafeName", "WriteFailed", "LinkReplaced", "LinkRefused", "FactoryLoaded" };
    QStringList lines;
    for (const FileProblem& p : takeFileProblems())
        lines << QString::fromLatin1(kinds[int(p.kind)]) + ":" + QString(p.path).remove(dir.path() + "/");
    return lines;
}

// The "<file>.unreadable-*" siblings of a file.
QFileInfoList setAside(const QString& path)
{
    const QFileInfo file(path);
    return QDir(file.path())
        .entryInfoList({ file.fileName() + ".unreadable-*" }, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

bool isKind(const QFileInfo& info, int kind)
{
    switch (kind) {
    case TestAppDir::Fifo:
        return !info.isFile() && !info.isDir() && info.exists();
    case TestAppDir::Folder:
        return info.isDir();
    default:
        return info.isFile();
    }
}

ProfileData factoryProfile(const QString& name)
{
    ProfileData p;
    makeDefaultProfile(p);
    p.ProfileName = name;
    return p;
}

int runOp(int op)
{
    Macro macro;
    macro.events = { MacroEvent::key(4, true), MacroEvent::key(4, false) };
    switch (op) {
    case WriteSetting:
        return setDiffFlag(1);
    case SaveProfile:
        return saveProfileFile(storeSampleProfile(1), "Mine");
    case SaveMacro:
        return saveMacro("Mine", macro);
    case LoadMacro:
        loadMacro("Mine", macro);
        return macroWriteSign("Mine");
    case ReadLanguage:
        return languageId();
    case WriteLanguage:
        return setLanguageId(2);
    case ReadDescription:
        return productName().isEmpty() && macroDelayUnit() == MACRO_DEFAULT_DELAY_UNIT ? 0 : -1;
    }
    return -1;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void unusableWorkingProfileLoadsAndSendsTheFactoryProfile_data()
    {
        QTest::addColumn<QByteArray>("config"); // Config.ini as written first; "-" for none
        QTest::addColumn<QString>("plantAt");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("expected");
        const QByteArray mine = "[Config]\nProfile1=Mine\n";
        const QStringList mineUnusable
            = { "MovedAside:Configs/Profile/Mine.prof", "FactoryLoaded:Configs/Profile/Mine.prof" };
        const QStringList configUnusable = { "MovedAside:Configs/Config.ini" };
        QTest::newRow("fresh installation") << QByteArray("-") << QString() << 0 << QStringList();
        QTest::newRow("empty Config.ini") << QByteArray() << QString() << 0 << QStringList();
        QTest::newRow("binary Config.ini") << mine << "Configs/Config.ini" << int(TestAppDir::Binary) << configUnusable;
        QTest::newRow("oversized Config.ini")
            << mine << "Configs/Config.ini" << int(TestAppDir::Oversized) << configUnusable;
        QTest::newRow("FIFO Config.ini") << mine << "Configs/Config.ini" << int(TestAppDir::Fifo) << configUnusable;
        QTest::newRow("folder Config.ini") << mine << "Configs/Config.ini" << int(TestAppDir::Folder) << configUnusable;
        QTest::newRow("unsafe name") << QByteArray("[Config]\nProfile1=../../x\n") << QString() << 0
                                     << QStringList { "UnsafeName:Configs/Config.ini",
                                            "Missing:Configs/Profile/Profile 1.prof",
                                            "FactoryLoaded:Configs/Profile/Profile 1.prof" };
        QTest::newRow("named file missing")
            << mine << QString() << 0
            << QStringList { "Missing:Configs/Profile/Mine.prof", "FactoryLoaded:Configs/Profile/Mine.prof" };
        const QString profile = "Configs/Profile/Mine.prof";
        QTest::newRow("binary profile") << mine << profile << int(TestAppDir::Binary) << mineUnusable;
        QTest::newRow("oversized profile") << mine << profile << int(TestAppDir::Oversized) << mineUnusable;
        QTest::newRow("profile without [PROFILE]") << mine << profile << int(TestAppDir::NotAProfile) << mineUnusable;
        QTest::newRow("FIFO profile") << mine << profile << int(TestAppDir::Fifo) << mineUnusable;
        QTest::newRow("folder profile") << mine << profile << int(TestAppDir::Folder) << mineUnusable;
    }

    void unusableWorkingProfileLoadsAndSendsTheFactoryProfile()
    {
        QFETCH(QByteArray, config);
        QFETCH(QString, plantAt);
        QFETCH(int, kind);
        QFETCH(QStringList, expected);
        TestAppDir dir(true);
        VirtualMouseFixture mouse;
        QFile::remove(dir.file("Configs/Config.ini"));
        if (config != "-")
            dir.write("Configs/Config.ini", config);
        if (!plantAt.isEmpty())
            dir.plant(plantAt, TestAppDir::Hostile(kind));

        MouseConfig loaded;
        QVERIFY(dir.runsWithoutBlocking([&] { loadAll(loaded); }));
        QVERIFY(loaded.profiles[0] == factoryProfile(loaded.profileNames[0]));
        QCOMPARE(told(dir), expected);

        // As mousecfgctl apply --full and the window's Apply with Config/Diff 1 send it.
        sentConfig = currentConfig = loaded;
        setMouseOff(false);
        QCOMPARE(int(applyConfiguration(true)), int(SEND_OK));
        const SlotBytes first = VirtualMouseDecoder(mouse.mouse(), sensorModel()).buttonSlot(buttonMatrix()[0]);
        QCOMPARE(first, buttonSlotBytes(factoryProfile(QString()).buttons[0], sensorModel(), 0));
        QVERIFY(first != SlotBytes {});
    }

    void hostileFileIsNeverWrittenOverNorBlocks_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("op");
        QTest::addColumn<bool>("moved");
        const QString config = "Configs/Config.ini";
        const QString profile = "Configs/Profile/Mine.prof";
        const QString macro = "Configs/MacroDB/Mine.MSMACRO";
        const QString language = "Configs/LangConfig.ini";
        QTest::newRow("oversized Config.ini, setting written")
            << config << int(TestAppDir::Oversized) << int(WriteSetting) << true;
        QTest::newRow("binary Config.ini, setting written")
            << config << int(TestAppDir::Binary) << int(WriteSetting) << true;
        QTest::newRow("FIFO Config.ini, setting written")
            << config << int(TestAppDir::Fifo) << int(WriteSetting) << true;
        QTest::newRow("binary profile, saved") << profile << int(TestAppDir::Binary) << int(SaveProfile) << true;
        QTest::newRow("FIFO profile, saved") << profile << int(TestAppDir::Fifo) << int(SaveProfile) << true;
        QTest::newRow("folder profile, saved") << profile << int(TestAppDir::Folder) << int(SaveProfile) << true;
        QTest::newRow("binary macro, saved") << macro << int(TestAppDir::Binary) << int(SaveMacro) << true;
        QTest::newRow("FIFO macro, saved") << macro << int(TestAppDir::Fifo) << int(SaveMacro) << true;
        QTest::newRow("FIFO macro, loaded") << macro << int(TestAppDir::Fifo) << int(LoadMacro) << false;
        QTest::newRow("FIFO language settings, read")
            << language << int(TestAppDir::Fifo) << int(ReadLanguage) << false;
        QTest::newRow("FIFO language settings, written")
            << language << int(TestAppDir::Fifo) << int(WriteLanguage) << true;
        QTest::newRow("FIFO description, read")
            << "DefaultProfile.bin" << int(TestAppDir::Fifo) << int(ReadDescription) << false;
    }

    void hostileFileIsNeverWrittenOverNorBlocks()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(int, op);
        QFETCH(bool, moved);
        TestAppDir dir;
        dir.plant(file, TestAppDir::Hostile(kind));
        QByteArray planted;
        if (QFileInfo(dir.file(file)).isFile() && kind != TestAppDir::Oversized) {
            QFile f(dir.file(file));
            f.open(QIODevice::ReadOnly);
            planted = f.readAll();
        }
        int result = -1;
        QVERIFY(dir.runsWithoutBlocking([&] { result = runOp(op); }));

        const QFileInfoList aside = setAside(dir.file(file));
        if (!moved) {
            QVERIFY(aside.isEmpty());
            QVERIFY(isKind(QFileInfo(dir.file(file)), kind));
            return;
        }
        QCOMPARE(result, 0);
        QCOMPARE(aside.size(), 1);
        QVERIFY(isKind(aside[0], kind));
        if (!planted.isEmpty()) {
            QFile f(aside[0].filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), planted);
        }
        QCOMPARE(iniState(dir.file(file)), IniState::Usable);
        QCOMPARE(told(dir), QStringList { "MovedAside:" + file });
    }

    void saveAllWritesEveryNamedFileBeforeTheSettings()
    {
        TestAppDir dir(true);
        MouseConfig saved = storeSampleConfig();
        for (int i = 0; i < PROFILE_COUNT; ++i)
            saved.profileNames[i] = QStringLiteral("Imported %1").arg(i + 1);
        QCOMPARE(saveAll(saved), 0);
        MouseConfig back;
        loadAll(back);
        QVERIFY(back == saved);
        QCOMPARE(told(dir), QStringList());

        // A full disk during the next save: Config.ini goes on naming the files that are there.
        MouseConfig later = storeSampleConfig(9);
        for (int i = 0; i < PROFILE_COUNT; ++i)
            later.profileNames[i] = QStringLiteral("Later %1").arg(i + 1);
        {
            FileSizeLimit full(64 * 1024);
            QCOMPARE(saveAll(later), STORE_WRITE_FAILED);
        }
        QCOMPARE(told(dir), QStringList { "WriteFailed:Configs/Profile/Later 1.prof" });
        loadAll(back);
        QVERIFY(back == saved);
        QCOMPARE(QDir(dir.file("Configs/Profile")).entryList(QDir::Files | QDir::Hidden).size(), PROFILE_COUNT);
    }

    void failedWriteIsToldAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("configuration export") << "user/saved.conf";
        QTest::newRow("profile export") << "user/saved.prof";
        QTest::newRow("working profile") << "Configs/Profile/Mine.prof";
    }

    void failedWriteIsToldAndKeepsTheOldFile()
    {
        QFETCH(QString, file);
        TestAppDir dir;
        const QByteArray old = "[PROFILE]\nBUTTON_INFO_0_Fun=1\n";
        dir.write(file, old);
        const QString path = dir.file(file);
        int result = 0;
        {
            FileSizeLimit full(64 * 1024);
            const MouseConfig config = storeSampleConfig();
            if (file.endsWith(".conf"))
                result = exportConfig(config, path);
            else if (file.startsWith("user"))
                result = exportProfileFile(config.profiles[0], QString(), "Kestrel M7", path);
            else
                result = saveProfileFile(config.profiles[0], "Mine");
        }
        QCOMPARE(result, -1);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
        QCOMPARE(told(dir), QStringList { "WriteFailed:" + file });
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void linksOutOfTheSettingsFolderAreNotFollowed_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target"); // below the outside folder, or below Configs for "inside:"
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("settings file to a file outside")
            << "Configs/Config.ini"
            << "keep.ini" << QStringList { "LinkReplaced:Configs/Config.ini" };
        QTest::newRow("settings file to nothing outside")
            << "Configs/Config.ini"
            << "none.ini" << QStringList { "LinkReplaced:Configs/Config.ini" };
        QTest::newRow("profile folder to a folder outside")
            << "Configs/Profile"
            << "." << QStringList { "LinkRefused:Configs/Profile/Mine.prof" };
        QTest::newRow("settings file to a file inside") << "Configs/Config.ini"
                                                        << "inside:real.ini" << QStringList();
    }

    void linksOutOfTheSettingsFolderAreNotFollowed()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QStringList, expected);
        TestAppDir dir;
        QTemporaryDir outside;
        QFile keep(outside.filePath("keep.ini"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("[Config]\nDiff=5\n");
        keep.close();
        const bool inside = target.startsWith("inside:");
        const QString to = inside ? dir.file("Configs/" + target.mid(7)) : outside.filePath(target);
        if (inside)
            dir.write("Configs/" + target.mid(7), "[Config]\nDiff=5\n");
        QVERIFY(QFile::link(QDir::cleanPath(to), dir.file(link)));

        const int result = link.endsWith("Profile") ? saveProfileFile(storeSampleProfile(1), "Mine") : setDiffFlag(1);
        QCOMPARE(told(dir), expected);
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList { "keep.ini" });
        QCOMPARE(QSettings(keep.fileName(), QSettings::IniFormat).value("Config/Diff").toInt(), 5);
        if (link.endsWith("Profile")) {
            QCOMPARE(result, -1);
            return;
        }
        QCOMPARE(result, 0);
        QCOMPARE(diffFlag(), 1);
        QCOMPARE(QFileInfo(dir.file(link)).isSymLink(), inside);
    }

    void unsafeProductNameBecomesNoPath()
    {
        TestAppDir dir;
        setCurrentProductName("../../skin");
        QCOMPARE(currentProductName(), QString());
        QCOMPARE(productConfigPath(), QString());
        QCOMPARE(libraryProfileDir(), QString());
    }

    void noLockBesideAFileTheUserChose()
    {
        TestAppDir dir;
        QTemporaryDir user;
        const QString path = user.filePath("mine.conf");
        // Another copy busy with the same file: a writer that locks beside it would wait.
        QLockFile held(path + ".lock");
        QVERIFY(held.tryLock());
        int result = -1;
        QVERIFY(
            dir.runsWithoutBlocking([&] { result = exportConfig(storeSampleConfig(), path); }, [&] { held.unlock(); }));
        QCOMPARE(result, 0);
        held.unlock();
        QCOMPARE(QDir(user.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { "mine.conf" });
    }

    void mousecfgctlTellsFileProblems()
    {
        if (ctlProgram().isEmpty())
            QSKIP("mousecfgctl is not built");
        TestAppDir dir(true);
        e2eFactoryProfiles();
        dir.plant("Configs/Profile/Profile 1.prof", TestAppDir::Binary);
        CtlRun run = runCtl(dir, { "apply", "--full" });
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("Profile 1.prof could not be read. It was kept as Profile 1.prof.unreadable-"),
            qPrintable(run.out));
        QVERIFY(run.out.contains("Profile 1 was loaded with the factory settings."));

        // Nowhere to write the profile files: the command fails with 7 and says why.
        QDir(dir.file("Configs/Profile")).removeRecursively();
        dir.write("Configs/Profile", "not a folder");
        run = runCtl(dir, { "apply", "--full" });
        QCOMPARE(run.code, STORE_WRITE_FAILED);
        QVERIFY2(run.out.contains("Profile 1.prof could not be written."), qPrintable(run.out));
    }

private:
    static void e2eFactoryProfiles()
    {
        for (int i = 0; i < PROFILE_COUNT; ++i)
            saveProfileFile(
                factoryProfile(QStringLiteral("Profile %1").arg(i + 1)), QStringLiteral("Profile %1").arg(i + 1));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "TestHostileFiles.moc"
