// Style sheets and text fitting shared by the macro page's edits, check boxes and table.
#pragma once

#include <QString>

class QWidget;

// Dark edit box with light text, framed in the accent colour.
QString macroEditStyleSheet();
// Light check box text and a dark indicator framed (unticked) or filled (ticked) in the accent colour.
QString macroCheckStyleSheet();
// Dark header sections, header background and table corner, in the given font.
QString macroHeaderStyleSheet(const QString& family, int pixelSize, int padding);
// Scroll bars of the page's list, table and tree: a dark groove and an accent handle, no arrows.
QString macroScrollBarStyleSheet();
// Makes the widget's font smaller (down to 70 %) until its size hint fits its width; long translations.
void fitFontToWidth(QWidget* widget);
