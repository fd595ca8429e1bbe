// Per-model choices of the main window.
#pragma once

#include <QString>
#include <QStringList>

// The three images (normal, hover, pressed) of the scroll up or down button for a product.
QStringList scrollImagesFor(const QString& product, bool up);
