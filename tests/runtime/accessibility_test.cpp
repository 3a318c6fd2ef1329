// What screen readers learn of the screens through Qt's accessibility interface: the
// labels and picture boxes the game draws itself speak as Qt's own labels and pictures
// would, and windows go by their titles.

#include "support/game.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;

    QAccessibleInterface* accessible(const QString& control)
    {
        return QAccessible::queryAccessibleInterface(
            game->control("frmMaze1", control.toStdString()).widget());
    }

private slots:
    void init()
    {
        game = std::make_unique<Game>();
        game->registry.load("frmMaze1");
        game->registry.show("frmMaze1");
    }

    void cleanup() { game.reset(); }

    void labelsAreStaticText()
    {
        QAccessibleInterface* legend = accessible("Label1");
        QCOMPARE(legend->role(), QAccessible::StaticText);
        QCOMPARE(legend->text(QAccessible::Name), "Up = Up Arrow");
    }

    void countdownSaysTheTimeLeft()
    {
        QAccessibleInterface* countdown = accessible("lblTime");
        QCOMPARE(countdown->role(), QAccessible::StaticText);
        QCOMPARE(countdown->text(QAccessible::Name), "30");
        game->tick("frmMaze1", "Timer1");
        QCOMPARE(countdown->text(QAccessible::Name), "29");
    }

    void pictureBoxesAreNamedPictures_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::newRow("the snail") << "picSnail"
                                   << "Snail";
        QTest::newRow("a wall") << "Picture10"
                                << "Wall";
        QTest::newRow("the exit, once for its three letters") << "Picture6"
                                                              << "Exit";
    }

    void pictureBoxesAreNamedPictures()
    {
        QFETCH(QString, box);
        QFETCH(QString, name);
        QAccessibleInterface* picture = accessible(box);
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QCOMPARE(picture->text(QAccessible::Name), name);
    }

    // A dialog's sentences are read as it appears, an alert's as news; the splash's
    // snails and the letters after END's first only decorate, and Qt tells screen readers
    // nothing of them.
    void windowsReadAsTheirDesignsSay()
    {
        const std::pair<const char*, QAccessible::Role> screens[] = {
            {"frmSplash", QAccessible::Dialog},
            {"frmLevel", QAccessible::Client},
            {"frmInst", QAccessible::Dialog},
            {"frmWon", QAccessible::AlertMessage},
            {"frmMaze1", QAccessible::Client}};
        for (const auto& [screen, role] : screens) {
            game->registry.load(screen);
            QCOMPARE(QAccessible::queryAccessibleInterface(game->screen(screen).window())->role(),
                     role);
        }
        const std::tuple<const char*, const char*, int> decorations[] = {
            {"frmSplash", "Image1", 0},
            {"frmMaze1", "Picture23", -1},
            {"frmMaze1", "Picture48", -1}};
        for (const auto& [screen, control, index] : decorations)
            QVERIFY(!QAccessible::queryAccessibleInterface(
                         game->control(screen, control, index).widget())
                         ->isValid());
    }

    void windowsKeepTheirTitles()
    {
        QWidget* window = game->screen("frmMaze1").window();
        QCOMPARE(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name),
                 "Maze - Level 1");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
