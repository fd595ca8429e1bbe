// Line edit that reports losing the focus.
#pragma once

#include <QLineEdit>

class KroLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KroLineEdit(QWidget* parent = nullptr);

signals:
    void kroLostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
