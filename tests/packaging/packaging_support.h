#pragma once

// What the packaging tests share: the files an installation holds and a way to run the
// tools that install, pack and inspect the program.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace packaging {

// Names the desktop entry, the AppStream metadata and the icon alike.
inline const QString appId = TRUNDLEX_APP_ID;

QString iconFile(int size);

// Everything installed but the program, relative to the installation prefix.
QStringList installedDataFiles();

struct CommandResult {
    int exitCode = -1; // -1 when the program did not start or did not finish
    QString output;    // standard output and standard error together
};

CommandResult
runCommand(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace packaging
