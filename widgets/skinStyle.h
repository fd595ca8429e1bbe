// Shared look of the skin widgets: skin file paths, accent colour, menu style and language font.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

// A skin path as the callers write it ("/skin/warn.png") below the application directory;
// resource paths (":/...") are used as they are.
QString skinFile(const QString& path);
// Loads a skin image; a missing file gives a null pixmap (drawn as nothing).
QPixmap skinPixmap(const QString& path);

// The accent colour of Config/GColorID (index outside 0..6 uses entry 0).
QColor skinAccent();
// WCAG contrast ratio of two colours (1 to 21), from their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever reads better on the background (at least 4.5:1 on any colour).
QColor readableTextOn(const QColor& background);

// Style sheet of the skinned context menus in the accent colour.
QString skinMenuStyleSheet();

// Registers the painted resource pictures (:/yes_Btn, :/no_Btn, :/skin/loading.gif). Runs by
// itself whenever a skin widget is linked in; calling it again is harmless.
void initSkinResources();

// Language font at the current scale factor; a pixel size override and decrement as KroLabel uses.
QFont skinFont(int pixelSizeOverride = 0, int decrement = 0);
