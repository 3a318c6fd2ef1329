#include "support/desktop.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

namespace desktop {

bool run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return false;
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    QTest::qWait(50); // the last events reach the program
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool xdotool(const QStringList& arguments, int timeoutMs)
{
    return run("xdotool", arguments, timeoutMs);
}

bool activate(QWidget* window)
{
    if (!xdotool({"windowactivate", "--sync", QString::number(window->winId())}))
        return false;
    return QTest::qWaitForWindowActive(window);
}

} // namespace desktop
