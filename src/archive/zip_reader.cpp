#include "archive/zip_reader.h"

#include "archive/zip_member.h"
#include "platform/file_system.h"

#include <QFile>
#include <cstring>
#include <zip.h>

namespace fennick {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

QString libzipError(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

void ZipReader::Closer::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipReader::ZipReader() = default;
ZipReader::~ZipReader() = default;

bool ZipReader::open(const QString& path) {
    archive_.reset();
    if (!platform::isPlainFile(path, &error_))
        return false;
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        error_ = libzipError(code);
        return false;
    }
    archive_.reset(archive);
    error_.clear();
    return true;
}

// Names are taken as stored and decoded the way listings decode them, so a
// pattern matches the same members in both.
QString ZipReader::pathOf(qint64 index) const {
    if (!archive_ || index < 0 || index >= zip_get_num_entries(archive_.get(), 0))
        return {};
    const char* name = zip_get_name(archive_.get(), zip_uint64_t(index), ZIP_FL_ENC_RAW);
    return name ? memberPathText(name, qsizetype(std::strlen(name))) : QString();
}

ZipReader::ReadResult ZipReader::read(qint64 index, qint64 limit, const Sink& sink) {
    std::unique_ptr<zip_file_t, FileCloser> file(
        zip_fopen_index(archive_.get(), zip_uint64_t(index), 0));
    if (!file) {
        error_ = QString::fromUtf8(zip_strerror(archive_.get()));
        return ReadResult::Failed;
    }
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), chunk.data(), zip_uint64_t(chunk.size()));
        if (got < 0) {
            error_ = QString::fromUtf8(zip_file_strerror(file.get()));
            return ReadResult::Failed;
        }
        if (got == 0)
            return ReadResult::Done;
        total += got;
        if (total > limit)
            return ReadResult::TooLarge;
        if (!sink(chunk.constData(), got)) {
            error_ = QStringLiteral("could not write");
            return ReadResult::Failed;
        }
    }
}

} // namespace fennick
