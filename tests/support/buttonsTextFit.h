// Finds texts that do not fit their widget: labels, check boxes and buttons of a dialog.
#pragma once

#include <QStringList>

class QWidget;

// One line per text wider (or, wrapped, taller) than the widget showing it: "objectName: text".
QStringList buttonsClippedTexts(const QWidget* root);
