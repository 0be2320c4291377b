#pragma once

#include <QString>
#include <functional>
#include <memory>

struct zip;

namespace fennick {

// Reads the members of a ZIP archive (a .pk3 file) through libzip, for
// extraction; which members there are, with their sizes and dates, comes
// from ZipDirectory. Archives are untrusted: anything that is not a
// readable archive fails to open, and every read is bounded by the
// caller's size limit.
class ZipReader {
public:
    ZipReader();
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Opens a plain file (never a folder, device or pipe) read-only. On
    // failure errorText() says why.
    bool open(const QString& path);
    const QString& errorText() const { return error_; }

    // The stored path of a member by its place in the central directory,
    // decoded as ZipDirectory decodes it; empty when there is no such member.
    QString pathOf(qint64 index) const;

    enum class ReadResult { Done, TooLarge, Failed };
    using Sink = std::function<bool(const char* data, qint64 size)>;
    // Streams a member's uncompressed bytes to `sink`, stopping with
    // TooLarge as soon as more than `limit` bytes come out, whatever the
    // member declares. Failed (with the reason in errorText()) on damaged
    // data, a wrong checksum, an unknown method or a sink that refuses.
    ReadResult read(qint64 index, qint64 limit, const Sink& sink);

private:
    struct Closer {
        void operator()(zip* archive) const;
    };
    std::unique_ptr<zip, Closer> archive_;
    QString error_;
};

} // namespace fennick
