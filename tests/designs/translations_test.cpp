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

// What the player reads of a screen: its caption and the texts of its controls, the pictures'
// names too; the countdown's digits are no words.
QStringList textsOf(const rt::ScreenDesign& design)
{
    QStringList texts{rt::toQString(design.caption)};
    for (const rt::ControlDesign& control : design.controls) {
        for (std::string_view text : {control.caption, control.accessibleName}) {
            if (!text.empty() &&
                !QRegularExpression("^\\d+$").match(rt::toQString(text)).hasMatch())
                texts << rt::toQString(text);
        }
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
            for (designs::DesignFunction design : designs::all)
                QTest::addRow("%s %s", qPrintable(language), design().name.data())
                    << language << &design();
        }
    }

private slots:
    void everyTextTranslated_data() { screens_data(support::languages().mid(1)); }
    void everyTextTranslated()
    {
        QFETCH(QString, language);
        QFETCH(const rt::ScreenDesign*, design);
        const support::InLanguage speaking(language);
        for (const QString& text : textsOf(*design))
            QVERIFY2(!speaking.translation().translate("Quillory", text.toUtf8()).isEmpty(),
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
