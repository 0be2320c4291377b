#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

namespace fennick {

// Everything the program prints to its console, in order. The console
// window shows it; the command-line tool streams it to standard output.
class ConsoleLog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void ConsolePrint(const QString& text);
    // Runs before each line is printed, so that whoever reacts to the line
    // sees the program up to date (the program settles held rebuilds here).
    void setBeforePrint(std::function<void()> hook) { beforePrint_ = std::move(hook); }
    const QStringList& lines() const { return lines_; }

Q_SIGNALS:
    void linePrinted(const QString& text);

private:
    QStringList lines_;
    std::function<void()> beforePrint_;
};

} // namespace fennick
