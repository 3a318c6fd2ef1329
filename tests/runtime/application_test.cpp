#include "probe.h"

#include "runtime/application.h"
#include "runtime/platform.h"

#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QWidget>

#include <fontconfig/fontconfig.h>

#include <set>
#include <string>

namespace {

std::set<std::string> fontFolders(FcConfig* config)
{
    std::set<std::string> folders;
    FcStrList* list = FcConfigGetFontDirs(config);
    while (const FcChar8* folder = FcStrListNext(list))
        folders.insert(reinterpret_cast<const char*>(folder));
    FcStrListDone(list);
    return folders;
}

// What the configuration makes of a request for a face: aliases, hinting, antialiasing.
FcPattern* requestAsConfigured(FcConfig* config, const char* family, int weight)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, 11);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

} // namespace

// What the game sets up before its first screen, beyond what the screens show.
class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { rt::setUpApplication(*qApp); }

    void textIsSetUpAsTheSystemsFontConfigurationSays()
    {
        FcConfig* system = FcInitLoadConfigAndFonts();
        QVERIFY(system);
        QCOMPARE(fontFolders(FcConfigGetCurrent()), fontFolders(system));
        for (const char* family : {"Liberation Sans", "President", "MS Sans Serif", "sans-serif"}) {
            for (int weight : {FC_WEIGHT_REGULAR, FC_WEIGHT_BOLD}) {
                FcPattern* ours = requestAsConfigured(FcConfigGetCurrent(), family, weight);
                FcPattern* theirs = requestAsConfigured(system, family, weight);
                QVERIFY2(FcPatternEqual(ours, theirs), family);
                FcPatternDestroy(ours);
                FcPatternDestroy(theirs);
            }
        }
        FcConfigDestroy(system);
    }

    void everyWindowGetsTheIconOnceTheFirstIsDrawn()
    {
        QStringList log;
        rt::Registry registry([] {}, rt::platform::handOverPolicy());
        addProbes(registry, log);
        registry.load("frmPlain");
        QVERIFY(QApplication::windowIcon().isNull());
        registry.show("frmProbe");
        QVERIFY(QTest::qWaitForWindowExposed(registry.screen("frmProbe")->window()));
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        registry.show("frmPlain");
        const qint64 icon = QApplication::windowIcon().cacheKey();
        for (const char* screen : {"frmProbe", "frmPlain"})
            QCOMPARE(registry.screen(screen)->window()->windowIcon().cacheKey(), icon);
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
