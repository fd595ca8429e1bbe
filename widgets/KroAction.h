// Menu action that carries the language font.
#pragma once

#include <QAction>

class KroAction : public QAction {
    Q_OBJECT
public:
    explicit KroAction(QObject* parent = nullptr);
    KroAction(const QString& text, QObject* parent = nullptr);

    void setText(const QString& text);
    // Re-applies the font of the current language (after a language change).
    void applyFont();
};
