#pragma once

#include <QByteArray>
#include <QStringList>

namespace fennick {

// The server addresses of one master server datagram, in datagram order:
// each "\" starts an entry of six bytes, four of address and two of port
// in network byte order. Bytes outside entries (the header) are skipped;
// a port byte of 92 is data, not a new entry. An entry "EOT" ends the
// list (also when zero bytes pad it to six), and a last entry cut short is
// dropped.
QStringList DecodeMasterReply(const QByteArray& datagram);

} // namespace fennick
