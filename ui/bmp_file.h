#pragma once
// Writing a picture as an uncompressed 24-bit BMP file: the 14-byte file header, the
// 40-byte information header, then the rows from the bottom up, each padded to a
// multiple of four bytes.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

namespace brenvik {

/// A file that could not be written; the message is the one to show.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QByteArray bmpImage(const QImage& picture);

/// Writes `bytes` to `path` in one piece: on failure the file is left as it was (or not
/// there) and FileError says, in the interface's language, that the file "<full path>"
/// could not be created or written, and why.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace brenvik
