#include "runtime/language.h"
#include "runtime/platform.h"

#include <QTest>

// Which of its languages the game speaks: on Linux from the environment as GNU gettext reads
// it, a region the game lacks falling back to another of its language.
class LanguageTest : public QObject {
    Q_OBJECT

    const QStringList available{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};

private slots:
    void chosenAsTheEnvironmentSays_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("translation");
        QTest::newRow("nothing set") << QStringList{} << "";
        QTest::newRow("German") << QStringList{"LANG=de_DE.UTF-8"} << "de";
        QTest::newRow("Austrian German") << QStringList{"LANG=de_AT.UTF-8"} << "de";
        QTest::newRow("European Portuguese") << QStringList{"LANG=pt_PT.UTF-8"} << "pt_BR";
        QTest::newRow("Chinese") << QStringList{"LANG=zh_CN.UTF-8"} << "zh_CN";
        QTest::newRow("British English") << QStringList{"LANG=en_GB.UTF-8"} << "";
        QTest::newRow("a language the game lacks") << QStringList{"LANG=sv_SE.UTF-8"} << "";
        QTest::newRow("LANGUAGE first")
            << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=fr_FR:de"} << "fr";
        QTest::newRow("LANGUAGE's first the game has")
            << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=sv:nl:de"} << "nl";
        QTest::newRow("English in LANGUAGE")
            << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=en:de"} << "";
        QTest::newRow("none of LANGUAGE")
            << QStringList{"LANG=ja_JP.UTF-8", "LANGUAGE=sv:fi"} << "ja";
        QTest::newRow("LC_MESSAGES before LANG")
            << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=ru_RU.UTF-8"} << "ru";
        QTest::newRow("LC_ALL before all")
            << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=ru_RU.UTF-8", "LC_ALL=it_IT.UTF-8"}
            << "it";
        QTest::newRow("C, whatever LANGUAGE says")
            << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C", "LANGUAGE=de"} << "";
        QTest::newRow("POSIX") << QStringList{"LANG=POSIX", "LANGUAGE=de"} << "";
        QTest::newRow("C.UTF-8") << QStringList{"LC_ALL=C.UTF-8", "LANGUAGE=de"} << "";
        QTest::newRow("with a modifier") << QStringList{"LANG=nl_NL.UTF-8@euro"} << "nl";
    }

    void chosenAsTheEnvironmentSays()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, translation);
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            qunsetenv(variable);
        for (const QString& variable : variables)
            qputenv(qPrintable(variable.section('=', 0, 0)), variable.section('=', 1).toUtf8());
        QCOMPARE(rt::translationFor(rt::platform::preferredLanguages(), available), translation);
    }

    // As Windows lists the display languages.
    void windowsLanguageNames()
    {
        QCOMPARE(rt::translationFor({"zh-Hans-CN", "en-US"}, available), "zh_CN");
        QCOMPARE(rt::translationFor({"pt-BR"}, available), "pt_BR");
        QCOMPARE(rt::translationFor({"en-US", "de-DE"}, available), "");
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "language_test.moc"
