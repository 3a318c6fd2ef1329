#include "packaging_support.h"

#include <QProcess>

namespace packaging {

QString iconFile(int size)
{
    return QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId);
}

QStringList installedFiles()
{
    return {
        "bin/trundlex",
        "share/applications/" + appId + ".desktop",
        "share/metainfo/" + appId + ".metainfo.xml",
        iconFile(16),
        iconFile(32),
    };
}

CommandResult runCommand(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program + ": " + process.errorString() + "\n" + process.readAll()};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

} // namespace packaging
