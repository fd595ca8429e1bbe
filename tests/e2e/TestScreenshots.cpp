// Pictures of the main window's pages with the virtual mouse, at display factors 1.0 and 1.5.
// They go to MOUSECFG_SHOT_DIR when set (the documentation's folder), else to the temporary folder.
#include "app/MousecfgWidget.h"

#include "e2eFixture.h"

#include <QDir>
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

} // namespace

class TestScreenshots : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QString>("name");
        QTest::newRow("lighting") << int(MousecfgWidget::PageLighting) << 96.0 << "lighting";
        QTest::newRow("customize") << int(MousecfgWidget::PageCustomize) << 96.0 << "customize";
        QTest::newRow("dpi") << int(MousecfgWidget::PageDpi) << 96.0 << "dpi";
        QTest::newRow("macro") << int(MousecfgWidget::PageMacro) << 96.0 << "macro";
        QTest::newRow("dpi-150") << int(MousecfgWidget::PageDpi) << 144.0 << "dpi-150";
        QTest::newRow("customize-150") << int(MousecfgWidget::PageCustomize) << 144.0 << "customize-150";
    }
    void pages()
    {
        QFETCH(int, page);
        QFETCH(double, dpi);
        QFETCH(QString, name);
        E2eFixture e2e(true);
        MousecfgWidget& w = e2e.window();
        w.setLogicalDpiOverride(dpi);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.switchPage(page);
        saveShot(w, name);
    }
};

QTEST_MAIN(TestScreenshots)
#include "TestScreenshots.moc"
