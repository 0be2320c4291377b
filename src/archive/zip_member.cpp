#include "archive/zip_member.h"

#include "platform/text_file.h"

namespace fennick {

QString memberPathText(const char* bytes, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return platform::decodeText(QByteArray(bytes, size));
    return QString::fromLatin1(bytes, size); // plain ASCII, the usual case
}

} // namespace fennick
