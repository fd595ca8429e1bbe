// Macro page in every shipped language at display factors 1.0 and 1.5: captions fit their widgets.
#include "macros/KroTreeItem.h"
#include "macros/MacroDialog.h"
#include "store/appContext.h"
#include "store/language.h"
#include "support/TestAppDir.h"
#include "widgets/KroPushButton.h"
#include "widgets/skinStyle.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTranslator>
#include <QtTest>

class TestMacroTexts : public QObject {
    Q_OBJECT
private slots:
    void captionsFit_data();
    void captionsFit();
};

void TestMacroTexts::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("languageId");
    QTest::addColumn<double>("scale");
    // Index of each language in the shipped Config.ini: it picks the language's font.
    const std::pair<const char*, int> languages[]
        = { { "en", 0 }, { "fr", 1 }, { "de", 2 }, { "es", 3 }, { "zh_CN", 4 } };
    for (const auto& language : languages) {
        for (double scale : { 1.0, 1.5 })
            QTest::addRow("%s %.1f", language.first, scale) << QString(language.first) << language.second << scale;
    }
}

void TestMacroTexts::captionsFit()
{
    QFETCH(QString, language);
    QFETCH(int, languageId);
    QFETCH(double, scale);
    QTranslator translator;
    if (language != "en") {
        const QString qm = qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/lang/mousecfg_" + language + ".qm";
        if (!translator.load(qm))
            QSKIP("translations are not built");
        QCoreApplication::installTranslator(&translator);
    }
    TestAppDir dir(true);
    setLanguageId(languageId);
    setScaleFactor(scale);
    QWidget window;
    window.resize(scaled(700), scaled(480));
    auto* page = new MacroDialog(&window);
    page->setGeometry(0, 0, scaled(665), scaled(467));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    page->grab().save(QStringLiteral("/tmp/macros-texts-%1-%2.png").arg(language).arg(scale));

    QStringList clipped;
    // The skin buttons elide what does not fit; the slanted ends take a few pixels of each side.
    const QFontMetrics metrics(skinFont());
    for (const KroPushButton* button : page->findChildren<KroPushButton*>()) {
        const int need = metrics.horizontalAdvance(button->text()) + scaled(4);
        if (button->isVisibleTo(page) && need > button->width())
            clipped << QStringLiteral("%1 \"%2\" %3>%4")
                           .arg(button->objectName(), button->text())
                           .arg(need)
                           .arg(button->width());
    }
    for (const QCheckBox* box : page->findChildren<QCheckBox*>()) {
        if (box->isVisibleTo(page) && box->sizeHint().width() > box->width())
            clipped << box->objectName() + " \"" + box->text() + "\"";
    }
    // The loop buttons do not run into their neighbours.
    const QRect loopTimes = page->findChild<QWidget*>("macroLoopTimes")->geometry();
    QVERIFY(!loopTimes.intersects(page->findChild<QWidget*>("macroLoopTime")->geometry()));
    QVERIFY(!page->findChild<QWidget*>("macroDefaultDelay")->geometry().intersects(loopTimes));
    QVERIFY(!page->findChild<QWidget*>("macroRecordDelays")->geometry().intersects(loopTimes));
    QCoreApplication::removeTranslator(&translator);
    setScaleFactor(1.0);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

QTEST_MAIN(TestMacroTexts)
#include "TestMacroTexts.moc"
