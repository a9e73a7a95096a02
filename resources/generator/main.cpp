// vestrel-imagegen: draws Vestrel's window images and icons into a folder.
//
//   vestrel-imagegen <outdir>
//
// Writes dial.png, photo.bmp, button.jpg, vestrel.ico and
// icons/hicolor/<N>x<N>/apps/vestrel.png. Output is deterministic: the same
// build on the same fonts writes the same bytes every time.

#include "button.h"
#include "dial.h"
#include "icofile.h"
#include "icon.h"
#include "photo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <stdexcept>

namespace {

void save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    QDir().mkpath(QFileInfo(path).path());
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
    std::printf("wrote %s\n", qPrintable(path));
}

void saveBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    std::printf("wrote %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Fonts need a GUI application, but nothing here needs a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <outdir>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    try {
        save(drawDial(), out.filePath("dial.png"), "png");
        // Uncompressed: the window decodes it at every start, and a bitmap
        // is ten times quicker to read than a PNG.
        save(drawPhoto(), out.filePath("photo.bmp"), "bmp");
        save(drawButton(), out.filePath("button.jpg"), "jpeg", 92);

        const QImage icon24 = renderIcon(24);
        saveBytes(icoFile({paletteIcon(icon24), icon24}), out.filePath("vestrel.ico"));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString dir = QString("icons/hicolor/%1x%1/apps/vestrel.png").arg(size);
            save(renderIcon(size), out.filePath(dir), "png");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vestrel-imagegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
