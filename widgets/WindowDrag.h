// Dragging a frameless window by its background, for the main window and the skinned dialogs.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

class WindowDrag : public QObject {
    Q_OBJECT
public:
    // Follows left presses on window (and those its children leave to it); owned by window.
    explicit WindowDrag(QWidget* window);

    // On Wayland, where a mask does not shape the surface, a frameless window paints everything
    // outside its skin transparent instead; elsewhere the window keeps its mask alone.
    static void makeSkinShaped(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_dragging = false;
    QPoint m_pressAt;
    QPoint m_windowAt;
};
