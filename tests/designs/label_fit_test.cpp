#include "designs/designs.h"
#include "runtime/application.h"
#include "runtime/widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

// Every label's text is laid out as its design means it: one-line labels keep their
// text on one line, taller labels wrap between words and keep every line inside.
class LabelFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { rt::setUpApplication(*qApp); }

    void everyLabelFits_data()
    {
        QTest::addColumn<const rt::ScreenDesign*>("design");
        QTest::addColumn<int>("control");
        for (designs::DesignFunction design : designs::all) {
            const auto& controls = design().controls;
            for (std::size_t i = 0; i < controls.size(); ++i) {
                if (controls[i].kind == rt::Kind::Label)
                    QTest::addRow("%s.%s", design().name.data(), controls[i].name.data())
                        << &design() << int(i);
            }
        }
    }

    void everyLabelFits()
    {
        QFETCH(const rt::ScreenDesign*, design);
        QFETCH(int, control);
        const rt::ControlDesign& label = design->controls[std::size_t(control)];
        const QString text =
            QString::fromUtf8(label.caption.data(), qsizetype(label.caption.size()));
        const QFontMetrics metrics(rt::toQFont(label.font));
        const int width = rt::pixels(label.width);
        const int height = rt::pixels(label.height);
        QVERIFY(!text.isEmpty());
        if (height < 2 * metrics.lineSpacing()) {
            QVERIFY2(metrics.horizontalAdvance(text) <= width,
                     qPrintable(QString("%1 px wide").arg(metrics.horizontalAdvance(text))));
            QVERIFY(metrics.height() <= height);
            return;
        }
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            QVERIFY2(metrics.horizontalAdvance(word) <= width, qPrintable(word));
        const QRect laidOut =
            metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text);
        QVERIFY2(laidOut.height() <= height,
                 qPrintable(QString("%1 px high").arg(laidOut.height())));
    }
};

QTEST_MAIN(LabelFitTest)
#include "label_fit_test.moc"
