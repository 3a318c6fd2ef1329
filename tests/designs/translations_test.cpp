#include "designs/designs.h"
#include "runtime/colours_and_fonts.h"
#include "runtime/text.h"
#include "runtime/twips.h"
#include "support/languages.h"
#include "support/process.h"

#include <QDir>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The time left, as a language says it, for some counts.
using Forms = QMap<int, QString>;

// What the player reads of a screen, its caption and the texts of its controls, and what a
// screen reader says of its pictures, with the disambiguation of each; the countdown's digits
// are no words.
QList<std::pair<QString, const char*>> textsOf(const rt::ScreenDesign& design)
{
    QList<std::pair<QString, const char*>> texts{{rt::toQString(design.caption), nullptr}};
    for (const rt::ControlDesign& control : design.controls) {
        if (!control.caption.empty() &&
            !QRegularExpression("^\\d+$").match(rt::toQString(control.caption)).hasMatch())
            texts.append({rt::toQString(control.caption), nullptr});
        if (!control.accessibleName.empty())
            texts.append({rt::toQString(control.accessibleName), "picture"});
    }
    return texts;
}

// The letter a caption underlines, lower case; none where it has no "&".
QString accessKeyOf(const QString& caption)
{
    const qsizetype at = caption.indexOf('&');
    return at < 0 ? QString() : caption.mid(at + 1, 1).toLower();
}

} // namespace

// Every language the game has translates every text the player reads: the build's lrelease
// refuses unfinished ones, this finds texts that were never marked or filed. Each window's
// access keys stay one to a button, and window titles stay short enough for the title bar.
class TranslationsTest : public QObject {
    Q_OBJECT

    static void screens_data(const QStringList& languages)
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<const rt::ScreenDesign*>("design");
        for (const QString& language : languages) {
            for (const designs::Screen& screen : designs::screens)
                QTest::addRow("%s %s", qPrintable(language), screen.name.data())
                    << language << &screen.design();
        }
    }

private slots:
    void everyTextTranslated_data() { screens_data(support::languages().mid(1)); }
    void everyTextTranslated()
    {
        QFETCH(QString, language);
        QFETCH(const rt::ScreenDesign*, design);
        const support::InLanguage speaking(language);
        for (const auto& [text, disambiguation] : textsOf(*design))
            QVERIFY2(!speaking.translation()
                          .translate("Quillory", text.toUtf8(), disambiguation)
                          .isEmpty(),
                     qPrintable(text));
    }

    void accessKeysOneToAButton_data() { screens_data(support::languages()); }
    void accessKeysOneToAButton()
    {
        QFETCH(QString, language);
        QFETCH(const rt::ScreenDesign*, design);
        const support::InLanguage speaking(language);
        QStringList keys;
        for (const rt::ControlDesign& control : design->controls) {
            if (control.kind != rt::Kind::Button)
                continue;
            const QString key = accessKeyOf(rt::translated(control.caption));
            QCOMPARE(key.isEmpty(), accessKeyOf(rt::toQString(control.caption)).isEmpty());
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(key));
            keys << key;
        }
    }

    // Room for the title bar's icon and its three buttons, with the title in a bold face of
    // the size most desktops draw it at.
    void titlesFitTheTitleBar_data() { screens_data(support::languages()); }
    void titlesFitTheTitleBar()
    {
        QFETCH(QString, language);
        QFETCH(const rt::ScreenDesign*, design);
        const support::InLanguage speaking(language);
        const QFontMetrics title(rt::toQFont({.points = 10, .bold = true}));
        const int room = rt::pixels(float(design->clientWidth)) - 110;
        QVERIFY2(title.horizontalAdvance(rt::translated(design->caption)) <= room,
                 qPrintable(rt::translated(design->caption)));
    }

    // Every count a level says, 0 to 30, in every language: its description and the time left
    // take the form for the count, which the rows give where languages differ most.
    void everyCountSaid_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Forms>("forms");
        for (const QString& language : support::languages())
            QTest::newRow(qPrintable(language)) << language << Forms{};
        QTest::newRow("en forms") << "" << Forms{{0, "0 seconds."}, {1, "1 second."}};
        QTest::newRow("fr forms") << "fr"
                                  << Forms{
                                         {0, "0 seconde."}, {1, "1 seconde."}, {2, "2 secondes."}};
        QTest::newRow("ru forms") << "ru" << Forms{{1, "1 секунда."},   {2, "2 секунды."},
                                                   {5, "5 секунд."},    {11, "11 секунд."},
                                                   {12, "12 секунд."},  {21, "21 секунда."},
                                                   {22, "22 секунды."}, {25, "25 секунд."}};
        QTest::newRow("pl forms") << "pl" << Forms{{1, "1 sekunda."},   {2, "2 sekundy."},
                                                   {5, "5 sekund."},    {11, "11 sekund."},
                                                   {12, "12 sekund."},  {21, "21 sekund."},
                                                   {22, "22 sekundy."}, {25, "25 sekund."}};
    }

    void everyCountSaid()
    {
        QFETCH(QString, language);
        QFETCH(Forms, forms);
        const support::InLanguage speaking(language);
        for (int count = 0; count <= 30; ++count) {
            const QString level = rt::translated("Level %1, %n seconds. %2", count);
            const QString time = rt::translated("%n seconds.", count);
            for (const char* text : {"Level %1, %n seconds. %2", "%n seconds."})
                QVERIFY(
                    !speaking.translation().translate("Quillory", text, nullptr, count).isEmpty());
            QVERIFY2(time.contains(QString::number(count)), qPrintable(time));
            QVERIFY2(level.contains(time.chopped(1)), qPrintable(level));
            if (forms.contains(count))
                QCOMPARE(time, forms[count]);
        }
    }

    // French sets a no-break space before ! ? : ; and » and after «; Japanese writes ！ and ：
    // full-width after Japanese words.
    void typography_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fault");
        QTest::newRow("fr") << "fr"
                            << " [!?:;»]|« ";
        QTest::newRow("ja") << "ja"
                            << "[\\p{Han}\\p{Hiragana}\\p{Katakana}ー。、」][!:]";
    }

    void typography()
    {
        QFETCH(QString, language);
        QFETCH(QString, fault);
        QFile ts(QDir(TRANSLATIONS).filePath(language + ".ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        static const QRegularExpression translation("<(translation|numerusform)>([^<]*)<");
        int texts = 0;
        for (auto found = translation.globalMatch(QString::fromUtf8(ts.readAll())); found.hasNext();
             ++texts) {
            const QString text = found.next().captured(2);
            QVERIFY2(!QRegularExpression(fault).match(text).hasMatch(), qPrintable(text));
        }
        QVERIFY(texts > 40);
    }

    // The languages' sources hold every text the code marks, as lupdate files them.
    void sourcesFileEveryMarkedText()
    {
        const QTemporaryDir folder;
        const QString fresh = folder.filePath("fresh.ts");
        QStringList command = QString(FILE_TEXTS).split('|');
        const QString lupdate = command.takeFirst();
        const support::Finished filed = support::run(lupdate, command << "-ts" << fresh);
        QVERIFY2(filed.succeeded(), qPrintable(filed.all()));
        const auto sourcesOf = [](const QString& file) {
            static const QRegularExpression source("<source>(.*?)</source>");
            QFile ts(file);
            ts.open(QIODevice::ReadOnly);
            QStringList texts;
            for (auto found = source.globalMatch(QString::fromUtf8(ts.readAll())); found.hasNext();)
                texts << found.next().captured(1);
            texts.sort();
            return texts;
        };
        const QStringList marked = sourcesOf(fresh);
        QVERIFY(marked.size() > 40);
        for (const QString& language : support::languages().mid(1))
            QCOMPARE(sourcesOf(QDir(TRANSLATIONS).filePath(language + ".ts")), marked);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
