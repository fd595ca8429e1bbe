// Short on-screen notices (profile, DPI stage, report rate changed on the mouse) and their record.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <functional>

namespace notice {

constexpr int RECORD_SIZE = 1044;
constexpr int RECORD_TEXT_CHARS = 255;
constexpr int RECORD_DURATION_MS = 1500;

// The fixed-size notice record of the Windows on-screen-display transport: UTF-16 text (at most
// 255 characters, zero-terminated), display time, colour as red | green << 8 | blue << 16, and the
// font face "Arial", all little-endian.
QByteArray buildRecord(const QString& text, const QColor& colour);

// Shows one notice without blocking; dropped silently when the desktop has no notification service.
void show(const QString& text, const QColor& colour);

// Replaces the transport (tests record notices instead of sending them); an empty hook restores it.
using Sink = std::function<void(const QString& text, const QColor& colour)>;
void setSink(Sink sink);

} // namespace notice
