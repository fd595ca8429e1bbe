// Pictures of the main window's pages with the virtual mouse, at display factors 1.0 and 1.5, in
// English (with its translation, as installed) and in Simplified Chinese. They go to MOUSECFG_SHOT_DIR when set (the
// documentation's folder), else to the temporary folder.
#include "app/MousecfgWidget.h"
#include "store/appContext.h"
#include "widgets/KroMenu.h"

#include "e2eFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

QString shotFolder()
{
    const QString folder = qEnvironmentVariable("MOUSECFG_SHOT_DIR");
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

// The window as a person sees it, in 16-bit colour: files stay small and the skin's gradients do
// not band the way a 256-colour palette does.
void saveShot(MousecfgWidget& w, const QString& name)
{
    QCoreApplication::processEvents();
    const QImage image
        = w.grab().toImage().convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB888);
    QVERIFY(!image.isNull());
    QVERIFY(image.save(shotFolder() + "/" + name + ".png"));
}

// Switches the window to the language of the settings' list entry `index`, with its built translation.
void chooseLanguage(MousecfgWidget& w, int index, const QString& stem)
{
    const QString built = qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/lang/" + stem + ".qm";
    QDir().mkpath(appDir() + "/lang");
    QVERIFY(QFile::copy(built, appDir() + "/lang/" + stem + ".qm"));
    auto* menu = w.findChild<KroMenu*>("languageMenu");
    QVERIFY(menu && index < menu->actions().size());
    menu->actions().at(index)->trigger();
}

} // namespace

class TestScreenshots : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("lighting") << int(MousecfgWidget::PageLighting) << 96.0 << "lighting" << false;
        QTest::newRow("customize") << int(MousecfgWidget::PageCustomize) << 96.0 << "customize" << false;
        QTest::newRow("dpi") << int(MousecfgWidget::PageDpi) << 96.0 << "dpi" << false;
        QTest::newRow("macro") << int(MousecfgWidget::PageMacro) << 96.0 << "macro" << false;
        QTest::newRow("lighting-150") << int(MousecfgWidget::PageLighting) << 144.0 << "lighting-150" << false;
        QTest::newRow("dpi-150") << int(MousecfgWidget::PageDpi) << 144.0 << "dpi-150" << false;
        QTest::newRow("customize-150") << int(MousecfgWidget::PageCustomize) << 144.0 << "customize-150" << false;
        QTest::newRow("lighting-zh") << int(MousecfgWidget::PageLighting) << 96.0 << "lighting-zh" << true;
        QTest::newRow("dpi-zh-150") << int(MousecfgWidget::PageDpi) << 144.0 << "dpi-zh-150" << true;
        QTest::newRow("macro-zh") << int(MousecfgWidget::PageMacro) << 96.0 << "macro-zh" << true;
    }
    void pages()
    {
        QFETCH(int, page);
        QFETCH(double, dpi);
        QFETCH(QString, name);
        QFETCH(bool, chinese);
        E2eFixture e2e(true);
        MousecfgWidget& w = e2e.window();
        if (chinese)
            chooseLanguage(w, 4, QStringLiteral("mousecfg_zh_CN"));
        else
            chooseLanguage(w, 0, QStringLiteral("mousecfg_en"));
        w.setLogicalDpiOverride(dpi);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.switchPage(page);
        saveShot(w, name);
    }
};

QTEST_MAIN(TestScreenshots)
#include "TestScreenshots.moc"
