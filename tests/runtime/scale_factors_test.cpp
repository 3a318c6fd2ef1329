#include "runtime/application.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// The whole factor the game takes on each screen as it starts, from the screens' sizes and
// resolutions and the scale variables: offscreen screens, named and sized as the rows say.
class ScaleFactorsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    // Starts the game's application on screens given as "WIDTHxHEIGHT@DPI", side by side,
    // with the variables given as "NAME=VALUE"; returns each screen's factor.
    QList<qreal> factorsOn(const QStringList& screens, const QStringList& variables)
    {
        QJsonArray configured;
        int left = 0;
        for (const QString& screen : screens) {
            const QStringList numbers = screen.split(QRegularExpression("[x@]"));
            configured.append(QJsonObject{{"name", QString("screen%1").arg(configured.size())},
                                          {"x", left},
                                          {"width", numbers[0].toInt()},
                                          {"height", numbers[1].toInt()},
                                          {"logicalDpi", numbers[2].toInt()}});
            left += numbers[0].toInt();
        }
        QFile file(folder.filePath("screens.json"));
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(QJsonObject{{"screens", configured}}).toJson());
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toUtf8());
        for (const QString& variable : variables)
            qputenv(qPrintable(variable.section('=', 0, 0)), variable.section('=', 1).toUtf8());

        char name[] = "trundlex";
        char* arguments[] = {name, nullptr};
        int count = 1;
        const auto app = rt::startApplication(count, arguments, {8715, 7365});
        QList<qreal> factors;
        for (const QScreen* screen : QGuiApplication::screens())
            factors << screen->devicePixelRatio();
        for (const char* variable :
             {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
            qunsetenv(variable);
        return factors;
    }

private slots:
    void eachScreenTakesTheLargestFactorThatFits_data()
    {
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QList<qreal>>("factors");
        // 1080 pixels less a taskbar of 72.
        QTest::newRow("laptop at 150 %")
            << QStringList{"1920x1008@144"} << QStringList{} << QList<qreal>{1};
        QTest::newRow("4K at 250 %")
            << QStringList{"3840x2160@240"} << QStringList{} << QList<qreal>{3};
        QTest::newRow("each screen its own")
            << QStringList{"1920x1008@144", "1920x1200@144", "3840x2160@192"} << QStringList{}
            << QList<qreal>{1, 2, 2};
        QTest::newRow("each screen told its own")
            << QStringList{"1920x1200@96", "1280x1024@96"}
            << QStringList{"QT_SCREEN_SCALE_FACTORS=screen1=3;screen0=3"} << QList<qreal>{2, 2};
    }

    void eachScreenTakesTheLargestFactorThatFits()
    {
        QFETCH(QStringList, screens);
        QFETCH(QStringList, variables);
        QFETCH(QList<qreal>, factors);
        QCOMPARE(factorsOn(screens, variables), factors);
    }
};

QTEST_APPLESS_MAIN(ScaleFactorsTest)
#include "scale_factors_test.moc"
