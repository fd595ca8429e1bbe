// Geometry and look shared by the settings panels: scaled rectangles, fonts, slider and text styles.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// (int(x*s), int(y*s), int(w*s), int(h*s)): every layout value is truncated on its own.
QRect scaledRect(double x, double y, double w, double h, double scale);
void placeScaled(QWidget* widget, double x, double y, double w, double h, double scale);
// Makes the widget's font smaller (down to 70 %) until its text fits its width; long translations.
void shrinkFontToFit(QWidget* widget);

// The language font at the given scale; pixelSize replaces the settings size when not 0.
QFont panelFont(double scale, int pixelSize = 0);

// Normal text colour of the panels (the accent colour is skinAccent()).
QColor panelTextColour();
QString colourStyle(const QColor& colour);
// "rgb(r,g,b)" for style sheets.
QString rgbText(const QColor& colour);

// Style sheet of a horizontal slider: gradient groove, handle in the accent colour.
QString sliderStyleSheet(double scale, const QColor& accent);
// Style sheet for the check boxes, radio buttons and labels of a dark panel.
QString panelStyleSheet(double scale, const QColor& accent);
// Gives every check box and radio button below the root the panels' indicator at this scale, and
// re-polishes them: boxes hidden while a parent's style sheet changed would keep the old size.
void skinIndicators(QWidget* root, double scale);
// Push buttons of the panels and dialogs: dark, framed in the accent colour, filled when checked.
QString panelButtonStyleSheet(const QColor& accent);
