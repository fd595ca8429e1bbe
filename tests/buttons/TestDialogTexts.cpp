// The button dialogs in German and French at display factors 1.0 and 1.5: every text fits its place.
#include "buttons/KroComboKeyWindow.h"
#include "buttons/KroFireKeyWindow.h"
#include "buttons/KroGunsetDialog.h"
#include "buttons/KroMacroSelect.h"
#include "buttons/KroSingleKeyWindow.h"
#include "buttons/KroSniperWindow.h"
#include "store/appContext.h"
#include "support/TestAppDir.h"
#include "support/buttonsSkin.h"
#include "support/buttonsTextFit.h"

#include <QTranslator>
#include <QtTest>

#include <memory>

class TestDialogTexts : public QObject {
    Q_OBJECT
private slots:
    void textsFit_data();
    void textsFit();
};

void TestDialogTexts::textsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const char* language : { "de", "fr" }) {
        for (double scale : { 1.0, 1.5 })
            QTest::addRow("%s %.1f", language, scale) << QString(language) << scale;
    }
}

void TestDialogTexts::textsFit()
{
    QFETCH(QString, language);
    QFETCH(double, scale);
    QTranslator translator;
    const QString qm = qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/lang/mousecfg_" + language + ".qm";
    if (!translator.load(qm))
        QSKIP("translations are not built");
    QCoreApplication::installTranslator(&translator);
    TestAppDir dir(true);
    buttonsCopySkin(dir.path());
    setScaleFactor(scale);

    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> dialogs;
    dialogs.emplace_back("single", std::make_unique<KroSingleKeyWindow>(nullptr));
    dialogs.emplace_back("combo", std::make_unique<KroComboKeyWindow>(nullptr));
    dialogs.emplace_back("fire", std::make_unique<KroFireKeyWindow>(nullptr));
    dialogs.emplace_back("sniper", std::make_unique<KroSniperWindow>(nullptr, 3389));
    dialogs.emplace_back("macroselect", std::make_unique<KroMacroSelect>(nullptr, "MACRO SELECT", QString(), 1, 0));
    dialogs.emplace_back("gunset", std::make_unique<KroGunsetDialog>(nullptr));

    QStringList clipped;
    for (const auto& [name, dialog] : dialogs) {
        buttonsSaveShot(dialog->grab().toImage(), QStringLiteral("%1-%2-%3").arg(name, language).arg(scale));
        for (const QString& line : buttonsClippedTexts(dialog.get()))
            clipped << name + " " + line;
    }
    QCoreApplication::removeTranslator(&translator);
    setScaleFactor(1.0);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

QTEST_MAIN(TestDialogTexts)
#include "TestDialogTexts.moc"
