// The skinned message box: questions (kind 1, Yes/No), warnings (kinds 2 and 3, Ok) and the
// receiver warning (kind 4, Ok) that can close itself once the mouse is connected.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class KroLabel;
class QLabel;
class QTimer;
class QToolButton;

class KroMessageBox : public QDialog {
    Q_OBJECT
public:
    enum Kind { Question = 1, Warning = 2, Notice = 3, ReceiverWarning = 4 };

    KroMessageBox(int kind, const QString& windowTitle, const QString& heading, const QString& message,
        QWidget* parent = nullptr, bool watchDevice = false,
        Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint);

    int kind() const { return m_kind; }
    QString heading() const;
    QString message() const;
    bool closedByDevice() const { return m_closedByDevice; }

    // Runs the box modally, or hands it to the test hook (widgets/dialogHook.h).
    int exec() override;

    // Convenience for callers: a kind 1 question, true on Yes.
    static bool ask(QWidget* parent, const QString& message);
    // A kind 2 warning with the heading "Warning".
    static void warn(QWidget* parent, const QString& message);

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* makeButton(const QString& icon, const QString& objectName, const QString& text);

    int m_kind;
    QPixmap m_background;
    QLabel* m_icon = nullptr;
    KroLabel* m_heading = nullptr;
    KroLabel* m_message = nullptr;
    QToolButton* m_yes = nullptr;
    QToolButton* m_no = nullptr;
    QTimer* m_watch = nullptr;
    bool m_closedByDevice = false;
};
