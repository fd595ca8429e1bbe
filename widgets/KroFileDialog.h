// File dialogs of the program, with a test hook that answers the next dialog without showing it.
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

    // Test hooks: the next dialog (save or open) returns `path` (empty = cancelled) without showing.
    static void answerNext(const QString& path);
    static int pendingAnswers();
    // Caption, directory and filter of the last dialog asked for, answered or not.
    static QString lastCaption();
    static QString lastDirectory();
    static QString lastFilter();
    static void clearTestHooks();
};
