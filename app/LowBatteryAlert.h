// When to warn about a low battery: once per discharge at each warning level, never while charging.
#pragma once

#include <QVector>

class LowBatteryAlert {
public:
    // Warning levels in percent, highest first.
    explicit LowBatteryAlert(QVector<int> levels = { 15, 5 });

    // Takes one battery report; true when it reaches a warning level not yet warned about in this
    // discharge. A level warned about is armed again only once charging has lifted the battery above it.
    bool report(int level, bool charging);

private:
    QVector<int> m_levels;
    QVector<bool> m_warned;
};
