// Minimal animated GIF writer (global 256-colour palette, transparency, endless loop).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Encodes the frames (all of the first frame's size) with a palette built from their colours;
// fully transparent pixels stay transparent. delayCs: time per frame in 1/100 s.
QByteArray encodeGif(const QList<QImage>& frames, int delayCs);
