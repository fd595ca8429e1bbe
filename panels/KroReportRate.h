// Report rate of the active profile (applied later) and the lift-off distance (applied at once).
#pragma once

#include "store/MouseConfig.h"
#include "widgets/SettingsPage.h"

#include <QString>
#include <QWidget>

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

class KroReportRate : public QWidget, public SettingsPage {
    Q_OBJECT
public:
    explicit KroReportRate(QWidget* parent = nullptr, double scale = 1.0);

    // Report-rate codes as the mouse takes them, and their texts (untranslated; empty when unknown).
    static constexpr int RATE_COUNT = 4;
    static const quint8 RATE_CODES[RATE_COUNT];
    static QString rateText(quint8 code);

    void loadProfile(const ProfileData& profile, quint8 lift);
    void setScale(double scale) override;
    void retranslate() override;
    // The active profile of the record.
    void loadRecord(const PageRecord& record) override { loadProfile(record.config.current(), record.config.LiftHigh); }
    void applyRecord(const PageRecord& record) override { applyTo(record.config); }

    const ProfileData& profileData() const { return m_ProfileData; }
    quint8 pollrate() const { return m_ProfileData.pollrate; }
    quint8 lift() const { return m_iLift; }
    // Writes the report rate into the active profile of config.
    void applyTo(MouseConfig& config) const;
    QMenu* rateMenu() const { return m_menu; }

signals:
    void RefreshLift(quint8 iLift);

public slots:
    void onRadioChanged();
    // Shows a lift-off value changed elsewhere, without reporting it again.
    void setLift(quint8 lift);

protected:
    void changeEvent(QEvent* event) override;

private:
    void chooseRate(int index);
    void showRate(quint8 code);

    ProfileData m_ProfileData;
    quint8 m_iLift = 2;
    double m_scale = 1.0;
    QLabel* m_title;
    QPushButton* m_rateButton;
    QMenu* m_menu;
    QAction* m_actions[RATE_COUNT] = {};
    QLabel* m_liftTitle;
    QButtonGroup* m_liftGroup;
    QRadioButton* m_lift1;
    QRadioButton* m_lift2;
};
