// The low-battery decision, kept free of the poller and the desktop so it can be tested on its own.
#include "app/LowBatteryAlert.h"

LowBatteryAlert::LowBatteryAlert(QVector<int> levels)
    : m_levels(std::move(levels))
    , m_warned(m_levels.size(), false)
{
}

bool LowBatteryAlert::report(int level, bool charging)
{
    bool warn = false;
    for (int i = 0; i < m_levels.size(); ++i) {
        if (charging) {
            if (level > m_levels[i])
                m_warned[i] = false;
        } else if (level <= m_levels[i] && !m_warned[i]) {
            // A fall past several levels at once gives one warning.
            m_warned[i] = true;
            warn = true;
        }
    }
    return warn;
}
