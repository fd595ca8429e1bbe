// The skin as a list of painted images with their paths below the installation folder.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

struct SkinImage {
    QString path; // e.g. "skin/warn.png"
    QImage image;
};
using SkinList = QList<SkinImage>;

// Every image of the skin for one product (its mouse pictures go under skin/mouse/<product>).
SkinList paintSkin(const QString& product);
// The program's resource pictures: yes_Btn.png, no_Btn.png and the frames of loading.gif.
SkinList paintResources();
QList<QImage> paintSpinnerFrames();

// Painters by topic.
SkinList paintWindowChrome();
SkinList paintButtons();
SkinList paintIcons();
SkinList paintDialogs();
SkinList paintMousePictures(const QString& product);
