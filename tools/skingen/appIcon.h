// The application icon: the window and tray icon, and the desktop's icon theme sizes.
#pragma once

#include <QImage>
#include <QString>

// The icon painted at size x size pixels.
QImage appIcon(int size);

// Writes <dir>/hicolor/<N>x<N>/apps/<name>.png for the usual theme sizes and
// <dir>/hicolor/scalable/apps/<name>.svg. False when a file cannot be written.
bool writeIconTheme(const QString& dir, const QString& name);
