// The modal colour dialog: hue strip, saturation/value square, preview, presets, HSV and RGB
// spin boxes and a hexadecimal field.
#pragma once

#include <QColor>
#include <QDialog>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SVColorArea;

class KroColorArea : public QDialog {
    Q_OBJECT
public:
    explicit KroColorArea(QWidget* parent = nullptr, double scale = 1.0);

    void setColor(const QColor& color);
    // The colour chosen; read after exec() returned 1.
    QColor color() const { return m_color; }

    static constexpr int PRESET_COUNT = 7;

signals:
    void KroChangeColor(const QColor& color);
    void ApplyColor(const QColor& color);

public slots:
    void color_clicked();
    void hValueChangedSlot(int value);
    void sValueChangedSlot(int value);
    void vValueChangedSlot(int value);
    void rValueChangedSlot(int value);
    void gValueChangedSlot(int value);
    void bValueChangedSlot(int value);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString& text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum Source { FromOutside, FromSquare, FromHsv, FromRgb, FromHex };

    QSpinBox* makeSpin(const char* name, int maximum, const QString& prefix);
    void buildLayout(double scale);
    void hsvEdited();
    void rgbEdited();
    // Shows a colour in every control except the one it came from, then reports it.
    void showColour(const QColor& color, Source source);

    QColor m_color = Qt::red;
    bool m_updating = false;
    QLabel* m_title;
    HColorArea* m_hueStrip;
    SVColorArea* m_square;
    PreviewColorArea* m_preview;
    DefaultColorArea* m_presets[PRESET_COUNT] = {};
    QSpinBox* m_h;
    QSpinBox* m_s;
    QSpinBox* m_v;
    QSpinBox* m_r;
    QSpinBox* m_g;
    QSpinBox* m_b;
    QLineEdit* m_hex;
    QPushButton* m_apply;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
