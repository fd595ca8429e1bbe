// The per-user application directory of a read-only installation.
#include "store/installLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}
} // namespace

class TestInstallLayout : public QObject {
    Q_OBJECT
private slots:
    void writableFolderIsUsedAsItIs()
    {
        QTemporaryDir exe;
        QDir().mkpath(exe.path() + "/Configs");
        QCOMPARE(resolveAppDir(exe.path(), exe.path() + "/home"), exe.path());
        QVERIFY(!QFileInfo::exists(exe.path() + "/home/mousecfg"));
    }

    // Where a package puts the program, its state goes to the user's folder even for root, who
    // could write there; a build or portable folder keeps it beside the program.
    void installedLocationIsTheFolderNotItsRights_data()
    {
        QTest::addColumn<QString>("exeDir");
        QTest::addColumn<bool>("installed");
        QTest::newRow("package") << "/usr/lib/mousecfg" << true;
        QTest::newRow("local prefix") << "/usr/local/lib/mousecfg" << true;
        QTest::newRow("opt") << "/opt/mousecfg/" << true;
        QTest::newRow("build tree") << "/work/mousecfg/build/bin" << false;
        QTest::newRow("home copy") << "/home/user/mousecfg" << false;
        QTest::newRow("look-alike") << "/usrlocal/mousecfg" << false;
    }
    void installedLocationIsTheFolderNotItsRights()
    {
        QFETCH(QString, exeDir);
        QFETCH(bool, installed);
        QCOMPARE(isInstalledLocation(exeDir), installed);
    }

    void userFolderMirrorsInstallAndKeepsUserFiles()
    {
        QTemporaryDir exe, home;
        writeFile(exe.path() + "/DefaultProfile.bin", "[PROFILE]\n");
        writeFile(exe.path() + "/skin/a.png", "x");
        writeFile(exe.path() + "/Configs/Config.ini", "[Config]\nProfileID=0\n");
        writeFile(exe.path() + "/Configs/Profile/Profile 1.prof", "[PROFILE]\n");

        const QString dir = prepareUserAppDir(exe.path(), home.path());
        QCOMPARE(dir, home.path() + "/mousecfg");
        QVERIFY(QFileInfo(dir + "/skin").isSymLink());
        QVERIFY(QFileInfo::exists(dir + "/DefaultProfile.bin"));
        QVERIFY(QFileInfo::exists(dir + "/Configs/Profile/Profile 1.prof"));

        // A second start keeps what the user changed.
        writeFile(dir + "/Configs/Config.ini", "[Config]\nProfileID=3\n");
        QCOMPARE(prepareUserAppDir(exe.path(), home.path()), dir);
        QFile f(dir + "/Configs/Config.ini");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("ProfileID=3"));
    }
};

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "TestInstallLayout.moc"
