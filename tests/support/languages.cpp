#include "support/languages.h"

#include <QCoreApplication>
#include <QDir>

namespace support {

QStringList languages()
{
    QStringList names{""};
    for (const QFileInfo& file : QDir(":/translations").entryInfoList())
        names << file.completeBaseName();
    return names;
}

InLanguage::InLanguage(const QString& language)
{
    if (!language.isEmpty() && translation_.load(":/translations/" + language + ".qm"))
        QCoreApplication::installTranslator(&translation_);
}

InLanguage::~InLanguage()
{
    QCoreApplication::removeTranslator(&translation_);
}

} // namespace support
