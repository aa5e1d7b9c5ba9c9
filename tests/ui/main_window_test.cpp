// The real main window on the offscreen platform: layout, menus, presses, painting, the computer's
// turn and the player's queue, and what reaches the settings file.
#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>
#include <optional>

#include "checked_options.h"
#include "core/board_picture.h"
#include "core/positions.h"
#include "gap_centre.h"
#include "opponent/computer_player.h"
#include "store/settings.h"
#include "ui/board_accessible.h"
#include "ui/board_view.h"
#include "ui/computer_turn.h"
#include "ui/quiet_opener.h"
#include "ui/wall_rect.h"

namespace pennix {
namespace {

const QColor kBackground(192, 255, 192);

std::optional<Wall> FirstFree(const Game& game) {
    for (const Wall& wall : kScanOrder) {
        if (game.IsWallFree(wall)) {
            return wall;
        }
    }
    return std::nullopt;
}

QPoint GapPixel(const Wall& wall) {
    const auto [x, y] = GapCentre(wall);
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

// The paints of exactly one region of the board.
class PaintCounter : public QObject {
  public:
    PaintCounter(QWidget* board, QRect area) : area_(area) { board->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->region() == QRegion(area_)) {
            ++count;
        }
        return false;
    }

  private:
    QRect area_;
};

// Presses the button of the next message box or question once it shows, noting its text.
void AnswerNextMessage(QObject* owner, QMessageBox::StandardButton answer, QString* text) {
    auto* timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            *text = box->text();
            box->button(answer)->click();
        }
    });
    timer->start();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { Open("[Options]\r\nLevel=Hard\r\nSpeed=Fast\r\n"); }
    void cleanup() { window_.reset(); }

    void WindowControlsAndMenusKeepTheirNamesAndPlaces();
    void PressesDrawWallsAndTheComputerAnswersWithItsOwnWalls();
    void ExpertThinksOffTheWindowsThreadAndPlaysItsOwnWalls();
    void PressesOffTheGapsOrOnDrawnWallsDoNothing();
    void PaintsExactlyTheWallsDotsAndLetters();
    void LevelAndSpeedAreValuesTheMarksShow();
    void ResetAsksFirst();
    void RndDrawsASafeWallOrSaysThereIsNone();
    void EachComputerWallBlinksAtTheSpeed();
    void WhatThePlayerDoesDuringTheTurnWaitsAndRunsInOrder();
    void ACloseDuringTheTurnEndsItDropsTheBoardInputAndSavesOnce();
    void CommandsChosenUnderAQuestionWaitForItsAnswer();
    void TheComputersLastTurnStaysMarkedUntilThePlayerDraws();
    void AReplyLongerThanAMomentShowsTheBusyPointer();
    void TheKeyboardPlaysAsTheMouseDoes();
    void AssistiveTechnologyReadsTheBoardAndEveryControl();

  private:
    void Open(const QByteArray& settings);
    Game& TheGame() { return window_->CurrentGame(); }
    QAction* Entry(const char* name) { return window_->findChild<QAction*>(name); }
    void Press(const Wall& wall, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window_->Board(), button, {}, GapPixel(wall));
    }
    void WaitUntilIdle() { QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy(), 30000); }
    QByteArray Saved() const {
        QFile file(directory_.filePath("pennix.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir directory_;
    std::unique_ptr<MainWindow> window_;
};

void MainWindowTest::Open(const QByteArray& settings) {
    window_.reset();
    QFile file(directory_.filePath("pennix.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(settings);
    file.close();
    window_ =
        std::make_unique<MainWindow>(file.fileName().toStdString(),
                                     DesktopServices{testing::QuietLinks(), [] { return false; }});
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

// ---- Layout, menus, settings -----------------------------------------------------------------

void MainWindowTest::WindowControlsAndMenusKeepTheirNamesAndPlaces() {
    QCOMPARE(window_->objectName(), QString("frmMain"));
    QCOMPARE(window_->windowTitle(), QString("The game of Pennix"));
    QCOMPARE(window_->findChild<QWidget*>("clientArea")->size(), QSize(390, 385));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->findChild<QLabel*>("lblScore")->geometry(), QRect(0, 304, 409, 25));
    QCOMPARE(window_->findChild<QWidget*>("Line1")->geometry(), QRect(0, 344, 408, 2));
    auto* random = window_->findChild<QPushButton*>("cmdRandom");
    QCOMPARE(random->geometry(), QRect(344, 352, 33, 25));
    QCOMPARE(random->toolTip(), QString("Make a random move"));
    QCOMPARE(window_->findChild<QLabel*>("lblWebpage")->geometry(), QRect(112, 360, 193, 17));
    QCOMPARE(window_->findChild<QLabel*>("lblScore")->text(), QString("You 0 Me 0"));

    const auto entries = [this](const char* menu) {
        QStringList names;
        for (QAction* action : window_->findChild<QMenu*>(menu)->actions()) {
            names << action->objectName() + (action->isSeparator() ? "" : "=" + action->text());
        }
        return names.join(", ");
    };
    QCOMPARE(entries("File"), QString("mnuNewGame=&New Game, sep1, mnuExit=E&xit"));
    QCOMPARE(entries("mnuOptions"),
             QString("mnuLevel=Level, mnuSpeed=Speed, mnuMarks=&Mark my last turn, sep2, "
                     "mnuResetscores=Reset scores ..."));
    QCOMPARE(entries("mnuLevel"),
             QString("mnuEasy=Easy, mnuMedium=Medium, mnuHard=Hard, mnuGenius=Genius, "
                     "mnuExpert=E&xpert"));
    QCOMPARE(entries("mnuSpeed"),
             QString("mnuSpeedSlow=Slow, mnuSpeedMedium=Medium, mnuSpeedFast=Fast"));
    QCOMPARE(entries("mnuHelp"),
             QString("mnuHelp2=Help, mnuHelpIndex=Help index, sep4, mnuAbout=About the game, "
                     "mnuAuthor=About the author, sep3, mnuScores=Score board, seg3, "
                     "mnuRegister=Register"));
    QCOMPARE(Entry("mnuNewGame")->shortcut(), QKeySequence(Qt::Key_F2));
    QStringList bar;
    for (QAction* action : window_->menuBar()->actions()) {
        bar << action->objectName() + "=" + action->text();
    }
    QCOMPARE(bar.join(", "), QString("File=&File, mnuOptions=&Options, mnuHelp=&Help"));
}

// ---- Presses and painting --------------------------------------------------------------------

void MainWindowTest::PressesDrawWallsAndTheComputerAnswersWithItsOwnWalls() {
    const std::uint64_t seed = 42;
    TheGame().Random().Seed(seed);
    Press(MakeWall(1, 1, kTop), Qt::RightButton);
    QVERIFY(window_->Busy());
    WaitUntilIdle();
    // The window plays the walls the headless turn plays for the same seed.
    Game headless;
    headless.Random().Seed(seed);
    headless.PlaceWall(MakeWall(1, 1, kTop));
    PlayComputerTurn(headless, Level::Hard);
    QCOMPARE(TheGame().Board(), headless.Board());
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);

    // Closing a box keeps the turn: no reply, and the score line counts it.
    Board board;
    for (std::int16_t side : {kLeft, kRight, kBottom}) {
        DrawWall(board, MakeWall(1, 1, side));
    }
    TheGame().LoadPosition(board, kHuman);
    QTest::mouseDClick(&window_->Board(), Qt::LeftButton, {}, GapPixel(MakeWall(1, 1, kTop)));
    QVERIFY(!window_->Busy());
    QCOMPARE(TheGame().Board()(1, 1).Owner, kHuman);
    QCOMPARE(window_->findChild<QLabel*>("lblScore")->text(), QString("You 1 Me 0"));
}

// A late position, where Expert searches: the window keeps running its timers meanwhile, and the
// walls are the headless turn's for the same seed.
void MainWindowTest::ExpertThinksOffTheWindowsThreadAndPlaysItsOwnWalls() {
    Entry("mnuExpert")->trigger();
    QCOMPARE(window_->CurrentLevel(), Level::Expert);
    Board board = testing::ParseBoard(testing::kThreeChainsInTheTopRow);
    TheGame().LoadPosition(board, kHuman);
    TheGame().Random().Seed(7);
    Game headless = TheGame();
    const std::optional<Wall> wall = FirstFree(TheGame());
    QVERIFY(wall.has_value());
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(0);
    Press(*wall);
    WaitUntilIdle();
    QVERIFY(ticks > 0);
    headless.PlaceWall(*wall);
    PlayComputerTurn(headless, Level::Expert);
    QCOMPARE(TheGame().Board(), headless.Board());
}

void MainWindowTest::PressesOffTheGapsOrOnDrawnWallsDoNothing() {
    QSignalSpy turns(window_.get(), &MainWindow::ComputerTurnStarted);
    for (QPoint at : {QPoint(41, 28), QPoint(64, 28), QPoint(52, 24), QPoint(52, 33),
                      QPoint(36, 28), QPoint(52, 44), QPoint(380, 28)}) {
        QTest::mouseClick(&window_->Board(), Qt::LeftButton, {}, at);
    }
    Board board;
    DrawWall(board, MakeWall(1, 1, kTop));
    TheGame().LoadPosition(board, kHuman);
    Press(MakeWall(1, 1, kTop));
    QCOMPARE(TheGame().Board(), board);
    QCOMPARE(turns.count(), 0);
}

void MainWindowTest::PaintsExactlyTheWallsDotsAndLetters() {
    Board board;
    DrawWall(board, MakeWall(1, 1, kTop));
    DrawWall(board, MakeWall(10, 8, kRight));
    TheGame().LoadPosition(board, kHuman);
    QImage image = window_->Board().grab().toImage();
    const QRect bars[] = {QRect(41, 26, 23, 5), QRect(354, 257, 5, 23)};
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint at(x, y);
            const bool on_dot =
                (x - 32) % 32 < 9 && (y - 24) % 32 < 9 && x >= 32 && y >= 24 && x < 361 && y < 289;
            if (bars[0].contains(at) || bars[1].contains(at)) {
                QCOMPARE(image.pixelColor(at), QColor(Qt::black));
                ++black;
            } else if (!on_dot) {
                QVERIFY2(image.pixelColor(at) == kBackground,
                         qPrintable(QString("(%1, %2)").arg(x).arg(y)));
            }
        }
    }
    QCOMPARE(black, 2 * 115);
    QCOMPARE(image.pixelColor(36, 28), QColor(0, 0, 255));
    // The dots are round: the corners of their squares show the board.
    for (QPoint corner : {QPoint(32, 24), QPoint(40, 24), QPoint(32, 32), QPoint(360, 288)}) {
        QCOMPARE(image.pixelColor(corner), kBackground);
    }
    // An owned box shows its owner's letter in black inside it, also on a dark desktop, whose
    // light text would vanish on the light-green board; so does the score line.
    const QPalette desktop = QApplication::palette();
    for (const bool dark : {false, true}) {
        if (dark) {
            QPalette colours = desktop;
            colours.setColor(QPalette::WindowText, QColor(239, 240, 241));
            QApplication::setPalette(colours);
            Open("[Options]\r\nLevel=Hard\r\n");
        }
        TheGame().LoadPosition(testing::AllButOneBox(40), kHuman);
        image = window_->Board().grab().toImage();
        int letter = 0;
        for (int y = 33; y < 56; ++y) {
            for (int x = 43; x < 62; ++x) {
                letter += image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
            }
        }
        QVERIFY2(letter > 20, dark ? "dark desktop" : "light desktop");
        QCOMPARE(window_->findChild<QLabel*>("lblScore")->palette().color(QPalette::WindowText),
                 QColor(Qt::black));
    }
    QApplication::setPalette(desktop);
}

// ---- Menus -----------------------------------------------------------------------------------

void MainWindowTest::LevelAndSpeedAreValuesTheMarksShow() {
    Press(MakeWall(1, 1, kTop));
    WaitUntilIdle();
    Entry("mnuHard")->trigger();  // the level in force: nothing changes
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    Entry("mnuSpeedSlow")->trigger();  // the game goes on
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(window_->CurrentSpeed(), Speed::Slow);
    Entry("mnuEasy")->trigger();  // another level starts a new game
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
    QCOMPARE(window_->CurrentLevel(), Level::Easy);
    QCOMPARE(CheckedOptions(*window_), QString("mnuEasy mnuSpeedSlow"));
}

void MainWindowTest::ResetAsksFirst() {
    TheGame().SetMatchScore(4, 5);
    QString asked;
    AnswerNextMessage(this, QMessageBox::No, &asked);
    Entry("mnuResetscores")->trigger();
    QCOMPARE(asked, QString("Are you sure you want to reset the scores?"));
    QCOMPARE(TheGame().ComputerWins(), std::int16_t{5});
    AnswerNextMessage(this, QMessageBox::Yes, &asked);
    Entry("mnuResetscores")->trigger();
    QCOMPARE(TheGame().ComputerWins(), std::int16_t{0});
}

void MainWindowTest::RndDrawsASafeWallOrSaysThereIsNone() {
    auto* random = window_->findChild<QPushButton*>("cmdRandom");
    random->click();
    WaitUntilIdle();
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QVERIFY(TheGame().Board()(1, 1).Owner == kNobody);

    // Every box has two sides: any wall gives one away.
    Board board;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            DrawWall(board, MakeWall(x, y, kLeft));
            DrawWall(board, MakeWall(x, y, kRight));
        }
    }
    TheGame().LoadPosition(board, kHuman);
    QString said;
    AnswerNextMessage(this, QMessageBox::Ok, &said);
    random->click();
    QCOMPARE(said, QString("No safe random moves are left."));
    QCOMPARE(TheGame().Board(), board);

    // After the game nothing is drawn and nothing said.
    TheGame().LoadPosition(testing::FullBoard(), kHuman);
    random->click();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// ---- The computer's turn and the player's queue ----------------------------------------------

void MainWindowTest::EachComputerWallBlinksAtTheSpeed() {
    QCOMPARE(TimingFor(Speed::Slow).blinks, 10);
    QCOMPARE(TimingFor(Speed::Medium).pause, std::chrono::microseconds(10'000));
    for (Speed speed : {Speed::Medium, Speed::Fast}) {
        Game game;
        Board board;
        for (std::int16_t side : {kLeft, kRight, kBottom}) {
            DrawWall(board, MakeWall(3, 3, side));
        }
        game.LoadPosition(board, kComputer);
        game.Random().Seed(1);
        BoardView view(game, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // The computer takes the box and draws one more wall; the first blinks over its own bar.
        const WallRect bar = WallRectangle(BoardDots(), 3, 3, kTop);
        PaintCounter blinks(
            &view, QRect(bar.x1, bar.y1, bar.Width(), bar.Height()).adjusted(-1, -1, 1, 1));
        ComputerTurn turn(game, view);
        QSignalSpy walls(&turn, &ComputerTurn::WallDrawn);
        QSignalSpy finished(&turn, &ComputerTurn::Finished);
        turn.Start(Level::Hard, speed);
        QVERIFY(finished.wait(10000));
        QCOMPARE(walls.count(), 2);
        QCOMPARE(blinks.count, 2 * TimingFor(speed).blinks);
        QVERIFY(!turn.Running());
        QCOMPARE(game.CurrentPlayer(), kHuman);
    }
}

void MainWindowTest::WhatThePlayerDoesDuringTheTurnWaitsAndRunsInOrder() {
    Entry("mnuSpeedMedium")->trigger();
    QSignalSpy turns(window_.get(), &MainWindow::ComputerTurnStarted);
    QSignalSpy idle(window_.get(), &MainWindow::Idle);
    Press(MakeWall(1, 1, kTop));
    const Board after_first = TheGame().Board();
    // During the turn: a press, "Rnd" and a speed, all waiting with the board and marks unchanged.
    Press(MakeWall(5, 5, kLeft));
    window_->findChild<QPushButton*>("cmdRandom")->click();
    Entry("mnuSpeedFast")->trigger();
    QCOMPARE(CheckedOptions(*window_), QString("mnuHard mnuSpeedMedium"));
    QVERIFY(TheGame().Board()(5, 5).Walls == after_first(5, 5).Walls ||
            TheGame().CurrentPlayer() == kComputer);
    WaitUntilIdle();
    // Three turns, one after the other, each of the computer's answers whole.
    QCOMPARE(turns.count(), 3);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 6);
    QVERIFY(TheGame().Board()(5, 5).Walls & kLeft);
    QCOMPARE(window_->CurrentSpeed(), Speed::Fast);
    QVERIFY(idle.count() >= 1);
}

void MainWindowTest::ACloseDuringTheTurnEndsItDropsTheBoardInputAndSavesOnce() {
    Entry("mnuSpeedSlow")->trigger();
    QSignalSpy closed(window_.get(), &MainWindow::Closed);
    Press(MakeWall(1, 1, kTop));
    Press(MakeWall(5, 5, kLeft));
    window_->findChild<QPushButton*>("cmdRandom")->click();
    Entry("mnuSpeedMedium")->trigger();  // chosen before the close: carried out
    Entry("mnuAbout")->trigger();        // opens nothing on the way out
    window_->close();
    Entry("mnuSpeedFast")->trigger();  // after the close: dropped
    QVERIFY(window_->isVisible());
    // A Slow turn lasts two seconds a wall; the close does not wait for it.
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 1000);
    QVERIFY(!window_->isVisible());
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QVERIFY(Saved().contains("Speed=Medium"));
    // The window takes nothing more.
    Press(MakeWall(8, 8, kTop));
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(closed.count(), 1);
}

void MainWindowTest::CommandsChosenUnderAQuestionWaitForItsAnswer() {
    QString asked;
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, &asked] {
        // With the question open, a menu entry chosen (from a desktop-wide menu bar, say) waits.
        Entry("mnuSpeedSlow")->trigger();
        QCOMPARE(window_->CurrentSpeed(), Speed::Fast);
        QCOMPARE(CheckedOptions(*window_), QString("mnuHard mnuSpeedFast"));
        AnswerNextMessage(this, QMessageBox::No, &asked);
    });
    timer->start(50);
    Entry("mnuResetscores")->trigger();
    QCOMPARE(window_->CurrentSpeed(), Speed::Slow);
}

// ---- Seeing the computer's turn, the keyboard, assistive technology --------------------------

void MainWindowTest::TheComputersLastTurnStaysMarkedUntilThePlayerDraws() {
    const auto computers_walls = [this] {
        std::vector<Wall> walls;
        for (const Wall& wall : kScanOrder) {
            if (TheGame().DrawnBy(wall) == kComputer &&
                std::none_of(walls.begin(), walls.end(),
                             [&](const Wall& seen) { return SameWall(seen, wall); })) {
                walls.push_back(wall);
            }
        }
        return walls;
    };
    Press(MakeWall(1, 1, kTop));
    WaitUntilIdle();
    const std::vector<Wall> first_turn = computers_walls();
    QCOMPARE(window_->Board().MarkedWalls().size(), first_turn.size());
    QVERIFY(SameWall(window_->Board().MarkedWalls().front(), first_turn.front()));
    const WallRect bar =
        WallRectangle(BoardDots(), first_turn[0].x, first_turn[0].y, first_turn[0].side);
    const QImage image = window_->Board().grab().toImage();
    QCOMPARE(image.pixelColor((bar.x1 + bar.x2) / 2, (bar.y1 + bar.y2) / 2),
             BoardView::kMarkColour);
    // The player's next wall puts them away, and the computer's answer is marked in their place.
    Press(MakeWall(8, 8, kBottom));
    QVERIFY(window_->Board().MarkedWalls().empty());
    WaitUntilIdle();
    QCOMPARE(window_->Board().MarkedWalls().size(), std::size_t{1});
    // Switched off, the marks go at once and none come after the next turn; the file keeps it.
    Entry("mnuMarks")->trigger();
    QVERIFY(!Entry("mnuMarks")->isChecked());
    QVERIFY(window_->Board().MarkedWalls().empty());
    Press(MakeWall(5, 4, kLeft));
    WaitUntilIdle();
    QVERIFY(window_->Board().MarkedWalls().empty());
    window_->close();
    QVERIFY(Saved().contains("Marks=Off"));
    Open(Saved());
    QVERIFY(!window_->MarksShown());
}

void MainWindowTest::AReplyLongerThanAMomentShowsTheBusyPointer() {
    Entry("mnuSpeedSlow")->trigger();
    QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);
    Press(MakeWall(1, 1, kTop));
    QTRY_COMPARE_WITH_TIMEOUT(window_->cursor().shape(), Qt::BusyCursor, 1500);
    WaitUntilIdle();
    QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);
}

void MainWindowTest::TheKeyboardPlaysAsTheMouseDoes() {
    BoardView& board = window_->Board();
    auto* random = window_->findChild<QPushButton*>("cmdRandom");
    QVERIFY(!board.CursorShown());
    // Tab goes from "Rnd" to the board and back; on the board the cursor shows.
    random->setFocus();
    QTest::keyClick(window_.get(), Qt::Key_Tab);
    QVERIFY(board.hasFocus());
    QVERIFY(board.CursorShown());
    QTest::keyClick(&board, Qt::Key_Right);
    QTest::keyClick(&board, Qt::Key_Right);
    QCOMPARE(board.Cursor(), MakeWall(2, 1, kTop));
    QTest::keyClick(&board, Qt::Key_Return);
    QCOMPARE(TheGame().DrawnBy(MakeWall(2, 1, kTop)), kHuman);
    // A key during the reply waits like a press; Space on the board draws too.
    QTest::keyClick(&board, Qt::Key_Down);
    QTest::keyClick(&board, Qt::Key_Space);
    WaitUntilIdle();
    QVERIFY(IsDrawn(TheGame().Board(), MakeWall(2, 1, kLeft)));
    // Enter draws under the cursor also while "Rnd" has the focus; Space there presses "Rnd".
    QTest::keyClick(window_.get(), Qt::Key_Tab);
    QVERIFY(random->hasFocus());
    board.MoveCursor(CursorStep::Down);
    const Wall below = board.Cursor();
    QVERIFY(TheGame().IsWallFree(below));
    QTest::keyClick(random, Qt::Key_Return);
    QCOMPARE(TheGame().DrawnBy(below), kHuman);
    WaitUntilIdle();
    const int walls = testing::CountWalls(TheGame().Board());
    QTest::keyClick(random, Qt::Key_Space);
    WaitUntilIdle();
    QVERIFY(testing::CountWalls(TheGame().Board()) >= walls + 2);
    // A press on the board puts the cursor away.
    QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!board.CursorShown());
}

void MainWindowTest::AssistiveTechnologyReadsTheBoardAndEveryControl() {
    QAccessible::setActive(true);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&window_->Board());
    QVERIFY(board != nullptr);
    QCOMPARE(board->text(QAccessible::Name), QString("Board"));
    QCOMPARE(board->childCount(), kWallCount + kBoxes);
    const auto name = [board](const Wall& wall) {
        return board->child(ChildOfWall(wall))->text(QAccessible::Name);
    };
    QCOMPARE(name(MakeWall(1, 1, kTop)), QString("Row 1, between dots 1 and 2: free"));
    QCOMPARE(name(MakeWall(4, 3, kTop)), QString("Row 3, between dots 4 and 5: free"));
    QCOMPARE(name(MakeWall(10, 8, kBottom)), QString("Row 9, between dots 10 and 11: free"));
    QCOMPARE(name(MakeWall(10, 2, kRight)), QString("Column 11, between dots 2 and 3: free"));
    QCOMPARE(board->child(kWallCount + 12)->text(QAccessible::Name),
             QString("Box in row 2, column 3: nobody's yet"));
    for (int i = 0; i < kWallCount; ++i) {
        QCOMPARE(ChildOfWall(WallOfChild(i)), i);
    }
    // Drawn walls say by whom, and after the turn the board says what the computer did.
    Press(MakeWall(1, 1, kTop));
    WaitUntilIdle();
    QCOMPARE(name(MakeWall(1, 1, kTop)), QString("Row 1, between dots 1 and 2: drawn by you"));
    QVERIFY(board->child(ChildOfWall(MakeWall(1, 1, kTop)))->state().checked);
    QCOMPARE(board->text(QAccessible::Description), QString("I drew one wall and took no box."));
    // The focused child follows the cursor.
    window_->Board().setFocus();
    QTest::keyClick(&window_->Board(), Qt::Key_Down);
    QCOMPARE(board->focusChild(), board->child(ChildOfWall(MakeWall(1, 1, kLeft))));
    // Nothing on the main window is nameless.
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->window() == window_.get()) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(control == nullptr || !control->text(QAccessible::Name).isEmpty() ||
                         control->role() == QAccessible::MenuBar,
                     qPrintable(widget->objectName()));
        }
    }
    QAccessible::setActive(false);
}

}  // namespace pennix

QTEST_MAIN(pennix::MainWindowTest)
#include "main_window_test.moc"
