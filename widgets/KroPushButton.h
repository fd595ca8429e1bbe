// Image button of the skin: one picture per state (normal, hover, pressed), text drawn over it.
#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>

class KroPushButton : public QPushButton {
    Q_OBJECT
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    // images: skin paths ("/skin/x.png", below the application directory) normally three:
    // normal, hover, pressed. iconPath: optional picture drawn over the image.
    explicit KroPushButton(
        const QStringList& images = QStringList(), QWidget* parent = nullptr, const QString& iconPath = QString());

    void setImages(const QStringList& images);
    int imageCount() const { return m_images.size(); }
    // The picture drawn in the current state (null when there is none).
    QPixmap currentImage() const;

    // The program's own toggle: toggled = state = n.
    void setState(int n);
    int state() const { return m_state; }
    bool isToggled() const { return m_toggled; }

    // A sticky toggled button shows the hover picture after the cursor leaves and when enabled.
    void setSticky(bool bSticky);
    bool isSticky() const { return m_sticky; }

    void setText(const QString& text);
    QString text() const { return m_text; }

    void setEnabled(bool bEnable);

    void setVertical(bool bVertical);
    // Index reported by OverSignal, for owners that keep buttons in a list.
    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }

    // Draws the accent colour as a gradient over the picture instead of the plain image.
    void setColourOverlay(bool bOverlay);

    // The skin's text colour of a state, and the one drawn now (readable on the current picture).
    QColor textColour(int state) const;
    QColor drawnTextColour() const;
    // WCAG AA for normal text.
    static constexpr double MIN_TEXT_CONTRAST = 4.5;
    QSize sizeHint() const override;

signals:
    void EnterSignal(KroPushButton* button);
    void OverSignal(bool bType, int curIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateMask();
    void setDrawnState(int state);
    int restingState() const;

    QList<QPixmap> m_images;
    QList<QColor> m_tones; // mean colour of each image
    QPixmap m_icon;
    QList<QColor> m_textColours;
    QString m_text;
    int m_state = Normal;
    int m_index = 0;
    bool m_toggled = false;
    bool m_sticky = false;
    bool m_enabled = true;
    bool m_vertical = false;
    bool m_overlay = false;
    bool m_pressedSinceEnter = false;
};
