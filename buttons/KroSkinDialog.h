// Frameless skinned dialog of the button page: background image, accent frame, Ok/Cancel buttons.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QToolButton;

class KroSkinDialog : public QDialog {
    Q_OBJECT
public:
    // width and height are layout pixels, scaled by the current display factor.
    KroSkinDialog(QWidget* parent, int width, int height, const QString& background);

    QToolButton* yesButton() const { return m_yes; }
    QToolButton* noButton() const { return m_no; }

protected:
    // Places the title label and the Ok/Cancel pair; called by subclasses after their own widgets.
    QLabel* makeTitle(const QString& objectName);
    void placeAnswerButtons(int y);
    // White text in the language font, the common look of the dialogs' labels.
    QLabel* makeLabel(const QString& objectName, Qt::Alignment alignment = Qt::AlignCenter);
    // A boxed field: the look of edits and key displays; error draws the red frame of refused input.
    static QString fieldStyle(bool error = false);
    QLabel* makeDisplay(const QString& objectName, const QRect& layoutRect);
    // An edit of whole numbers 1..255 that drops its error frame once it is changed.
    QLineEdit* makeNumberEdit(const QString& objectName, int value);
    // Check boxes drawn with the skin's check images.
    static QString checkBoxStyle();
    // Ok: subclasses check their input here and accept.
    virtual void onYes() { accept(); }
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
    QToolButton* m_yes = nullptr;
    QToolButton* m_no = nullptr;
};
