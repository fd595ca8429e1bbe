// Text fit checks for the dialog tests.
#include "buttonsTextFit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTextDocument>

namespace {

QString describe(const QWidget* w, const QString& text, int need, int have)
{
    return QStringLiteral("%1: \"%2\" needs %3, has %4").arg(w->objectName(), text).arg(need).arg(have);
}

void checkLabel(const QLabel* label, QStringList& out)
{
    const QString text = label->text();
    if (text.isEmpty() || Qt::mightBeRichText(text))
        return;
    const QRect box = label->contentsRect();
    if (label->wordWrap()) {
        const QRect need = label->fontMetrics().boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        if (need.height() > box.height() || need.width() > box.width())
            out << describe(label, text, need.height(), box.height());
        return;
    }
    const int need = label->fontMetrics().horizontalAdvance(text);
    if (need > box.width())
        out << describe(label, text, need, box.width());
}

void checkButton(const QAbstractButton* button, QStringList& out)
{
    if (button->text().isEmpty() || !button->inherits("QCheckBox"))
        return;
    const int need = button->sizeHint().width();
    if (need > button->width())
        out << describe(button, button->text(), need, button->width());
}

} // namespace

QStringList buttonsClippedTexts(const QWidget* root)
{
    QStringList out;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->isVisibleTo(root))
            checkLabel(label, out);
    }
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(root))
            checkButton(button, out);
    }
    return out;
}
