// File dialogs of the program; tests answer them through widgets/dialogHook.h.
#pragma once

#include <QString>

class QWidget;

class KroFileDialog {
public:
    // Like QFileDialog's; an empty result means the user cancelled.
    static QString getSaveFileName(
        QWidget* parent, const QString& caption, const QString& dir = QString(), const QString& filter = QString());
    static QString getOpenFileName(
        QWidget* parent, const QString& caption, const QString& dir = QString(), const QString& filter = QString());
};
