// Progress bar with a text of its own painted over it (battery level, "MOUSE OFF").
#pragma once

#include <QProgressBar>

class KroProcessbar : public QProgressBar {
    Q_OBJECT
public:
    explicit KroProcessbar(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const override { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
