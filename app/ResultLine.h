// The short line beside the bottom buttons that tells for a few seconds what the last send did.
#pragma once

#include "widgets/KroLabel.h"

class QTimer;

class ResultLine : public KroLabel {
    Q_OBJECT
public:
    explicit ResultLine(QWidget* parent = nullptr);

    // Shows text for SHOWN_MS; failed draws it in the warning colour.
    void showResult(const QString& text, bool failed);

    static constexpr int SHOWN_MS = 5000;

private:
    QTimer* m_timer;
};
