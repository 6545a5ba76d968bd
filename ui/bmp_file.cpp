#include "ui/bmp_file.h"

#include "ui/file_error_reason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace brenvik {

namespace {

void put16(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

}  // namespace

QByteArray bmpImage(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const quint32 pixelOffset = 14 + 40;
    const quint32 pixelBytes = static_cast<quint32>(rowBytes) * static_cast<quint32>(height);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(pixelOffset + pixelBytes));
    out.append("BM");
    put32(out, pixelOffset + pixelBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, pixelOffset);

    put32(out, 40);
    put32(out, static_cast<quint32>(width));
    put32(out, static_cast<quint32>(height));  // positive: rows bottom-up
    put16(out, 1);                             // planes
    put16(out, 24);                            // bits per pixel
    put32(out, 0);                             // no compression
    put32(out, pixelBytes);
    put32(out, 3780);  // 96 pixels per inch
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);

    for (int y = height - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(line[3 * x + 2]));  // blue, green, red
            out.append(static_cast<char>(line[3 * x + 1]));
            out.append(static_cast<char>(line[3 * x]));
        }
        out.append(rowBytes - width * 3, '\0');
    }
    return out;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // errno as the failed call left it: Qt's own description is in the system's language.
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const int reason = errno;
        throw FileError(QCoreApplication::translate("FileError", "Не удалось создать файл «%1». %2")
                            .arg(fullPath, fileErrorReason(reason))
                            .toStdString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const int reason = errno;
        throw FileError(QCoreApplication::translate("FileError", "Не удалось записать файл «%1». %2")
                            .arg(fullPath, fileErrorReason(reason))
                            .toStdString());
    }
}

}  // namespace brenvik
