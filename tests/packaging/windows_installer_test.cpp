// The Windows installer, run silently under Wine: it installs the game for the user with a
// Start-menu shortcut and an entry in the list of installed programs, the installed game
// starts, and the uninstaller leaves nothing of it behind. Run for the player to see, it
// speaks the player's Windows language.

#include "packaging_support.h"
#include "support/desktop.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace packaging;

namespace {

const QString uninstallKey = R"(HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trundlex)";

// The user's folder in the Wine prefix that with-wine.sh made.
QString userFolder()
{
    const QDir users(qEnvironmentVariable("WINEPREFIX") + "/drive_c/users");
    const QStringList names = users.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return users.filePath(names.value(names.indexOf("Public") == 0 ? 1 : 0));
}

support::Finished wine(const QStringList& arguments)
{
    return support::run("wine", arguments);
}

} // namespace

class WindowsInstallerTest : public QObject {
    Q_OBJECT

    const QString folder = userFolder() + "/AppData/Local/Programs/Trundlex";
    const QString shortcut =
        userFolder() + "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Trundlex.lnk";

private slots:
    void installsForTheUser()
    {
        const support::Finished install = wine({INSTALLER, "/S"});
        QVERIFY2(install.exitCode == 0, qPrintable(install.all()));
        QVERIFY(QFile::exists(folder + "/Quillory.exe"));
        QVERIFY(QFile::exists(folder + "/Uninstall.exe"));
        QFile link(shortcut);
        QVERIFY(link.open(QIODevice::ReadOnly));
        QVERIFY(link.readAll().contains(R"(Programs\Trundlex\Quillory.exe)"));
        const support::Finished entry = wine({"reg", "query", uninstallKey});
        QCOMPARE(entry.exitCode, 0);
        for (const char* value :
             {R"(DisplayName\s+REG_SZ\s+Trundlex\r?\n)",
              R"(DisplayVersion\s+REG_SZ\s+1\.0\.0\r?\n)",
              R"(DisplayIcon\s+REG_SZ\s+C:\\.*\\Trundlex\\Quillory\.exe,0\r?\n)",
              R"(UninstallString\s+REG_SZ\s+"C:\\.*\\Trundlex\\Uninstall\.exe"\r?\n)"})
            QVERIFY2(entry.output.contains(QRegularExpression(value)), qPrintable(entry.all()));
    }

    // The installed game shows its splash; closed through its frame, it ends with status 0.
    void installedGameStarts()
    {
        const auto desktop = support::openDesktop();
        QProcess game;
        desktop->launch(game, folder + "/Quillory.exe", QProcessEnvironment::systemEnvironment());
        QList<support::Window> shown;
        QTRY_VERIFY_WITH_TIMEOUT(!(shown = desktop->windows()).isEmpty(), 20000);
        QCOMPARE(shown.first().caption, "Maze");
        QVERIFY(desktop->close(shown.first()));
        const support::Finished finished = support::finish(game, 10000);
        QVERIFY2(finished.succeeded(), qPrintable(finished.all()));
    }

    // The uninstaller runs a copy of itself from the temporary folder, which goes on once
    // the uninstaller started has ended.
    void uninstallsEverything()
    {
        const support::Finished uninstall = wine({folder + "/Uninstall.exe", "/S"});
        QVERIFY2(uninstall.exitCode == 0, qPrintable(uninstall.all()));
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(folder).exists(), 20000);
        QVERIFY(!QFile::exists(shortcut));
        QVERIFY(wine({"reg", "query", uninstallKey}).exitCode != 0);
    }

    // Wine takes the Windows language from the environment.
    void pagesInThePlayersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("title");
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "Installation von Trundlex";
        QTest::newRow("a language the game lacks") << "C.UTF-8"
                                                   << "Trundlex Setup";
    }

    void pagesInThePlayersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, title);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("LC_ALL");
        environment.insert("LANG", locale);
        QProcess installer;
        installer.setProcessEnvironment(environment);
        installer.start("wine", {INSTALLER});
        QTRY_VERIFY_WITH_TIMEOUT(
            !support::outputOf("xdotool", {"search", "--onlyvisible", "--name", "^" + title})
                 .isEmpty(),
            20000);
        installer.kill();
        installer.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(WindowsInstallerTest)
#include "windows_installer_test.moc"
