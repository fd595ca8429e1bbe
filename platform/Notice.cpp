// The notice record builder and the dispatch between the desktop transport and a test sink.
#include "platform/Notice.h"

#include <QtEndian>

#include <cstring>

namespace notice {

void sendDesktopNotification(const QString& text, const QColor& colour); // NoticeDbus.cpp

namespace {

Sink& sink()
{
    static Sink s;
    return s;
}

void putUtf16(QByteArray& record, int offset, const QString& text, int maxChars)
{
    const int count = qMin(text.size(), maxChars);
    for (int i = 0; i < count; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), record.data() + offset + 2 * i);
    // The record is zero-filled, so the terminator is already there.
}

void putInt(QByteArray& record, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, record.data() + offset);
}

} // namespace

QByteArray buildRecord(const QString& text, const QColor& colour)
{
    QByteArray record(RECORD_SIZE, '\0');
    putUtf16(record, 0, text, RECORD_TEXT_CHARS);
    putInt(record, 512, 0);
    putInt(record, 516, RECORD_DURATION_MS);
    putInt(record, 520, 0);
    const quint32 colourRef = quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
    putInt(record, 524, colourRef);
    putInt(record, 528, 60);
    putUtf16(record, 532, QStringLiteral("Arial"), RECORD_TEXT_CHARS);
    return record;
}

void show(const QString& text, const QColor& colour)
{
    if (sink()) {
        sink()(text, colour);
        return;
    }
    sendDesktopNotification(text, colour);
}

void setSink(Sink s)
{
    sink() = std::move(s);
}

} // namespace notice
