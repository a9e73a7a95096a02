#include "icofile.h"

#include <cstdint>

// Layout of an .ico file, all little-endian:
//   header     6 bytes: reserved 0, type 1 (icon), image count
//   directory  16 bytes per image: width, height, colour count, reserved,
//              planes, bits per pixel, payload size, payload offset
//   payloads   one BMP "DIB" each: a BITMAPINFOHEADER whose height counts
//              twice (the colour picture plus the mask below it), the
//              palette if any, the colour pixels, then a 1-bit AND mask in
//              which set bits are transparent. Rows run bottom-up and each
//              is padded to a multiple of 4 bytes.

namespace {

void put8(QByteArray& out, unsigned v) {
    out.append(char(v & 0xffu));
}

void put16(QByteArray& out, unsigned v) {
    put8(out, v);
    put8(out, v >> 8);
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xffffu);
    put16(out, v >> 16);
}

int paddedRow(int bytes) {
    return (bytes + 3) / 4 * 4;
}

bool transparentAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) < 128;  // pixel() resolves palette slots too
}

QByteArray dib(const QImage& image) {
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const QImage pixels = indexed ? image : image.convertToFormat(QImage::Format_ARGB32);
    const int w = pixels.width(), h = pixels.height();
    const int bits = indexed ? 8 : 32;
    const int colourRow = paddedRow(w * bits / 8);
    const int maskRow = paddedRow((w + 7) / 8);

    QByteArray out;
    put32(out, 40);  // BITMAPINFOHEADER size
    put32(out, std::uint32_t(w));
    put32(out, std::uint32_t(2 * h));  // colour picture + mask
    put16(out, 1);                     // planes
    put16(out, unsigned(bits));
    put32(out, 0);  // uncompressed
    put32(out, std::uint32_t((colourRow + maskRow) * h));
    put32(out, 0);  // no resolution
    put32(out, 0);
    put32(out, 0);  // palette size: 0 means all 256
    put32(out, 0);

    if (indexed) {
        const QList<QRgb> table = pixels.colorTable();
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < table.size() ? table[i] : 0;
            put8(out, unsigned(qBlue(c)));
            put8(out, unsigned(qGreen(c)));
            put8(out, unsigned(qRed(c)));
            put8(out, 0);
        }
    }

    for (int y = h - 1; y >= 0; --y) {
        const qsizetype rowStart = out.size();
        for (int x = 0; x < w; ++x) {
            if (indexed) {
                put8(out, pixels.constScanLine(y)[x]);
            } else {
                const QRgb c = pixels.pixel(x, y);  // straight, not premultiplied, alpha
                put8(out, unsigned(qBlue(c)));
                put8(out, unsigned(qGreen(c)));
                put8(out, unsigned(qRed(c)));
                put8(out, unsigned(qAlpha(c)));
            }
        }
        out.append(QByteArray(colourRow - (out.size() - rowStart), '\0'));
    }

    // The mask still matters for 32-bit entries: older Windows versions and
    // some viewers use it instead of the alpha channel.
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x) {
            if (transparentAt(pixels, x, y))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray icoFile(const QList<QImage>& images) {
    QList<QByteArray> payloads;
    for (const QImage& image : images)
        payloads.append(dib(image));

    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, unsigned(images.size()));

    std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QImage& image = images[i];
        const bool indexed = image.format() == QImage::Format_Indexed8;
        put8(out, unsigned(image.width()) & 0xffu);  // 256 is written as 0
        put8(out, unsigned(image.height()) & 0xffu);
        put8(out, 0);  // colour count: 0 for 256 or more
        put8(out, 0);
        put16(out, 1);
        put16(out, indexed ? 8 : 32);
        put32(out, std::uint32_t(payloads[i].size()));
        put32(out, offset);
        offset += std::uint32_t(payloads[i].size());
    }
    for (const QByteArray& payload : payloads)
        out.append(payload);
    return out;
}
