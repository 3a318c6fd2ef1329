#include "designs/designs.h"
#include "runtime/application.h"
#include "runtime/widgets.h"
#include "support/game.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace {

// The smallest rectangle that holds every pixel of the image not in the background colour.
QRect inkOf(const QImage& image, QColor background)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace

// Every label's text is laid out as its design means it: one-line labels keep their
// text on one line, taller labels wrap between words and keep every line inside; the
// window shows all of it, at the size of its font.
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

    // Nothing drawn above a label covers any of its text, and the window cuts none of it
    // off: what the label draws where its text lies shows the same in the window.
    void everyLabelWhollyShown_data() { everyLabelFits_data(); }
    void everyLabelWhollyShown()
    {
        QFETCH(const rt::ScreenDesign*, design);
        QFETCH(int, control);
        const rt::ControlDesign& label = design->controls[std::size_t(control)];
        Game game;
        game.registry.load(design->name);
        QWidget* window = game.form(design->name).window();
        QWidget* view = game.control(design->name, label.name, label.index).widget();
        const QImage own = view->grab().toImage();
        const QImage shown = window->grab().toImage();
        // The maze's boxes overlap their neighbours by one pixel, the countdown's cell too;
        // the design means that seam, so a label's outermost pixels are left out.
        const QRect text =
            inkOf(own, rt::toQColor(label.back)) & view->rect().adjusted(1, 1, -1, -1);
        const QPoint offset = view->mapTo(window, QPoint(0, 0));
        QVERIFY(!text.isEmpty());
        QVERIFY(shown.rect().contains(text.translated(offset)));
        for (int y = text.top(); y <= text.bottom(); ++y) {
            for (int x = text.left(); x <= text.right(); ++x) {
                if (shown.pixel(QPoint(x, y) + offset) != own.pixel(x, y))
                    QFAIL(qPrintable(QString("covered at %1, %2").arg(x).arg(y)));
            }
        }
    }

    // A capital stands about seven tenths of the font's size in pixels, 4/3 of its points
    // at 96 dpi, in any sans-serif face; text a quarter smaller falls well short of that.
    void textDrawnAtItsFontSize_data() { everyLabelFits_data(); }
    void textDrawnAtItsFontSize()
    {
        QFETCH(const rt::ScreenDesign*, design);
        QFETCH(int, control);
        const rt::ControlDesign& label = design->controls[std::size_t(control)];
        Game game;
        game.registry.load(design->name);
        rt::Control& handle = game.control(design->name, label.name, label.index);
        handle.setCaption("H");
        const int capital =
            inkOf(handle.widget()->grab().toImage(), rt::toQColor(label.back)).height();
        const double size = label.font.points * 4 / 3;
        QVERIFY2(capital >= 0.6 * size && capital <= 0.85 * size,
                 qPrintable(QString("%1 px high for %2 px").arg(capital).arg(size)));
    }
};

QTEST_MAIN(LabelFitTest)
#include "label_fit_test.moc"
