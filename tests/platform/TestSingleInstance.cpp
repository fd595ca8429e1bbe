// One instance per product name; a lock left by a dead process is taken over.
#include "platform/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

namespace {
// Child mode of this executable: claim the lock, report, then hold it until stdin closes or die
// without releasing it.
int runChild(const QString& name, const QByteArray& mode)
{
    SingleInstance instance(name);
    std::printf("%s\n", instance.isOnlyInstance() ? "locked" : "refused");
    std::fflush(stdout);
    if (mode == "crash")
        ::_exit(3);
    char line[16];
    while (std::fgets(line, sizeof line, stdin)) { }
    return 0;
}
} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtime;

    QProcess* startChild(const QString& name, const char* mode)
    {
        auto* child = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MOUSECFG_LOCK_CHILD", name);
        env.insert("MOUSECFG_LOCK_MODE", mode);
        child->setProcessEnvironment(env);
        child->start(QCoreApplication::applicationFilePath(), QStringList());
        return child;
    }

    static QByteArray firstLine(QProcess* child)
    {
        while (!child->canReadLine() && child->waitForReadyRead(10000)) { }
        return child->readLine().trimmed();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void secondInstanceOfTheSameProductIsRefused()
    {
        auto first = std::make_unique<SingleInstance>("Kestrel M7");
        QVERIFY(first->isOnlyInstance());
        QVERIFY(!SingleInstance("Kestrel M7").isOnlyInstance());
        QVERIFY(SingleInstance("Kestrel M8").isOnlyInstance());
        first.reset();
        QVERIFY(SingleInstance("Kestrel M7").isOnlyInstance());
    }

    void anotherProcessHoldingTheLockRefusesUs()
    {
        QProcess* child = startChild("Kestrel M7", "hold");
        QCOMPARE(firstLine(child), QByteArray("locked"));
        QVERIFY(!SingleInstance("Kestrel M7").isOnlyInstance());
        QVERIFY(SingleInstance("Other").isOnlyInstance());
        child->closeWriteChannel();
        QVERIFY(child->waitForFinished(10000));
        QVERIFY(SingleInstance("Kestrel M7").isOnlyInstance());
    }

    void staleLockOfADeadProcessIsTakenOver()
    {
        QProcess* child = startChild("Crashy", "crash");
        QCOMPARE(firstLine(child), QByteArray("locked"));
        QVERIFY(child->waitForFinished(10000));
        QCOMPARE(child->exitCode(), 3);
        QVERIFY(QFileInfo::exists(SingleInstance::lockFilePath("Crashy")));
        QVERIFY(SingleInstance("Crashy").isOnlyInstance());
    }

    void lockStaysInAPrivateFolder_data()
    {
        QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR: "" unset, "other" another user's folder
        QTest::newRow("no runtime folder") << "";
        QTest::newRow("runtime folder of another user") << "other";
        QTest::newRow("runtime folder anyone can write") << "shared";
    }

    void lockStaysInAPrivateFolder()
    {
        QFETCH(QString, runtime);
        QTemporaryDir cache;
        QTemporaryDir tmp;
        QTemporaryDir foreign;
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        if (runtime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(foreign.path()));
        if (runtime == "other" && ::chown(QFile::encodeName(foreign.path()).constData(), ::geteuid() + 1, -1) != 0)
            QSKIP("cannot give a folder to another user");
        if (runtime == "shared")
            QFile::setPermissions(foreign.path(), QFileDevice::Permissions(0x7777));
        const QString path = SingleInstance::lockFilePath("Kestrel M7");
        const bool locked = SingleInstance("Kestrel M7").isOnlyInstance();
        qputenv("XDG_RUNTIME_DIR", saved);
        qunsetenv("TMPDIR");
        qunsetenv("XDG_CACHE_HOME");
        QVERIFY(locked);
        const QFileInfo folder(QFileInfo(path).path());
        QCOMPARE(folder.filePath(), cache.path() + "/mousecfg");
        QCOMPARE(folder.ownerId(), ::geteuid());
        QCOMPARE(int(folder.permissions() & 0x0077), 0); // nothing for the group and others
    }

    void namesStayInsideTheRuntimeDirectory()
    {
        const QStringList names = { "../../etc/x", "a/b", "", "..", QString(500, 'n'), "名字" };
        QSet<QString> paths;
        for (const QString& name : names) {
            const QFileInfo info(SingleInstance::lockFilePath(name));
            QCOMPARE(info.absolutePath(), QFileInfo(m_runtime.path()).absoluteFilePath());
            QVERIFY(info.fileName().size() < 120);
            paths.insert(info.fileName());
            QVERIFY(SingleInstance(name).isOnlyInstance());
        }
        QCOMPARE(paths.size(), names.size());
        QVERIFY(SingleInstance::lockFilePath("a b") != SingleInstance::lockFilePath("a_b"));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray childName = qgetenv("MOUSECFG_LOCK_CHILD");
    if (!childName.isEmpty())
        return runChild(QString::fromUtf8(childName), qgetenv("MOUSECFG_LOCK_MODE"));
    TestSingleInstance test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TestSingleInstance.moc"
