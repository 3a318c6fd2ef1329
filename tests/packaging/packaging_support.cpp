#include "packaging_support.h"

namespace packaging {

QString iconFile(int size)
{
    return QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId);
}

QStringList installedDataFiles()
{
    QStringList files = {
        "share/applications/" + appId + ".desktop",
        "share/metainfo/" + appId + ".metainfo.xml",
        "share/man/man6/trundlex.6.gz",
        "share/doc/trundlex/copyright",
        "share/doc/trundlex/changelog.gz",
    };
    for (int size : {16, 32, 48, 64, 128, 256})
        files.append(iconFile(size));
    return files;
}

} // namespace packaging
