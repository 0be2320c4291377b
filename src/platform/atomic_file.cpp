#include "platform/atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace fennick::platform {

namespace {

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

AtomicFile::AtomicFile(QString finalPath)
    : finalPath_(std::move(finalPath)),
      temp_(QFileInfo(finalPath_).absolutePath() + QStringLiteral("/.fennick-XXXXXX.part")) {}

AtomicFile::~AtomicFile() = default;

bool AtomicFile::open(QString* error) {
    if (temp_.open())
        return true;
    if (error)
        *error = temp_.errorString();
    return false;
}

bool AtomicFile::write(const char* data, qint64 size) {
    return temp_.write(data, size) == size;
}

bool AtomicFile::commit(QString* error) {
    temp_.close();
    if (temp_.error() != QFileDevice::NoError) {
        if (error)
            *error = temp_.errorString();
        return false;
    }
    // std::filesystem::rename replaces an existing file in one step on every
    // system (on Windows through MoveFileEx with replacing allowed).
    std::error_code failure;
    std::filesystem::rename(fsPath(temp_.fileName()), fsPath(finalPath_), failure);
    if (failure) {
        if (error)
            *error = QString::fromStdString(failure.message());
        return false;
    }
    temp_.setAutoRemove(false);
    return true;
}

} // namespace fennick::platform
