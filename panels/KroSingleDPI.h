// One DPI stage row: stage button, enable box, "Link XY" box, resolution slider, labels and the
// typed X and Y values.
#pragma once

#include <QWidget>

class KroDpiEdit;
class KroLabel;
class KroTwoBarSlider;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
struct DpiRange;

class KroSingleDPI : public QWidget {
    Q_OBJECT
public:
    KroSingleDPI(quint8 iStage, QWidget* parent = nullptr, double scale = 1.0);

    quint8 stage() const { return m_stage; }
    void setSensor(int sensor);
    int sensor() const { return m_sensor; }
    void setRange(const DpiRange& range);

    // Shows a stage without reporting it back.
    void setValues(int x, int y);
    void setLink(quint8 link);
    void setUsed(quint8 used);
    int x() const { return m_x; }
    int y() const { return m_y; }
    quint8 link() const { return m_link; }
    quint8 used() const { return m_used; }

    void setActive(bool bActive);
    void setScale(double scale);
    QAbstractButton* stageButton() const;
    KroTwoBarSlider* slider() const { return m_slider; }

signals:
    void DPISignal(int x, int y, quint8 iStage);
    void LinkSignal(quint8 link, quint8 iStage);
    void EnableSignal(quint8 used, quint8 iStage);
    void MouseinSignal(quint8 iStage);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);
    void onEnableChanged(int state);
    // A click on the stage's DPI text selects the stage, like its button.
    void slotLabelClick(KroLabel* label);
    // A typed value of one axis; a linked stage takes it for both.
    void onXEdited(int raw);
    void onYEdited(int raw);

private:
    void updateLabels();
    void updateRanges();
    void takeTyped(int x, int y);
    void applyStageButtonStyle();
    void applyTextColour();

    quint8 m_stage;
    int m_sensor = 0;
    int m_x = 0;
    int m_y = 0;
    quint8 m_link = 1;
    quint8 m_used = 1;
    bool m_active = false;
    double m_scale = 1.0;

    QPushButton* m_stageButton;
    QCheckBox* m_enableBox;
    QCheckBox* m_linkBox;
    KroTwoBarSlider* m_slider;
    KroDpiEdit* m_xEdit;
    KroDpiEdit* m_yEdit;
    KroLabel* m_dpiLabel;
    QLabel* m_minLabel;
    QLabel* m_maxLabel;
};
