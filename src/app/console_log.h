#pragma once

#include <QObject>
#include <QStringList>

namespace fennick {

// Everything the program prints to its console, in order. The console
// window shows it; the command-line tool streams it to standard output.
class ConsoleLog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void ConsolePrint(const QString& text);
    const QStringList& lines() const { return lines_; }

Q_SIGNALS:
    void linePrinted(const QString& text);

private:
    QStringList lines_;
};

} // namespace fennick
