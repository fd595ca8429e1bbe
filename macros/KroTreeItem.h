// Row widget of a move entry in the mouse-action tree: its label and a distance edit.
#pragma once

#include "store/macroFiles.h"

#include <QWidget>

class KroLabel;
class QLineEdit;

class KroTreeItem : public QWidget {
    Q_OBJECT
public:
    KroTreeItem(MoveDirection direction, QWidget* parent = nullptr);

    MoveDirection direction() const { return m_direction; }
    // The edit's number, 1..120 (empty or 0 reads as 1).
    int distance() const;
    void setDistance(int distance);
    QLineEdit* distanceEdit() const { return m_edit; }
    void retranslate();

signals:
    // A press on the label: insert this move.
    void KroMousePressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MoveDirection m_direction;
    KroLabel* m_label;
    QLineEdit* m_edit;
};
