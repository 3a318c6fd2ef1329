#pragma once

// What the packaging tests share: the files an installation holds, and the harness that runs
// the tools which install, pack and inspect the program.

#include "support/process.h"

#include <QString>
#include <QStringList>

namespace packaging {

// Names the desktop entry, the AppStream metadata and the icon alike.
inline const QString appId = TRUNDLEX_APP_ID;

QString iconFile(int size);

// Everything installed but the program, relative to the installation prefix.
QStringList installedDataFiles();

} // namespace packaging
