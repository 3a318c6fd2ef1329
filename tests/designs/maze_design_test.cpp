#include "core/maze_grid.h"
#include "support/game.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <map>
#include <set>

namespace {

struct Level {
    const char* screen;
    QSize client; // pixels
    float panelWidth;
    const char* firstTabStop;
};

const Level levels[] = {
    {"frmMaze1", {479, 411}, 7215, "Picture2"},
    {"frmMaze2", {480, 409}, 7215, "Picture45"},
    {"frmMAze3", {482, 410}, 7335, "Picture45"},
};

bool isEndBox(std::string_view name)
{
    return name == "Picture6" || name == "Picture23" || name == "Picture48";
}

bool isWallBox(const rt::Control& control)
{
    return control.kind() == rt::Kind::PictureBox && control.name().starts_with("Picture") &&
           !isEndBox(control.name());
}

// Position of a widget among its siblings, back to front.
int stackPosition(QWidget* widget)
{
    return int(widget->parent()->children().indexOf(widget));
}

} // namespace

class MazeDesignTest : public QObject {
    Q_OBJECT

    core::MazeGrid grid;

private slots:
    void initTestCase() { grid.fill(); }

    void levels_data()
    {
        QTest::addColumn<int>("level");
        for (int i = 0; i < 3; ++i)
            QTest::newRow(levels[i].screen) << i;
    }

    void everyWallCellHasOneBox_data() { levels_data(); }
    void everyWallCellHasOneBox()
    {
        QFETCH(int, level);
        Game game;
        game.registry.load(levels[level].screen);
        std::map<std::pair<int, int>, std::string_view> boxes;
        for (const auto& control : game.screen(levels[level].screen).controls()) {
            if (!isWallBox(*control))
                continue;
            QCOMPARE(control->width(), 495.0f);
            QCOMPARE(control->height(), 495.0f);
            QCOMPARE(std::fmod(control->left(), 480.0f), 0.0f);
            QCOMPARE(std::fmod(control->top(), 480.0f), 0.0f);
            const int x = int(control->left() / 480);
            const int y = int(control->top() / 480);
            QVERIFY(x <= 14 && y <= 8); // nothing on column 15 or row 9
            QCOMPARE(grid.at(x, y), core::Cell::Wall);
            QVERIFY2(boxes.emplace(std::pair{x, y}, control->name()).second, "two boxes on a cell");
        }
        QCOMPARE(int(boxes.size()), level == 0 ? 79 : 78);
        for (int y = 0; y <= 8; ++y) {
            for (int x = 0; x <= 14; ++x) {
                const bool countdownCell = x == 13 && y == 0 && level > 0;
                if (grid.at(x, y) == core::Cell::Wall && !countdownCell)
                    QVERIFY(boxes.contains({x, y}));
            }
        }
        // A few names from the plan of the maze.
        QCOMPARE(boxes.at({5, 0}), std::string_view("Picture1"));
        QCOMPARE(boxes.at({3, 0}), std::string_view("Picture2"));
        QCOMPARE(boxes.at({3, 1}), std::string_view("Picture84"));
        QCOMPARE(boxes.at({6, 2}), std::string_view("Picture97"));
        QCOMPARE(boxes.at({13, 8}), std::string_view("Picture110"));
        QCOMPARE(boxes.at({14, 8}), std::string_view("Picture45"));
        QCOMPARE(boxes.contains({13, 0}), level == 0);
    }

    void windowAndPanel_data() { levels_data(); }
    void windowAndPanel()
    {
        QFETCH(int, level);
        Game game;
        const char* screen = levels[level].screen;
        game.registry.show(screen);
        rt::Screen& form = game.screen(screen);
        QCOMPARE(form.window()->size(), levels[level].client);
        QCOMPARE(form.window()->windowTitle(), QString("Maze - Level %1").arg(level + 1));
        QCOMPARE(game.control(screen, "Shape1").width(), levels[level].panelWidth);
        QCOMPARE(game.control(screen, "lblTime").caption(), std::to_string(30 - 10 * level));
        rt::Control& snail = game.control(screen, "picSnail");
        QCOMPARE(snail.widget()->geometry(), QRect(456, 40, 25, 25));
        QCOMPARE(snail.left(), 6840.0f);
        QCOMPARE(snail.top(), 600.0f);
        QCOMPARE(game.control(screen, "Picture1").width(), 495.0f);
        QVERIFY(!game.control(screen, "Timer1").design().enabled);
    }

    void countdownStandsOnItsCell_data() { levels_data(); }
    void countdownStandsOnItsCell()
    {
        QFETCH(int, level);
        Game game;
        const char* screen = levels[level].screen;
        game.registry.load(screen);
        QWidget* time = game.control(screen, "lblTime").widget();
        QCOMPARE(time->mapTo(time->window(), QPoint(0, 0)), QPoint(416, 0));
        QCOMPARE(time->size(), QSize(33, 33));
        if (level == 0)
            QCOMPARE(time->parentWidget(), game.control(screen, "Picture8").widget());
        else
            QCOMPARE(time->parentWidget(), game.screen(screen).window());
    }

    void snailStacking_data() { levels_data(); }
    void snailStacking()
    {
        QFETCH(int, level);
        Game game;
        const char* screen = levels[level].screen;
        game.registry.load(screen);
        const int snail = stackPosition(game.control(screen, "picSnail").widget());
        for (const auto& control : game.screen(screen).controls()) {
            if (control->kind() != rt::Kind::PictureBox || control->name() == "picSnail")
                continue;
            const int box = stackPosition(control->widget());
            const bool snailInFront = level == 0 || (level == 1 && isEndBox(control->name()));
            QCOMPARE(snail > box, snailInFront);
            if (isEndBox(control->name())) {
                const int wall = stackPosition(game.control(screen, "Picture84").widget());
                QCOMPARE(box > wall, level == 2);
            }
        }
        // Boxes and buttons stand above labels, the line and the panel.
        const int lowestBox = stackPosition(game.control(screen, "Picture45").widget());
        for (const char* name : {"Label1", "Label5", "Line1", "Shape1"})
            QVERIFY(stackPosition(game.control(screen, name).widget()) < lowestBox);
        QVERIFY(stackPosition(game.control(screen, "Shape1").widget()) <
                stackPosition(game.control(screen, "Label1").widget()));
    }

    void focusAndTabOrder_data() { levels_data(); }
    void focusAndTabOrder()
    {
        QFETCH(int, level);
        Game game;
        const char* screen = levels[level].screen;
        game.registry.show(screen);
        support::settle();
        QCOMPARE(QApplication::focusWidget(),
                 game.control(screen, levels[level].firstTabStop).widget());
        // Walking the tab order once visits every box and both buttons, in the level's order.
        QStringList buttons;
        std::set<QWidget*> visited;
        for (int i = 0; i < 90; ++i) {
            QWidget* focus = QApplication::focusWidget();
            visited.insert(focus);
            if (focus == game.control(screen, "cmdMenu").widget())
                buttons << "Menu";
            if (focus == game.control(screen, "cmdExit").widget())
                buttons << "Exit";
            support::type(Qt::Key_Tab);
        }
        QCOMPARE(int(visited.size()), level == 0 ? 85 : 84);
        QCOMPARE(buttons.first(), level == 0 ? QString("Exit") : QString("Menu"));
    }
};

QTEST_MAIN(MazeDesignTest)
#include "maze_design_test.moc"
