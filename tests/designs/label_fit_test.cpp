#include "designs/designs.h"
#include "runtime/application.h"
#include "runtime/colours_and_fonts.h"
#include "runtime/text.h"
#include "runtime/twips.h"
#include "runtime/widgets.h"
#include "support/game.h"
#include "support/languages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace {

// The smallest rectangle that holds every pixel of a label's text: every pixel it draws
// in other than its background colour, in the device pixels of its grab.
QRect inkOf(const QImage& image, const rt::Control& label)
{
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

// Every label's text is laid out as its design means it, in every language the game speaks
// and at the scale the test runs at: one-line labels keep their text on one line, taller
// labels wrap between words and keep every line inside; the window shows all of it, at the
// size of its font.
class LabelFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<support::InLanguage> speaking;

    static void labels_data(const QStringList& languages)
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<const designs::Screen*>("screen");
        QTest::addColumn<int>("control");
        for (const QString& language : languages) {
            for (const designs::Screen& screen : designs::screens) {
                const auto& controls = screen.design().controls;
                for (std::size_t i = 0; i < controls.size(); ++i) {
                    if (controls[i].kind == rt::Kind::Label)
                        QTest::addRow("%s %s.%s", qPrintable(language), screen.name.data(),
                                      controls[i].name.data())
                            << language << &screen << int(i);
                }
            }
        }
    }

    // The current row's label on its screen, loaded as the game loads it.
    static rt::Control& loadedLabel(Game& game)
    {
        QFETCH(const designs::Screen*, screen);
        QFETCH(int, control);
        const rt::ControlDesign& label = screen->design().controls[std::size_t(control)];
        game.registry.load(screen->name);
        return game.control(screen->name, label.name, label.index);
    }

private slots:
    void initTestCase() { rt::setUpApplication(*qApp); }

    void init()
    {
        QFETCH(QString, language);
        speaking = std::make_unique<support::InLanguage>(language);
    }

    void cleanup() { speaking.reset(); }

    void everyLabelFits_data() { labels_data(support::languages()); }
    void everyLabelFits()
    {
        QFETCH(const designs::Screen*, screen);
        QFETCH(int, control);
        const rt::ControlDesign& label = screen->design().controls[std::size_t(control)];
        const QString text = rt::translated(label.caption);
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
        // Wrapped between words, or between the characters of scripts that write none; a word
        // too long for the label would stick out at its side.
        const QRect laidOut =
            metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text);
        QVERIFY2(laidOut.width() <= width && laidOut.height() <= height,
                 qPrintable(QString("%1 x %2 px").arg(laidOut.width()).arg(laidOut.height())));
    }

    // Nothing drawn above a label covers any of its text, and the window cuts none of it
    // off: what the label draws where its text lies shows the same in the window.
    void everyLabelWhollyShown_data() { labels_data(support::languages()); }
    void everyLabelWhollyShown()
    {
        Game game;
        const rt::Control& control = loadedLabel(game);
        QWidget* label = control.widget();
        const QImage own = label->grab().toImage();
        const QImage shown = label->window()->grab().toImage();
        const qreal scale = own.devicePixelRatio();
        const int seam = int(scale);
        // The maze's boxes overlap their neighbours by one pixel, the countdown's cell too;
        // the design means that seam, so a label's outermost pixels are left out.
        const QRect text =
            inkOf(own, control) & QRect(QPoint(), own.size()).adjusted(seam, seam, -seam, -seam);
        const QPoint offset = label->mapTo(label->window(), QPoint(0, 0)) * scale;
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
    void textDrawnAtItsFontSize_data() { labels_data({""}); }
    void textDrawnAtItsFontSize()
    {
        Game game;
        rt::Control& label = loadedLabel(game);
        label.setCaption("H");
        const QImage image = label.widget()->grab().toImage();
        const double capital = inkOf(image, label).height() / image.devicePixelRatio();
        const double size = label.design().font.points * 4 / 3;
        QVERIFY2(capital >= 0.6 * size && capital <= 0.85 * size,
                 qPrintable(QString("%1 px high for %2 px").arg(capital).arg(size)));
    }
};

QTEST_MAIN(LabelFitTest)
#include "label_fit_test.moc"
