#include "designs/designs.h"
#include "runtime/application.h"
#include "runtime/colours_and_fonts.h"
#include "runtime/twips.h"
#include "runtime/widgets.h"
#include "support/game.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace {

// The smallest rectangle that holds every pixel of a label's text: every pixel it draws
// in other than its background colour.
QRect inkOf(const rt::Control& label)
{
    const QImage image = label.widget()->grab().toImage();
    const QRgb background = rt::toQColor(label.design().back).rgb();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
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
        Game game;
        const rt::Control& control = loadedLabel(game);
        QWidget* label = control.widget();
        const QImage own = label->grab().toImage();
        const QImage shown = label->window()->grab().toImage();
        // The maze's boxes overlap their neighbours by one pixel, the countdown's cell too;
        // the design means that seam, so a label's outermost pixels are left out.
        const QRect text = inkOf(control) & label->rect().adjusted(1, 1, -1, -1);
        const QPoint offset = label->mapTo(label->window(), QPoint(0, 0));
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
        Game game;
        rt::Control& label = loadedLabel(game);
        label.setCaption("H");
        const int capital = inkOf(label).height();
        const double size = label.design().font.points * 4 / 3;
        QVERIFY2(capital >= 0.6 * size && capital <= 0.85 * size,
                 qPrintable(QString("%1 px high for %2 px").arg(capital).arg(size)));
    }

private:
    // The current row's label on its screen, loaded as the game loads it.
    static rt::Control& loadedLabel(Game& game)
    {
        QFETCH(const rt::ScreenDesign*, design);
        QFETCH(int, control);
        const rt::ControlDesign& label = design->controls[std::size_t(control)];
        game.registry.load(design->name);
        return game.control(design->name, label.name, label.index);
    }
};

QTEST_MAIN(LabelFitTest)
#include "label_fit_test.moc"
