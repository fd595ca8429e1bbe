// Animated GIF encoder: palette by colour popularity, LZW with a full code table.
#include "tools/skingen/gifWriter.h"

#include <QHash>
#include <QVector>

#include <algorithm>

namespace {

void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Palette entry 0 is transparent; the rest are the most used colours, quantised to 5 bits.
QVector<QRgb> buildPalette(const QList<QImage>& frames)
{
    QHash<QRgb, int> counts;
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                if (qAlpha(line[x]) < 128)
                    continue;
                const QRgb q = qRgb(qRed(line[x]) & 0xF8, qGreen(line[x]) & 0xF8, qBlue(line[x]) & 0xF8);
                ++counts[q];
            }
        }
    }
    QVector<QPair<int, QRgb>> ranked;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ranked.append({ it.value(), it.key() });
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QVector<QRgb> palette { qRgb(0, 0, 0) };
    for (int i = 0; i < ranked.size() && palette.size() < 256; ++i)
        palette.append(ranked[i].second);
    palette.resize(256);
    return palette;
}

int nearest(const QVector<QRgb>& palette, QRgb c)
{
    int best = 1;
    int bestDistance = INT_MAX;
    for (int i = 1; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

class BitWriter {
public:
    void write(int code, int width)
    {
        m_acc |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_acc & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_bits = 0;
};

QByteArray lzw(const QVector<quint8>& pixels)
{
    const int clear = 256;
    const int end = 257;
    BitWriter bits;
    QHash<quint32, int> table;
    int next = 258;
    int width = 9;
    bits.write(clear, width);
    int prefix = -1;
    for (quint8 px : pixels) {
        if (prefix < 0) {
            prefix = px;
            continue;
        }
        const quint32 key = (quint32(prefix) << 8) | px;
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = found.value();
            continue;
        }
        bits.write(prefix, width);
        if (next < 4096) {
            table.insert(key, next++);
            if (next > (1 << width) && width < 12)
                ++width;
        } else {
            bits.write(clear, width);
            table.clear();
            next = 258;
            width = 9;
        }
        prefix = px;
    }
    if (prefix >= 0)
        bits.write(prefix, width);
    bits.write(end, width);
    return bits.finish();
}

} // namespace

QByteArray encodeGif(const QList<QImage>& input, int delayCs)
{
    if (input.isEmpty())
        return QByteArray();
    QList<QImage> frames;
    for (const QImage& f : input)
        frames.append(f.convertToFormat(QImage::Format_ARGB32));
    const int w = frames.first().width();
    const int h = frames.first().height();
    const QVector<QRgb> palette = buildPalette(frames);

    QByteArray out("GIF89a");
    put16(out, w);
    put16(out, h);
    out.append(char(0xF7)); // global table of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (QRgb c : palette) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    QHash<QRgb, int> cache;
    for (const QImage& frame : frames) {
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x09)); // restore to background, transparent index given
        put16(out, delayCs);
        out.append(char(0));
        out.append(char(0));
        out.append(char(0x2C));
        put16(out, 0);
        put16(out, 0);
        put16(out, w);
        put16(out, h);
        out.append(char(0));
        QVector<quint8> pixels;
        pixels.reserve(w * h);
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                if (qAlpha(line[x]) < 128) {
                    pixels.append(0);
                    continue;
                }
                const QRgb c = qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
                auto it = cache.find(c);
                if (it == cache.end())
                    it = cache.insert(c, nearest(palette, c));
                pixels.append(quint8(it.value()));
            }
        }
        out.append(char(8));
        const QByteArray data = lzw(pixels);
        for (int i = 0; i < data.size(); i += 255) {
            const int n = qMin(255, data.size() - i);
            out.append(char(n));
            out.append(data.mid(i, n));
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}
