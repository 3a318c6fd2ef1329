// The release build carries Debian's hardening, as hardening-check reads it from the
// executable: position-independent, stack-protected, fully read-only relocations.
//
// Fortified libc calls show only where the compiler knew a buffer's size; every copy the
// game makes (inside Qt's and the standard library's containers) has a size known only at
// run time, so hardening-check reports no protected functions in it whatever the flags.
// A probe built with the same flags and one such call shows that the flags fortify.

#include "packaging_support.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

using namespace packaging;

class HardeningTest : public QObject {
    Q_OBJECT

    QHash<QString, QString> reports_;

    // A report line reads " Stack protected: yes".
    QString verdict(const QString& binary, const QString& property) const
    {
        const QRegularExpression line("^ " + QRegularExpression::escape(property) + ": (.*)$",
                                      QRegularExpression::MultilineOption);
        return line.match(reports_[binary]).captured(1);
    }

private slots:
    // hardening-check's exit status counts checks not asked for here.
    void initTestCase()
    {
        for (const QString binary : {TRUNDLEX_PATH, FORTIFY_PROBE_PATH}) {
            const CommandResult check = runCommand("hardening-check", {binary});
            QVERIFY2(check.exitCode != -1, qPrintable(check.output));
            reports_.insert(binary, check.output);
        }
    }

    void protections_data()
    {
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("property");
        QTest::newRow("PIE") << TRUNDLEX_PATH << "Position Independent Executable";
        QTest::newRow("stack protector") << TRUNDLEX_PATH << "Stack protected";
        QTest::newRow("RELRO") << TRUNDLEX_PATH << "Read-only relocations";
        QTest::newRow("BIND_NOW") << TRUNDLEX_PATH << "Immediate binding";
        QTest::newRow("fortified libc calls") << FORTIFY_PROBE_PATH << "Fortify Source functions";
    }

    void protections()
    {
        QFETCH(QString, binary);
        QFETCH(QString, property);
        QVERIFY2(verdict(binary, property).startsWith("yes"), qPrintable(reports_[binary]));
    }
};

QTEST_GUILESS_MAIN(HardeningTest)
#include "hardening_test.moc"
