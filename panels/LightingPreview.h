// The chosen lighting shown on the mouse picture: the picture's light zone painted in the effect's
// colour, steady for a static light, fading in and out for breathing, dark when the light is off.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

class QLabel;

class LightingPreview : public QWidget {
    Q_OBJECT
public:
    // Lies over the picture and follows its size; the zone image has the picture's own size.
    explicit LightingPreview(QLabel* picture);

    // effect is the LedMode index; brightness 1..3 and speed 1..5 as the profile holds them.
    void setLighting(int effect, const QColor& colour, int brightness, int speed);
    // Loads the light zone; a missing file shows nothing.
    void setZoneImage(const QString& path);
    // Shown and animated only while the lighting page is.
    void setActive(bool bActive);
    bool animating() const { return m_timer.isActive(); }
    // Strength of the light now, 0 .. 1 (breathing changes it with time).
    double intensity() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateTimer();
    QColor shownColour() const;
    QRect pictureRect() const;
    static QImage tinted(const QImage& zone, const QColor& colour, int alphaBoost);

    QLabel* m_picture;
    QString m_zonePath;
    QImage m_zone;
    QImage m_unlit; // the zone in the shell's colour: hides the picture's own strip
    QImage m_lit;
    QColor m_litColour;
    int m_effect = -1;
    QColor m_colour;
    int m_brightness = 3;
    int m_speed = 3;
    bool m_active = false;
    QTimer m_timer;
    QElapsedTimer m_clock;
};
