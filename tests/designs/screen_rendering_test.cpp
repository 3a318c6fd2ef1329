#include "designs/designs.h"
#include "runtime/text.h"
#include "runtime/twips.h"
#include "runtime/widgets.h"
#include "support/game.h"
#include "support/languages.h"

#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <algorithm>

// The menu, information, result and splash screens as drawn: every text shows where
// its design puts it, white on black, and every button's caption fits the button.
// That each text fits its label is measured in label_fit_test.
class ScreenRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void screens_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char* screen :
             {"frmSplash", "frmLevel", "frmInst", "frmAbout", "frmWon", "frmLost"})
            QTest::newRow(screen) << screen;
    }

    void textsWhiteOnBlack_data() { screens_data(); }
    void textsWhiteOnBlack()
    {
        QFETCH(QString, screen);
        Game game;
        game.registry.load(screen.toStdString());
        rt::Screen& form = game.screen(screen.toStdString());
        QCOMPARE(form.window()->size(), QSize(rt::pixels(float(form.design().clientWidth)),
                                              rt::pixels(float(form.design().clientHeight))));
        const QImage image = form.window()->grab().toImage();
        for (const auto& control : form.controls()) {
            if (control->kind() != rt::Kind::Label)
                continue;
            const QRect area = control->widget()->geometry();
            QVERIFY(QRect(QPoint(0, 0), image.size()).contains(area));
            int light = 0;
            int dark = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const int grey = qGray(image.pixel(x, y));
                    light += grey > 160;
                    dark += grey < 40;
                }
            }
            const char* name = control->name().data();
            QVERIFY2(light > 15, name);
            QVERIFY2(dark > light, name);
        }
    }

    // In every language the game speaks.
    void buttonCaptionsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("screen");
        for (const QString& language : support::languages()) {
            for (const designs::Screen& screen : designs::screens)
                QTest::addRow("%s %s", qPrintable(language), screen.name.data())
                    << language << rt::toQString(screen.name);
        }
    }
    void buttonCaptionsFit()
    {
        QFETCH(QString, language);
        QFETCH(QString, screen);
        const support::InLanguage speaking(language);
        Game game;
        game.registry.load(screen.toStdString());
        for (const auto& control : game.screen(screen.toStdString()).controls()) {
            if (control->kind() != rt::Kind::Button)
                continue;
            auto* button = qobject_cast<QPushButton*>(control->widget());
            QString shown = button->text();
            shown.remove('&');
            QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(shown) + 8 < button->width(),
                     qPrintable(shown));
            QVERIFY(button->isVisible() || !game.isVisible(screen.toStdString()));
        }
    }

    void splashNoticeNearTheBottom()
    {
        Game game;
        game.registry.load("frmSplash");
        const rt::Control& notice = game.control("frmSplash", "Label1");
        QCOMPARE(notice.top() + notice.height(), 7365.0f - 30);
        QCOMPARE(notice.widget()->geometry().bottom(), 488);
    }

    // The game chooses its scale so that a window of this size fits the screen.
    void largestClientAreaHoldsEveryScreen()
    {
        int width = 0;
        int height = 0;
        for (const designs::Screen& screen : designs::screens) {
            width = std::max(width, screen.design().clientWidth);
            height = std::max(height, screen.design().clientHeight);
        }
        QCOMPARE(width, designs::largestClientWidth);
        QCOMPARE(height, designs::largestClientHeight);
    }
};

QTEST_MAIN(ScreenRenderingTest)
#include "screen_rendering_test.moc"
