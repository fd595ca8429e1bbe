// Style sheets and text fitting shared by the macro page's edits, check boxes and table.
#include "macros/macroLook.h"

#include "store/appContext.h"
#include "widgets/skinStyle.h"

#include <QFontInfo>
#include <QWidget>

namespace {
QString accentName()
{
    return skinAccent().name();
}
} // namespace

QString macroEditStyleSheet()
{
    return QStringLiteral("QLineEdit{background:rgb(30,30,30);color:rgb(230,230,230);border:1px solid %1;"
                          "selection-background-color:%1}"
                          "QLineEdit:disabled{color:rgb(120,120,120);border-color:rgb(90,90,90)}")
        .arg(accentName());
}

QString macroCheckStyleSheet()
{
    const int box = qMax(8, scaled(13));
    return QStringLiteral("QCheckBox{color:rgb(230,230,230);background:transparent}"
                          "QCheckBox::indicator{width:%1px;height:%1px;border:1px solid %2;background:rgb(30,30,30)}"
                          "QCheckBox::indicator:checked{background:%2;border:1px solid rgb(220,220,220)}"
                          "QCheckBox::indicator:disabled{border-color:rgb(90,90,90)}")
        .arg(box)
        .arg(accentName());
}

QString macroHeaderStyleSheet(const QString& family, int pixelSize, int padding)
{
    return QStringLiteral("QHeaderView{background:rgb(50,50,50);border:0px}"
                          "QHeaderView::section{background:rgb(50,50,50);color:white;border:0px;"
                          "padding-left:%1px;font-family:\"%2\";font-size:%3px}")
        .arg(padding)
        .arg(family)
        .arg(pixelSize);
}

QString macroScrollBarStyleSheet()
{
    return QStringLiteral("QScrollBar:vertical{background:rgb(30,30,30);width:%1px;margin:0px;border:0px}"
                          "QScrollBar:horizontal{background:rgb(30,30,30);height:%1px;margin:0px;border:0px}"
                          "QScrollBar::handle{background:%2;border-radius:%3px}"
                          "QScrollBar::handle:vertical{min-height:%4px}"
                          "QScrollBar::handle:horizontal{min-width:%4px}"
                          "QScrollBar::add-line,QScrollBar::sub-line{width:0px;height:0px;border:0px}"
                          "QScrollBar::add-page,QScrollBar::sub-page{background:transparent}")
        .arg(qMax(6, scaled(8)))
        .arg(skinAccent().darker(130).name())
        .arg(qMax(2, scaled(3)))
        .arg(scaled(20));
}

void fitFontToWidth(QWidget* widget)
{
    QFont font = widget->font();
    const int full = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const int smallest = qMax(1, full * 7 / 10);
    int size = full;
    font.setPixelSize(size);
    widget->setFont(font);
    while (size > smallest && widget->sizeHint().width() > widget->width()) {
        font.setPixelSize(--size);
        widget->setFont(font);
    }
}
