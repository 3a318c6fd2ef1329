#include "probe.h"

#include "runtime/application.h"
#include "runtime/platform.h"
#include "support/events.h"
#include "support/process.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QTest>
#include <QWidget>
#include <QWindow>

// The life of a screen: Load, Show, Hide, closing through the frame, and End.
class RegistryTest : public QObject {
    Q_OBJECT

    QStringList log;
    int ends = 0;
    std::unique_ptr<rt::Registry> registry;

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    };

    rt::Screen& probe() { return *registry->screen("frmProbe"); }
    int count(const QString& entry) const { return int(log.count(entry)); }

private slots:
    void initTestCase() { rt::setUpApplication(*qApp); }

    void init()
    {
        log.clear();
        ends = 0;
        registry =
            std::make_unique<rt::Registry>([this] { ++ends; }, rt::platform::handOverPolicy());
        addProbes(*registry, log);
    }

    void cleanup()
    {
        registry.reset();
        support::settle();
    }

    void loadCreatesHiddenAndRunsLoadOnce()
    {
        QVERIFY(!registry->screen("frmProbe"));
        registry->load("frmProbe");
        QVERIFY(registry->screen("frmProbe"));
        QVERIFY(!registry->isVisible("frmProbe"));
        registry->load("frmProbe");
        registry->show("frmProbe");
        registry->load("frmProbe");
        QCOMPARE(log, QStringList{"frmProbe load"});
        QVERIFY(registry->isVisible("frmProbe"));
    }

    void showLoadsShowsAndActivates()
    {
        registry->show("frmPlain");
        support::settle();
        QCOMPARE(log, QStringList{"frmPlain load"});
        QVERIFY(registry->isVisible("frmPlain"));
        QCOMPARE(QApplication::activeWindow(), registry->screen("frmPlain")->window());
        registry->show("frmProbe");
        support::settle();
        QCOMPARE(QApplication::activeWindow(), probe().window());
        registry->show("frmPlain"); // visible already: activated again
        support::settle();
        QCOMPARE(QApplication::activeWindow(), registry->screen("frmPlain")->window());
        QVERIFY(registry->isVisible("frmProbe"));
    }

    void windowHasTheDesignedClientSize()
    {
        registry->show("frmProbe");
        QCOMPARE(probe().window()->size(), QSize(300, 160));
        QCOMPARE(probe().window()->windowTitle(), QString("Probe"));
    }

    void hideKeepsTheScreenAndItsTimers()
    {
        registry->show("frmProbe");
        probe().control("Label1").setCaption("changed");
        registry->hide("frmProbe");
        registry->hide("frmProbe");
        QVERIFY(!registry->isVisible("frmProbe"));
        QVERIFY(registry->screen("frmProbe"));
        QTRY_VERIFY(count("Timer1 tick") >= 3);
        registry->show("frmProbe");
        QCOMPARE(probe().control("Label1").caption(), std::string("changed"));
        QCOMPARE(count("frmProbe load"), 1);
    }

    // A hidden window lets go of its native window and its pixels once control is back in
    // the event loop, and comes back as it was: drawn, focused where it was, with its title,
    // place and size, its tab order and its key preview.
    void hiddenWindowComesBackAsItWas()
    {
        registry->show("frmProbe");
        QWidget* window = probe().window();
        QWidget* focused = probe().control("cmdArray", 7).widget();
        focused->setFocus();
        const QRect geometry = window->geometry();
        registry->hide("frmProbe");
        QVERIFY(window->backingStore());
        support::settle();
        QVERIFY(!window->backingStore());
        QVERIFY(!window->windowHandle());
        QTRY_VERIFY(count("Timer1 tick") >= 2);

        PaintCounter counter;
        window->installEventFilter(&counter);
        registry->show("frmProbe");
        QTRY_VERIFY(counter.paints > 0);
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(window->windowHandle()->title(), QString("Probe"));
        QCOMPARE(window->geometry(), geometry);
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), probe().control("picBox").widget());
        QTest::keyClick(window->windowHandle(), Qt::Key_Left);
        QVERIFY(log.contains("keyup 37 0"));
    }

    // Shown again before control is back in the event loop, it keeps everything.
    void windowShownAgainAtOnceKeepsItsPixels()
    {
        registry->show("frmProbe");
        support::settle();
        QBackingStore* store = probe().window()->backingStore();
        registry->hide("frmProbe");
        registry->show("frmProbe");
        support::settle();
        QCOMPARE(probe().window()->backingStore(), store);
    }

    // A handler leaving its screen for another, in either order: with each policy, how long
    // the window it leaves stays on view. A window that never draws stays for a second.
    void handOver_data()
    {
        QTest::addColumn<rt::HandOver::Policy>("policy");
        QTest::addColumn<bool>("showFirst");
        QTest::addColumn<bool>("nextDraws");
        const auto atOnce = rt::HandOver::Policy::HideAtOnce;
        const auto afterFrame = rt::HandOver::Policy::HideAfterNextFrame;
        QTest::newRow("at once") << atOnce << true << true;
        QTest::newRow("at once, hidden first") << atOnce << false << true;
        QTest::newRow("after the next frame") << afterFrame << true << true;
        QTest::newRow("after the next frame, hidden first") << afterFrame << false << true;
        QTest::newRow("after the fallback") << afterFrame << true << false;
    }

    void handOver()
    {
        QFETCH(rt::HandOver::Policy, policy);
        QFETCH(bool, showFirst);
        QFETCH(bool, nextDraws);
        registry = std::make_unique<rt::Registry>([] {}, policy);
        addProbes(*registry, log);
        registry->show("frmPlain");
        QVERIFY(QTest::qWaitForWindowExposed(registry->screen("frmPlain")->window()));
        QWidget* leaving = registry->screen("frmPlain")->window();
        registry->load("frmProbe");
        struct NoFrames : QObject {
            QWidget* window;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                return event->type() == QEvent::Expose && watched == window->windowHandle();
            }
        } noFrames;
        noFrames.window = registry->screen("frmProbe")->window();
        if (!nextDraws)
            qApp->installEventFilter(&noFrames);
        if (!showFirst)
            registry->hide("frmPlain");
        registry->show("frmProbe");
        if (showFirst)
            registry->hide("frmPlain");
        QVERIFY(!registry->isVisible("frmPlain"));
        const bool atOnce = policy == rt::HandOver::Policy::HideAtOnce;
        QCOMPARE(leaving->isVisible(), !atOnce);
        QTest::qWait(nextDraws ? 20 : 800);
        QCOMPARE(leaving->isVisible(), !nextDraws);
        QTRY_VERIFY_WITH_TIMEOUT(leaving->isHidden(), 400);
    }

    // With nothing shown meanwhile, a hidden window goes once control is back in the event
    // loop, under either policy.
    void hideAloneGoesAtOnce_data()
    {
        QTest::addColumn<rt::HandOver::Policy>("policy");
        QTest::newRow("at once") << rt::HandOver::Policy::HideAtOnce;
        QTest::newRow("after the next frame") << rt::HandOver::Policy::HideAfterNextFrame;
    }

    void hideAloneGoesAtOnce()
    {
        QFETCH(rt::HandOver::Policy, policy);
        registry = std::make_unique<rt::Registry>([] {}, policy);
        addProbes(*registry, log);
        registry->show("frmProbe");
        registry->show("frmPlain");
        QVERIFY(QTest::qWaitForWindowExposed(registry->screen("frmPlain")->window()));
        registry->hide("frmPlain");
        support::settle();
        QVERIFY(registry->screen("frmPlain")->window()->isHidden());
    }

    void loadOnALoadedScreenChangesNothing()
    {
        registry->show("frmProbe");
        rt::Control& box = probe().control("picBox");
        box.setLeft(-90.5f);
        probe().control("Timer1").setEnabled(false);
        registry->load("frmProbe");
        QCOMPARE(box.left(), -90.5f);
        QVERIFY(!probe().control("Timer1").enabled());
        QTest::qWait(120);
        QCOMPARE(count("Timer1 tick"), 0);
    }

    void closedScreenComesBackFresh()
    {
        registry->show("frmProbe");
        registry->show("frmPlain");
        probe().control("Label1").setCaption("changed");
        probe().window()->close();
        QVERIFY(!registry->screen("frmProbe"));
        QCOMPARE(ends, 0);
        support::settle();
        const int ticks = count("Timer1 tick");
        QTest::qWait(120);
        QCOMPARE(count("Timer1 tick"), ticks); // its timer went with it
        registry->show("frmProbe");
        QCOMPARE(probe().control("Label1").caption(), std::string("Watching"));
        QCOMPARE(count("frmProbe load"), 2);
    }

    void closingTheLastVisibleWindowEnds()
    {
        registry->show("frmProbe");
        registry->load("frmPlain"); // loaded but hidden
        probe().window()->close();
        QCOMPARE(ends, 1);
        QVERIFY(registry->hasEnded());
        QVERIFY(!registry->screen("frmPlain"));
    }

    void nothingRunsAfterEnd()
    {
        registry->show("frmProbe");
        registry->show("frmPlain");
        registry->hide("frmPlain");
        QWidget* window = probe().window();
        registry->end();
        QCOMPARE(ends, 1);
        QVERIFY(!window->isVisible());
        QVERIFY(registry->loadedScreens().empty());
        registry->show("frmProbe");
        registry->end();
        log.clear();
        QTest::qWait(150);
        QCOMPARE(log, QStringList{});
        QCOMPARE(ends, 1);
        QVERIFY(!registry->screen("frmProbe"));
    }

    void endFromInsideAHandler()
    {
        registry->show("frmProbe");
        rt::Control& button = probe().control("cmdFirst");
        // What an Exit button does: End from its own click, on its own widget.
        QObject::connect(qobject_cast<QAbstractButton*>(button.widget()), &QAbstractButton::clicked,
                         [this] { registry->end(); });
        button.click();
        QCOMPARE(ends, 1);
        support::settle(); // the form goes once control is back in the event loop
        QVERIFY(registry->loadedScreens().empty());
    }

    void timerEnablingRestartsItsInterval()
    {
        registry->load("frmProbe");
        rt::Control& timer = probe().control("Timer1");
        timer.setEnabled(false);
        log.clear();
        timer.setEnabled(true);
        QTest::qWait(30);
        QCOMPARE(count("Timer1 tick"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(count("Timer1 tick"), 1, 45);
        timer.setEnabled(false);
        timer.tick(); // a stopped timer does not tick
        QCOMPARE(count("Timer1 tick"), 1);
    }

    void namingAMissingControlStopsTheProgram()
    {
        if (qEnvironmentVariableIsSet("PROBE_MISSING_CONTROL")) {
            registry->load("frmProbe");
            probe().control("Nowhere");
            return;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PROBE_MISSING_CONTROL", "1");
        environment.insert("QTEST_DISABLE_STACK_TRACE", "1");
        const support::Finished child =
            support::run(QCoreApplication::applicationFilePath(),
                         {"namingAMissingControlStopsTheProgram"}, environment, 10000);
        QVERIFY(!child.succeeded());
        QVERIFY2(child.all().contains("frmProbe has no control named Nowhere"),
                 qPrintable(child.all()));
    }
};

QTEST_MAIN(RegistryTest)
#include "registry_test.moc"
