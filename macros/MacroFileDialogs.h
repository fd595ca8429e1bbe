// File dialogs of the macro page that take several files or a folder, with test answers.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

class MacroFileDialogs {
public:
    // An empty result means the user cancelled.
    static QStringList getOpenFileNames(QWidget* parent, const QString& caption, const QString& filter);
    static QString getExistingDirectory(QWidget* parent, const QString& caption, const QString& dir);

    // Test hooks: the next dialog of that kind returns the answer without showing.
    static void answerNextFiles(const QStringList& paths);
    static void answerNextDirectory(const QString& path);
    static void clearTestHooks();
};
