#include "runtime/language.h"

#include "runtime/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace rt {

namespace {

// The translations are built into the executable, one for each language the game has:
// ":/translations/de.qm". English has one too, for its plural forms alone.
QTranslator& loadedTranslation()
{
    static QTranslator translation;
    [[maybe_unused]] static const bool loaded = [] {
        QStringList available;
        for (const QFileInfo& file : QDir(":/translations").entryInfoList())
            available << file.completeBaseName();
        const QString name = translationFor(platform::preferredLanguages(), available);
        return translation.load(":/translations/" + (name.isEmpty() ? "en" : name) + ".qm");
    }();
    return translation;
}

} // namespace

const QTranslator& playersTranslation()
{
    return loadedTranslation();
}

void useThePlayersLanguage()
{
    if (!loadedTranslation().isEmpty())
        QCoreApplication::installTranslator(&loadedTranslation());
}

QString translationFor(const QStringList& preferred, const QStringList& available)
{
    for (const QString& locale : preferred) {
        // language_TERRITORY.codeset@modifier, or language-Script-TERRITORY on Windows
        const QString name = locale.section('.', 0, 0).section('@', 0, 0).replace('-', '_');
        const QString language = name.section('_', 0, 0);
        if (language == "en")
            return {};
        if (available.contains(name))
            return name;
        for (const QString& translation : available) {
            if (translation.section('_', 0, 0) == language)
                return translation;
        }
    }
    return {};
}

} // namespace rt
