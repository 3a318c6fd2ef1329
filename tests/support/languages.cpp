#include "support/languages.h"

#include <QCoreApplication>
#include <QDir>

namespace support {

QStringList languages()
{
    QStringList names{""};
    for (const QFileInfo& file : QDir(":/translations").entryInfoList()) {
        if (file.completeBaseName() != "en")
            names << file.completeBaseName();
    }
    return names;
}

InLanguage::InLanguage(const QString& language)
{
    if (translation_.load(":/translations/" + (language.isEmpty() ? "en" : language) + ".qm"))
        QCoreApplication::installTranslator(&translation_);
}

InLanguage::~InLanguage()
{
    QCoreApplication::removeTranslator(&translation_);
}

} // namespace support
