// Scaled geometry, fonts and style sheets of the settings panels.
#include "panels/panelStyle.h"

#include "store/appContext.h"
#include "store/language.h"
#include "widgets/skinStyle.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

QRect scaledRect(double x, double y, double w, double h, double scale)
{
    return QRect(int(x * scale), int(y * scale), int(w * scale), int(h * scale));
}

void placeScaled(QWidget* widget, double x, double y, double w, double h, double scale)
{
    widget->setGeometry(scaledRect(x, y, w, h, scale));
}

void shrinkFontToFit(QWidget* widget)
{
    // Far beyond any text of ours; a size from a hostile settings file must not make this loop long.
    constexpr int MAX_FIT_PIXELS = 500;
    QFont font = widget->font();
    const int full = qMin(font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize(), MAX_FIT_PIXELS);
    for (int size = full; size >= full * 7 / 10 && size > 1; --size) {
        font.setPixelSize(size);
        widget->setFont(font);
        if (widget->sizeHint().width() <= widget->width())
            return;
    }
}

QFont panelFont(double scale, int pixelSize)
{
    QFont font = languageFontFor(languageIndex(), scale, pixelSize);
    // Settings without a size for this language: the panels' usual 12 pixels.
    if (font.pixelSize() <= 0)
        font.setPixelSize(qMax(1, int(12 * scale)));
    return font;
}

QColor panelTextColour()
{
    return QColor(220, 220, 220);
}

QString colourStyle(const QColor& colour)
{
    return QStringLiteral("color:rgb(%1,%2,%3);").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString sliderStyleSheet(double scale, const QColor& accent)
{
    const int groove = qMax(2, int(4 * scale));
    const int handle = qMax(6, int(10 * scale));
    const int margin = qMax(2, int(5 * scale));
    return QStringLiteral("QSlider::groove:horizontal{height:%1px;border-radius:%2px;"
                          "background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 rgb(70,70,70),"
                          "stop:1 rgb(%4,%5,%6));}"
                          "QSlider::handle:horizontal{width:%3px;margin:-%7px 0;border-radius:%8px;"
                          "background:rgb(%4,%5,%6);}"
                          "QSlider::handle:horizontal:disabled{background:rgb(90,90,90);}")
        .arg(groove)
        .arg(groove / 2)
        .arg(handle)
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(margin)
        .arg(handle / 2);
}

QString panelStyleSheet(double scale, const QColor& accent)
{
    const int box = qMax(8, int(13 * scale));
    return QStringLiteral("QLabel,QCheckBox,QRadioButton{color:rgb(220,220,220);background:transparent;}"
                          "QCheckBox::indicator,QRadioButton::indicator{width:%1px;height:%1px;"
                          "border:1px solid rgb(%3,%4,%5);background:rgb(30,30,30);}"
                          "QCheckBox::indicator:disabled,QRadioButton::indicator:disabled{"
                          "border:1px solid rgb(90,90,90);}"
                          "QRadioButton::indicator{border-radius:%2px;}"
                          "QCheckBox::indicator:checked,QRadioButton::indicator:checked{"
                          "background:rgb(%3,%4,%5);border:1px solid rgb(220,220,220);}"
                          "QSpinBox{color:white;background:rgb(30,30,30);border:1px solid rgb(90,90,90);}")
        .arg(box)
        .arg(box / 2)
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue());
}

void skinIndicators(QWidget* root, double scale)
{
    const QString sheet = panelStyleSheet(scale, skinAccent());
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QCheckBox*>(button) && !qobject_cast<QRadioButton*>(button))
            continue;
        button->setStyleSheet(sheet);
        button->style()->unpolish(button);
        button->style()->polish(button);
        button->updateGeometry();
        button->update();
    }
}

QString rgbText(const QColor& colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString panelButtonStyleSheet(const QColor& accent)
{
    return QStringLiteral("QPushButton{color:rgb(220,220,220);background:rgb(40,40,40);border:1px solid %1;"
                          "border-radius:3px;}"
                          "QPushButton:checked{background:%1;color:%2;font-weight:bold;}"
                          "QPushButton::menu-indicator{image:none;width:0px;}")
        .arg(rgbText(accent), rgbText(readableTextOn(accent)));
}
