#include "support/process.h"

#include <QDeadlineTimer>
#include <QTest>

namespace support {

Finished finish(QProcess& process, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(10);
    Finished finished;
    QString ending;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        ending = process.program() + " ran out of time\n";
    } else if (process.exitStatus() == QProcess::NormalExit) {
        finished.exitCode = process.exitCode();
    } else {
        ending = process.program() + " ended by a signal\n";
    }
    finished.output = QString::fromUtf8(process.readAllStandardOutput());
    finished.errors = QString::fromUtf8(process.readAllStandardError()) + ending;
    return finished;
}

Finished run(const QString& program, const QStringList& arguments,
             const QProcessEnvironment& environment, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {-1, {}, program + ": " + process.errorString()};
    return finish(process, timeoutMs);
}

QString outputOf(const QString& program, const QStringList& arguments)
{
    const Finished finished = run(program, arguments);
    return finished.succeeded() ? finished.output : QString();
}

} // namespace support
