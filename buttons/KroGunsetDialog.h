// The GUN SET dialog: a table of up to five bullets turned into a recoil-compensating macro.
#pragma once

#include "buttons/KroSkinDialog.h"
#include "buttons/gunRows.h"

class KroMenu;
class KroPushButton;
class QLabel;
class QLineEdit;
class QSpinBox;

class KroGunsetDialog : public KroSkinDialog {
    Q_OBJECT
public:
    // Sized by the process-wide display factor like every dialog of the button page.
    explicit KroGunsetDialog(QWidget* parent);

    // The name edit's text without leading and trailing spaces.
    QString name() const;
    void setBulletCount(int count);
    // Bullet i (0..4) as the fields hold it.
    GunBullet bullet(int i) const;
    // The rows built by the last OnYesClick.
    const QVector<MacroEvent>& events() const { return m_events; }
    // Writes the rows as the macro file `fileName`. 0, or -1 for an unusable name.
    int writeFile(const QString& fileName) const;
    void retranslate();

    // Whole flow for the macro page's GUN SET button: refuses when the macro list is full, runs the
    // dialog, writes the file under a free name and registers it. Returns that name, or empty.
    static QString createGunFile(QWidget* parent);

public slots:
    void OnYesClick();

protected:
    void onYes() override { OnYesClick(); }
    void paintEvent(QPaintEvent* event) override;

private:
    QSpinBox* makeSpin(const QString& objectName, int min, int max, int value, int x, int y);

    QLabel* m_title;
    QLabel* m_nameCaption;
    QLabel* m_bulletsCaption;
    QLabel* m_rowCaptions[3];
    QLineEdit* m_nameEdit;
    KroPushButton* m_bulletSelector;
    KroMenu* m_bulletMenu;
    QSpinBox* m_vertical[GUN_BULLETS];
    QSpinBox* m_horizontal[GUN_BULLETS];
    QSpinBox* m_delay[GUN_BULLETS];
    QPixmap m_bulletImage;
    QPixmap m_sliderImage;
    int m_count = GUN_BULLETS;
    QVector<MacroEvent> m_events;
};
