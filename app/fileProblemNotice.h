// Tells the user in one warning box about the files the store could not read or write.
#pragma once

class QWidget;

// Shows the pending file problems (store/fileProblems.h), if any, and takes them.
void showFileProblems(QWidget* parent);
// The same once the event loop runs: at start-up, when the window is not shown yet.
void showFileProblemsLater(QWidget* parent);
