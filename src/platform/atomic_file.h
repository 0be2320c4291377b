#pragma once

#include <QString>
#include <QTemporaryFile>

namespace fennick::platform {

// A file written under a temporary name beside its final name and renamed
// over it only once complete, so a reader sees either the old file or the
// whole new one, never half of it. Unlike a settings save it does not flush
// to disk first: it is meant for many small files that can be made again
// (files extracted from archives). Dropped without commit(), the temporary
// file is removed.
class AtomicFile {
public:
    explicit AtomicFile(QString finalPath);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    bool open(QString* error = nullptr);
    bool write(const char* data, qint64 size);
    // Renames the temporary file over the final one, replacing it.
    bool commit(QString* error = nullptr);

private:
    QString finalPath_;
    QTemporaryFile temp_;
};

} // namespace fennick::platform
