// The status corner of the main window: battery bar with its levels and "MOUSE OFF", the receiver
// icon, and the connection mode that picks the battery picture.
#pragma once

#include <QColor>
#include <QObject>

class KroProcessbar;
class QLabel;
class QWidget;

class StatusDisplay : public QObject {
    Q_OBJECT
public:
    explicit StatusDisplay(QWidget* window);

    KroProcessbar* bar() const { return m_bar; }
    QLabel* dongleIcon() const { return m_dongle; }

    // No report yet (no mouse, or before its first answer): an empty bar without a percentage.
    void showUnknown(bool cable, bool receiver);
    // A status report of the poller; cable / receiver: their control collections are present.
    void showBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte, bool cable, bool receiver);
    // Recomputes the mode from the collections present and the last charging byte.
    void updateConnection(bool cable, bool receiver);

    // Fill of the bar at a level: the accent colour, the warning colour at 20 % and below.
    static QColor fillColour(int level, const QColor& accent);
    static const QColor WARNING_COLOUR;

    int mode() const { return m_mode; }
    int level() const { return m_level; }
    bool isMouseOff() const;

    // Sizes and the receiver picture at the current scale; texts of the current language.
    void rescale();
    void retranslate();

signals:
    // The battery picture changed with the mode: the window repaints.
    void modeChanged(int mode);

private:
    enum class Reading { Unknown, Off, Level };

    void setColouredStyle();
    void setGreyStyle();
    void applyStyle();

    QWidget* m_window;
    KroProcessbar* m_bar;
    QLabel* m_dongle;
    Reading m_reading = Reading::Unknown;
    int m_level = 10;
    int m_mode = 3;
    quint8 m_charging = 0;
};
