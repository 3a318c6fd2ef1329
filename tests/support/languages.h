#pragma once

#include <QStringList>
#include <QTranslator>

// The languages the game speaks, as the tests ask for them.
namespace support {

// English, the designs' own, as "", then every translation built into the program under
// test ("de", "pt_BR", ...).
QStringList languages();

// While it lives, the application shows the game's texts in the language; English, with its
// plural forms, where the language is "".
class InLanguage {
public:
    explicit InLanguage(const QString& language);
    ~InLanguage();
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    const QTranslator& translation() const { return translation_; }

private:
    QTranslator translation_;
};

} // namespace support
