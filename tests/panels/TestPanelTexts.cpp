// The panels and the colour dialog in German and French at display factors 1.0 and 1.5: every text fits.
#include "panels/KroColorArea.h"
#include "panels/KroColorWindow.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroPointSpeed.h"
#include "panels/KroReportRate.h"
#include "panelsTestData.h"
#include "store/appContext.h"
#include "support/TestAppDir.h"
#include "support/buttonsTextFit.h"

#include <QTranslator>
#include <QtTest>

class TestPanelTexts : public QObject {
    Q_OBJECT
private slots:
    void textsFit_data();
    void textsFit();
};

void TestPanelTexts::textsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const char* language : { "de", "fr" }) {
        for (double scale : { 1.0, 1.5 })
            QTest::addRow("%s %.1f", language, scale) << QString(language) << scale;
    }
}

void TestPanelTexts::textsFit()
{
    QFETCH(QString, language);
    QFETCH(double, scale);
    QTranslator translator;
    const QString qm = qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/lang/mousecfg_" + language + ".qm";
    if (!translator.load(qm))
        QSKIP("translations are not built");
    QCoreApplication::installTranslator(&translator);
    TestAppDir dir;
    writePanelsSetup(dir, 3389, "M1", "DPICount=6\nButtonCount=0\nMouseDpi=0\n");
    copyPanelsSkin(dir);

    const auto size = [scale](int w, int h) { return QSize(int(w * scale), int(h * scale)); };
    KroColorWindow lighting(nullptr, scale);
    lighting.resize(size(351, 440));
    KroColorArea colour(nullptr, scale);
    KroDPIWindow dpi(nullptr, scale);
    dpi.resize(size(456, 460));
    ProfileData profile = panelsTestProfile();
    dpi.loadProfile(profile, 3389);
    KroReportRate rate(nullptr, scale);
    rate.resize(size(229, 90));
    KroPointSpeed point(nullptr, scale);
    point.resize(size(229, 366));
    point.loadSettings(&profile, 1, 2, 0, 1, 20, 0, 1);

    QStringList clipped;
    const std::pair<const char*, QWidget*> shown[]
        = { { "lighting", &lighting }, { "colour", &colour }, { "dpi", &dpi }, { "rate", &rate }, { "point", &point } };
    for (const auto& [name, widget] : shown) {
        widget->grab().save(QStringLiteral("/tmp/panels-%1-%2-%3.png").arg(name, language).arg(scale));
        for (const QString& line : buttonsClippedTexts(widget))
            clipped << QString(name) + " " + line;
    }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

QTEST_MAIN(TestPanelTexts)
#include "TestPanelTexts.moc"
