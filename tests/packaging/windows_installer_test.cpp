// The Windows installer, run silently under Wine: it installs the game for the user with a
// Start-menu shortcut and an entry in the list of installed programs, the installed game
// starts, and the uninstaller leaves nothing of it behind.

#include "packaging_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

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

CommandResult wine(const QStringList& arguments)
{
    return runCommand("wine", arguments);
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
        const CommandResult install = wine({INSTALLER, "/S"});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
        QVERIFY(QFile::exists(folder + "/Quillory.exe"));
        QVERIFY(QFile::exists(folder + "/Uninstall.exe"));
        QFile link(shortcut);
        QVERIFY(link.open(QIODevice::ReadOnly));
        QVERIFY(link.readAll().contains(R"(Programs\Trundlex\Quillory.exe)"));
        const CommandResult entry = wine({"reg", "query", uninstallKey});
        QCOMPARE(entry.exitCode, 0);
        for (const char* value :
             {R"(DisplayName\s+REG_SZ\s+Trundlex\r?\n)",
              R"(DisplayVersion\s+REG_SZ\s+1\.0\.0\r?\n)",
              R"(DisplayIcon\s+REG_SZ\s+C:\\.*\\Trundlex\\Quillory\.exe,0\r?\n)",
              R"(UninstallString\s+REG_SZ\s+"C:\\.*\\Trundlex\\Uninstall\.exe"\r?\n)"})
            QVERIFY2(entry.output.contains(QRegularExpression(value)), qPrintable(entry.output));
    }

    // The installed game shows its splash; closed through its frame, it ends with status 0.
    void installedGameStarts()
    {
        QProcess game;
        game.start("wine", {folder + "/Quillory.exe"});
        QString splash;
        QDeadlineTimer deadline(20000);
        while (splash.isEmpty() && !deadline.hasExpired()) {
            QThread::msleep(100);
            const CommandResult search = runCommand(
                "xdotool", {"search", "--onlyvisible", "--classname", "^quillory\\.exe$"});
            if (search.exitCode == 0)
                splash = search.output.trimmed();
        }
        const CommandResult close = runCommand("wmctrl", {"-i", "-c", splash});
        QVERIFY2(close.exitCode == 0, qPrintable(splash + ": " + close.output));
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }

    // The uninstaller runs a copy of itself from the temporary folder, which goes on once
    // the uninstaller started has ended.
    void uninstallsEverything()
    {
        const CommandResult uninstall = wine({folder + "/Uninstall.exe", "/S"});
        QVERIFY2(uninstall.exitCode == 0, qPrintable(uninstall.output));
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(folder).exists(), 20000);
        QVERIFY(!QFile::exists(shortcut));
        QVERIFY(wine({"reg", "query", uninstallKey}).exitCode != 0);
    }
};

QTEST_GUILESS_MAIN(WindowsInstallerTest)
#include "windows_installer_test.moc"
