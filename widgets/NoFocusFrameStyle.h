// The application's style without the dotted focus frame: the skin marks focus its own way. Cheaper
// than a window-wide style sheet, which would send every widget through the style-sheet style.
#pragma once

#include <QProxyStyle>

class NoFocusFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Makes the application's style one of these, keeping the style in use as its base.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;

private:
    explicit NoFocusFrameStyle(const QString& baseKey);
};
