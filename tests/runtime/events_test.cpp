#include "probe.h"

#include "runtime/application.h"
#include "runtime/platform.h"
#include "support/events.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Keys, clicks and focus as the player meets them.
class EventsTest : public QObject {
    Q_OBJECT

    QStringList log;
    std::unique_ptr<rt::Registry> registry;

    rt::Screen& probe() { return *registry->screen("frmProbe"); }
    QWidget* widgetOf(std::string_view name)
    {
        // cmdArray is the one element, 7, of its control array.
        rt::Control& control =
            name == "cmdArray" ? probe().control(name, 7) : probe().control(name);
        return control.widget();
    }

private slots:
    void initTestCase() { rt::setUpApplication(*qApp); }

    void init()
    {
        log.clear();
        registry = std::make_unique<rt::Registry>([] {}, rt::platform::handOverPolicy());
        addProbes(*registry, log);
        registry->show("frmProbe");
        probe().control("Timer1").setEnabled(false);
        log.clear();
    }

    void cleanup()
    {
        registry.reset();
        support::settle();
    }

    void firstFocusGoesToTheLowestTabPosition()
    {
        support::settle();
        // The label holds tab position 0 but takes no focus.
        QCOMPARE(QApplication::focusWidget(), widgetOf("cmdSecond"));
    }

    void tabFollowsTabPositions()
    {
        const std::vector<std::string_view> order = {"cmdFirst", "cmdArray", "picBox", "cmdSecond"};
        for (std::string_view name : order) {
            support::type(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), widgetOf(name));
        }
    }

    void screenSeesTheKeyBeforeTheFocusedButton()
    {
        support::type(Qt::Key_Space);
        QCOMPARE(log, (QStringList{"keyup 32 0", "cmdSecond click"}));
    }

    void screenSeesEachReleaseOnce()
    {
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
            support::type(key);
        probe().control("picBox").widget()->setFocus();
        support::type(Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(log, (QStringList{"keyup 37 0", "keyup 38 0", "keyup 39 0", "keyup 40 0",
                                   "keyup 65 1", "keyup 16 0"}));
    }

    void autoRepeatReleasesAreDropped()
    {
        support::hold(Qt::Key_Left, 5);
        QCOMPARE(log, QStringList{});
        support::release(Qt::Key_Left);
        QCOMPARE(log, QStringList{"keyup 37 0"});
    }

    void enterAndSpaceClickTheFocusedButton()
    {
        support::press(Qt::Key_Return);
        QCOMPARE(log, QStringList{"cmdSecond click"});
        log.clear();
        support::press(Qt::Key_Space);
        QCOMPARE(log, QStringList{});
        support::release(Qt::Key_Space);
        QCOMPARE(log, (QStringList{"keyup 32 0", "cmdSecond click"}));
    }

    void altAndTheMarkedLetterClicks()
    {
        support::type(Qt::Key_F, Qt::AltModifier);
        support::type(Qt::Key_A, Qt::AltModifier);
        // A button shows itself pressed for a moment before it clicks.
        QTRY_VERIFY(log.contains("cmdFirst click"));
        QTRY_VERIFY(log.contains("cmdArray(7) click"));
    }

    void mouseClickCarriesTheArrayIndex()
    {
        QTest::mouseClick(widgetOf("cmdArray"), Qt::LeftButton);
        QCOMPARE(log, QStringList{"cmdArray(7) click"});
    }

    // What a Menu button does: hide its own window from its click. The events come through
    // the native window, as the player's do, so the window is on the call stack.
    void buttonHidesItsOwnWindow()
    {
        QWidget* button = widgetOf("cmdFirst");
        QObject::connect(qobject_cast<QAbstractButton*>(button), &QAbstractButton::clicked,
                         [this] { registry->hide("frmProbe"); });
        QTest::mouseClick(probe().window()->windowHandle(), Qt::LeftButton, {},
                          button->geometry().center());
        support::settle();
        QVERIFY(!probe().isVisible());
        registry->show("frmProbe");
        support::settle();
        button->setFocus();
        QTest::keyClick(probe().window()->windowHandle(), Qt::Key_Space);
        support::settle();
        QVERIFY(!probe().isVisible());
        QCOMPARE(log, (QStringList{"cmdFirst click", "keyup 32 0", "cmdFirst click"}));
    }

    void disabledButtonDoesNotClick()
    {
        probe().control("cmdFirst").setEnabled(false);
        QTest::mouseClick(widgetOf("cmdFirst"), Qt::LeftButton);
        probe().control("cmdFirst").click();
        QCOMPARE(log, QStringList{});
    }

    void withoutKeyPreviewTheScreenHearsNothingFromItsButtons()
    {
        registry->show("frmPlain");
        support::type(Qt::Key_Left);
        QCOMPARE(log, QStringList{"frmPlain load"});
    }

    void propertiesReachTheWindowAtOnce()
    {
        rt::Control& box = probe().control("picBox");
        box.setLeft(-90);
        box.setTop(7500);
        QCOMPARE(box.widget()->geometry(), QRect(-6, 500, 40, 40));
        box.setVisible(false);
        QVERIFY(!box.widget()->isVisible());
        QCOMPARE(box.left(), -90.0f);
        rt::Control& label = probe().control("Label1");
        label.setCaption("Changed");
        QCOMPARE(label.caption(), std::string("Changed"));
    }

    // Tools find a screen's controls by name, as Qt's own do.
    void qtObjectsCarryTheNamesOfTheirControls()
    {
        QWidget* window = probe().window();
        for (const char* name : {"picBox", "cmdSecond", "cmdArray", "Label1"})
            QCOMPARE(window->findChild<QWidget*>(name), widgetOf(name));
        auto* timer = window->findChild<QTimer*>("Timer1");
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        probe().control("Timer1").setEnabled(true);
        QVERIFY(timer->isActive());
    }
};

QTEST_MAIN(EventsTest)
#include "events_test.moc"
