#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace support {

// How a program run by a test ended.
struct Finished {
    int exitCode = -1; // -1 when it did not start, crashed or ran out of time
    QString output;    // standard output
    QString errors;    // standard error
    bool succeeded() const { return exitCode == 0; }
    // All it wrote, for a failure's message.
    QString all() const { return output + errors; }
};

// Waits for a program started earlier, the game or a tool, to end within the time, letting
// this program's own events through meanwhile; one still running then is killed.
Finished finish(QProcess& process, int timeoutMs);

// Runs a program to its end.
Finished run(const QString& program, const QStringList& arguments = {},
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
             int timeoutMs = 60'000);

// What a tool printed, or nothing when it failed.
QString outputOf(const QString& program, const QStringList& arguments);

} // namespace support
