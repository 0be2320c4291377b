#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Lets GoogleTest print Qt texts readably in failure messages (QStringList
// and other containers of QString print element by element through this).
// Found by argument-dependent lookup, so it lives in Qt's (global) namespace.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toUtf8().toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << "bytes \"" << bytes.toStdString() << '"';
}
