// The real main window on the offscreen platform: layout, menus, presses, painting, blinking.
#include "ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "checked_options.h"
#include "core/positions.h"
#include "gap_centre.h"
#include "store/settings.h"
#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/help_window.h"
#include "ui/look/fonts.h"
#include "ui/pause.h"
#include "ui/quiet_opener.h"
#include "ui/wall_rect.h"

namespace pennix {
namespace {

using std::chrono::microseconds;

const QColor kBackground(192, 255, 192);

// A whole pixel in the middle of the gap a wall fills.
QPoint GapPixel(const Wall& wall) {
    const auto [x, y] = GapCentre(wall);
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

std::optional<Wall> FirstFreeWall(const Game& game) {
    for (const Wall& wall : kScanOrder) {
        if (game.IsWallFree(wall.x, wall.y, wall.side)) {
            return wall;
        }
    }
    return std::nullopt;
}

// Every box has its left and right sides: any other wall puts a third side on a box.
Board OnlyVerticalWalls() {
    Board board;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            DrawWall(board, MakeWall(x, y, kLeft));
            DrawWall(board, MakeWall(x, y, kRight));
        }
    }
    return board;
}

int CountPixels(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

bool IsDark(const QColor& colour) {
    return colour.lightness() < 100;
}

// A desktop with dark colours for as long as it lives, Breeze Dark's as an example.
class DarkDesktop {
  public:
    DarkDesktop() {
        QPalette dark = saved_;
        dark.setColor(QPalette::Window, QColor(49, 54, 59));
        dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() { QApplication::setPalette(saved_); }
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

  private:
    QPalette saved_ = QApplication::palette();
};

// What a message box showed before it was answered.
struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

// The parts of the board painted, as the window system shows them, since the last Take(). Made
// after the window, so that it sees each paint before the window's own filter takes it.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QWidget* board) { board->installEventFilter(this); }
    QRegion Take() { return std::exchange(painted_, QRegion()); }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted_ += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

  private:
    QRegion painted_;
};

bool Covers(const QRegion& region, const QRect& area) {
    return region.intersected(area) == QRegion(area);
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void WindowAndControlsAreLaidOut();
    void MenusHoldEveryEntryInOrder();
    void StartsWithAnEmptyBoardAtHardAndFast();
    void PressesDrawWallsAndTheComputerAnswers();
    void AnyButtonAndModifierDrawsTheSameWall();
    void PressesOffTheGapsOrOnDrawnWallsDoNothing();
    void ClosingABoxKeepsTheTurn();
    void PaintsExactlyTheWallsAndDots();
    void PaintsOwnersLetters_data();
    void PaintsOwnersLetters();
    void FinishedGameIsCreditedOnce();
    void LevelChoiceFollowsTheCheckMarks();
    void SpeedChoiceLeavesTheGameAlone();
    void OneEntryOfEachGroupStaysChecked();
    void StoredNamesCheckTheirEntries();
    void NewGameKeepsTheMatchScore();
    void ResetAsksFirst();
    void RandomMoveDrawsASafeWallAndTheComputerAnswers();
    void RandomMoveWithoutSafeWallsSaysSo();
    void RandomMoveAfterTheGameDoesNothing();
    void ComputerWallsBlinkAtTheCheckedSpeed();
    void EachChangeIsPaintedBeforeThePauseAfterIt();
    void NothingOfTheBlinkingOutlivesTheReply();
    void TheReplyIsAnnouncedAroundItsPauses();
    void MenuCommandsDuringTheReplyWaitForItsEnd();
    void RandomMoveDuringTheReplyWaitsForItsEnd();
    void PressThatReachesTheBoardDuringTheReplyIsIgnored();
    void CloseDuringTheReplyWaitsForItsEnd();
    void HeldCommandsAndWhatComesDuringThemRunInOrder();
    void ExitHeldDuringTheReplyDropsWhatComesAfterIt();
    void ACloseHeldBehindCommandsOpensNoWindowOnTheWayOut();
    void LateNewsShowsDuringAReplyButNotOnTheWayOut();
    void ExitHeldBehindCommandsOpensNoWindowOnTheWayOut();
    void NothingChosenBeforeExitDuringTheReplyOpensAWindow();
    void CommandsChosenUnderAQuestionWaitForItsAnswer();
    void AClosedWindowIsNeitherClosedNorSavedAgain();
    void PauseWaitsAtLeastItsLengthAndKeepsTheWindowAlive();

  private:
    Game& TheGame() { return window_->CurrentGame(); }
    QAction* Entry(const char* name) { return window_->findChild<QAction*>(name); }
    QString CheckedEntries() const { return CheckedOptions(*window_); }
    QImage Grab() { return window_->ClientArea()->grab().toImage(); }
    void OpenWindow();
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {});
    void Load(const Board& board) {
        TheGame().LoadPosition(board, kHuman);
        window_->RefreshBoard();
    }
    // What the window saved to its settings file.
    Settings Saved() const {
        return LoadSettings(settings_directory_.filePath("pennix.ini").toStdString());
    }
    int RandomAndEasyDuringAReply(const std::function<void()>& at_the_message);
    void AnswerNextMessage(QMessageBox::StandardButton answer, SeenMessage* seen);

    QTemporaryDir settings_directory_;
    std::unique_ptr<FrmMain> window_;
    std::vector<microseconds> pauses_;
};

// ---- Fixture ---------------------------------------------------------------------------------

void FrmMainTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void FrmMainTest::init() {
    OpenWindow();
}

void FrmMainTest::OpenWindow() {
    // A settings file of the test's own, so that no run sees what another one saved.
    QVERIFY(settings_directory_.isValid());
    const QString settings = settings_directory_.filePath("pennix.ini");
    QFile::remove(settings);
    window_ = std::make_unique<FrmMain>(settings.toStdString(), testing::QuietLinks());
    pauses_.clear();
    window_->SetPause([this](microseconds length) { pauses_.push_back(length); });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void FrmMainTest::cleanup() {
    window_.reset();
}

void FrmMainTest::Press(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(window_->ClientArea(), button, modifiers, at);
    QTest::mouseRelease(window_->ClientArea(), button, modifiers, at);
}

// Looks for the message box as soon as the event loop runs, notes it and presses `answer`.
void FrmMainTest::AnswerNextMessage(QMessageBox::StandardButton answer, SeenMessage* seen) {
    auto* timer = new QTimer(window_.get());
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, timer, [timer, answer, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        *seen = {true,        box->windowTitle(),     box->text(),
                 box->icon(), box->standardButtons(), box->standardButton(box->defaultButton())};
        box->button(answer)->click();
    });
    timer->start();
}

// ---- Layout and menus ------------------------------------------------------------------------

void FrmMainTest::WindowAndControlsAreLaidOut() {
    QCOMPARE(window_->objectName(), QString("frmMain"));
    QCOMPARE(window_->windowTitle(), QString("The game of Pennix"));
    QCOMPARE(window_->ClientArea()->size(), QSize(390, 385));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QPoint centre = window_->screen()->geometry().center();
    // Centred before it is shown, when the size of the frame is not known yet.
    const QSize frame = window_->frameGeometry().size() - window_->size();
    QVERIFY((window_->frameGeometry().center() - centre).manhattanLength() <=
            frame.width() + frame.height());

    QCOMPARE(window_->findChild<QWidget*>("shpDot(0)")->geometry(), QRect(32, 24, 9, 9));
    QCOMPARE(window_->findChild<QWidget*>("shpDot(98)")->geometry(), QRect(352, 280, 9, 9));
    // A gap of 23 pixels, the length of a wall, between neighbouring dots.
    QCOMPARE(window_->findChild<QWidget*>("shpDot(1)")->geometry(), QRect(64, 24, 9, 9));
    QCOMPARE(window_->findChildren<QWidget*>(QRegularExpression(R"(^shpDot\(\d+\)$)")).size(),
             kDotCount);

    auto* score = window_->findChild<QLabel*>("lblScore");
    QCOMPARE(score->geometry(), QRect(0, 304, 409, 25));
    QCOMPARE(score->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(score->font().pixelSize(), 21);
    QVERIFY(!score->font().bold());
    QCOMPARE(window_->findChild<QWidget*>("Line1")->geometry(), QRect(0, 344, 408, 2));
    auto* random = window_->findChild<QPushButton*>("cmdRandom");
    QCOMPARE(random->geometry(), QRect(344, 352, 33, 25));
    QCOMPARE(random->text(), QString("Rnd"));
    QCOMPARE(random->toolTip(), QString("Make a random move"));
    QCOMPARE(random->font().pixelSize(), 13);
    auto* link = window_->findChild<QLabel*>("lblWebpage");
    QCOMPARE(link->geometry(), QRect(112, 360, 193, 17));
    QCOMPARE(link->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(link->toolTip(), QString("Go to my personal home page"));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->font().underline());
    QCOMPARE(link->font().pixelSize(), 11);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QVERIFY(window_->ClientArea()->font().bold());
    QCOMPARE(window_->ClientArea()->font().pixelSize(), 21);
    // Each face is the one named or its free stand-in, which the setup installs.
    const auto face = [](const QWidget* widget) { return QFontInfo(widget->font()).family(); };
    QVERIFY(QStringList({"Liberation Sans", "Arial"}).contains(face(window_->ClientArea())));
    QVERIFY(QStringList({"Liberation Serif", "Times New Roman"}).contains(face(score)));
    QVERIFY(QStringList({"Liberation Mono", "Courier New", "Courier"}).contains(face(random)));
    QVERIFY(QStringList({"Comic Neue", "Comic Sans MS"}).contains(face(link)));

    // The board reads the dots where they are now, not where they started.
    window_->findChild<QWidget*>("shpDot(5)")->move(200, 30);
    QCOMPARE(window_->DotRectangles()[5].left, 200);
    QCOMPARE(window_->DotRectangles()[5].top, 30);
}

void FrmMainTest::MenusHoldEveryEntryInOrder() {
    auto entries = [](QMenu* menu) {
        QStringList names;
        for (QAction* action : menu->actions()) {
            names << action->objectName() + (action->isSeparator() ? "" : "=" + action->text());
        }
        return names.join(", ");
    };
    QStringList bar;
    for (QAction* action : window_->menuBar()->actions()) {
        bar << action->objectName() + "=" + action->text();
    }
    QCOMPARE(bar.join(", "), QString("File=&File, mnuOptions=&Options, mnuHelp=&Help"));
    QCOMPARE(entries(window_->findChild<QMenu*>("File")),
             QString("mnuNewGame=&New Game, sep1, mnuExit=E&xit"));
    QCOMPARE(entries(window_->findChild<QMenu*>("mnuOptions")),
             QString("mnuLevel=Level, mnuSpeed=Speed, sep2, mnuResetscores=Reset scores ..."));
    QCOMPARE(entries(window_->findChild<QMenu*>("mnuLevel")),
             QString("mnuEasy=Easy, mnuMedium=Medium, mnuHard=Hard, mnuGenius=Genius"));
    QCOMPARE(entries(window_->findChild<QMenu*>("mnuSpeed")),
             QString("mnuSpeedSlow=Slow, mnuSpeedMedium=Medium, mnuSpeedFast=Fast"));
    QCOMPARE(entries(window_->findChild<QMenu*>("mnuHelp")),
             QString("mnuHelp2=Help, mnuHelpIndex=Help index, sep4, mnuAbout=About the game, "
                     "mnuAuthor=About the author, sep3, mnuScores=Score board, seg3, "
                     "mnuRegister=Register"));
    QCOMPARE(Entry("mnuNewGame")->shortcut(), QKeySequence(Qt::Key_F2));
    for (const char* entry :
         {"mnuHelp2", "mnuHelpIndex", "mnuAbout", "mnuAuthor", "mnuScores", "mnuRegister"}) {
        QVERIFY2(Entry(entry)->isEnabled(), entry);
    }
}

void FrmMainTest::StartsWithAnEmptyBoardAtHardAndFast() {
    QCOMPARE(CheckedEntries(), QString("mnuHard mnuSpeedFast"));
    QCOMPARE(window_->findChild<QLabel*>("lblScore")->text(), QString("You 0 Me 0"));
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QCOMPARE(TheGame().HumanWins(), std::int16_t{0});
}

// ---- Presses ---------------------------------------------------------------------------------

void FrmMainTest::PressesDrawWallsAndTheComputerAnswers() {
    Press({52, 28});
    QCOMPARE(TheGame().Board()(1, 1).Walls & kTop, kTop);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QCOMPARE(pauses_.size(), std::size_t{6});

    const struct {
        QPoint at;
        Wall wall;
    } cases[] = {{{52, 284}, MakeWall(1, 8, kBottom)},
                 {{356, 44}, MakeWall(10, 1, kRight)},
                 {{36, 44}, MakeWall(1, 1, kLeft)},
                 {{164, 44}, MakeWall(5, 1, kLeft)}};
    for (const auto& one : cases) {
        TheGame().NewGame();
        Press(one.at);
        const Board& board = TheGame().Board();
        QVERIFY(board(one.wall.x, one.wall.y).Walls & one.wall.side);
        QCOMPARE(testing::CountWalls(board), 2);
    }
    // The wall between dots 4 and 15 is also the right side of the box to its left.
    QVERIFY(TheGame().Board()(4, 1).Walls & kRight);
}

void FrmMainTest::AnyButtonAndModifierDrawsTheSameWall() {
    Press({52, 28}, Qt::RightButton);
    QVERIFY(TheGame().Board()(1, 1).Walls & kTop);
    window_->mnuNewGame_Click();
    Press({36, 44}, Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier);
    QVERIFY(TheGame().Board()(1, 1).Walls & kLeft);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    // The second of two quick presses comes as a double click alone, as from a first press that
    // just missed the gap.
    window_->mnuNewGame_Click();
    QTest::mouseDClick(window_->ClientArea(), Qt::LeftButton, {}, {52, 28});
    QVERIFY(TheGame().Board()(1, 1).Walls & kTop);
}

void FrmMainTest::PressesOffTheGapsOrOnDrawnWallsDoNothing() {
    for (QPoint at : {QPoint(41, 28), QPoint(64, 28), QPoint(52, 24), QPoint(52, 33),
                      QPoint(36, 28), QPoint(52, 44), QPoint(200, 320), QPoint(380, 28)}) {
        Press(at);
    }
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
    QVERIFY(pauses_.empty());

    Board board;
    DrawWall(board, MakeWall(1, 1, kTop));
    Load(board);
    Press({52, 28});
    QCOMPARE(TheGame().Board(), board);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QVERIFY(pauses_.empty());
}

void FrmMainTest::ClosingABoxKeepsTheTurn() {
    Board board;
    for (std::int16_t side : {kLeft, kRight, kBottom}) {
        DrawWall(board, MakeWall(1, 1, side));
    }
    Load(board);
    Press({52, 28});
    QCOMPARE(TheGame().Board()(1, 1).Owner, kHuman);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 4);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QVERIFY(pauses_.empty());
    QCOMPARE(window_->findChild<QLabel*>("lblScore")->text(), QString("You 1 Me 0"));
}

// ---- Painting --------------------------------------------------------------------------------

// Outside the dots, the board shows the background everywhere but on the one wall's bar.
void FrmMainTest::PaintsExactlyTheWallsAndDots() {
    Board board;
    DrawWall(board, MakeWall(1, 1, kTop));
    DrawWall(board, MakeWall(10, 8, kRight));
    Load(board);
    const QImage image = Grab();
    const QRect bars[] = {QRect(41, 26, 23, 5), QRect(354, 257, 5, 23)};
    int black = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 390; ++x) {
            const QPoint at(x, y);
            const bool on_dot =
                (x - 32) % 32 < 9 && (y - 24) % 32 < 9 && x >= 32 && y >= 24 && x < 361 && y < 289;
            const bool on_bar = bars[0].contains(at) || bars[1].contains(at);
            if (on_bar) {
                QCOMPARE(image.pixelColor(at), QColor(Qt::black));
                ++black;
            } else if (!on_dot) {
                QVERIFY2(image.pixelColor(at) == kBackground,
                         qPrintable(QString("pixel (%1, %2)").arg(x).arg(y)));
            }
        }
    }
    QCOMPARE(black, 2 * 115);
    QCOMPARE(image.pixelColor(36, 28), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(356, 284), QColor(0, 0, 255));
    // The dots are round: the corners of their squares show the board.
    for (QPoint corner : {QPoint(32, 24), QPoint(40, 24), QPoint(32, 32), QPoint(360, 288)}) {
        QCOMPARE(image.pixelColor(corner), kBackground);
    }
}

void FrmMainTest::PaintsOwnersLetters_data() {
    QTest::addColumn<bool>("dark_desktop");
    QTest::newRow("light desktop") << false;
    // Its light text would vanish on the light-green board, which keeps dark text instead.
    QTest::newRow("dark desktop") << true;
}

void FrmMainTest::PaintsOwnersLetters() {
    QFETCH(bool, dark_desktop);
    std::optional<DarkDesktop> desktop;
    if (dark_desktop) {
        desktop.emplace();
        OpenWindow();
    }
    QVERIFY(IsDark(window_->findChild<QLabel*>("lblScore")->palette().color(QPalette::WindowText)));
    QVERIFY(IsDark(window_->findChild<QWidget*>("Line1")->palette().color(QPalette::Window)));
    Board board;
    for (std::int16_t side : {kTop, kBottom, kLeft, kRight}) {
        DrawWall(board, MakeWall(1, 1, side));
        DrawWall(board, MakeWall(3, 2, side));
        DrawWall(board, MakeWall(5, 3, side));
    }
    board(1, 1).Owner = kHuman;
    board(3, 2).Owner = kComputer;
    TheGame().LoadPosition(board, kHuman);
    window_->RefreshBoard();
    const QImage image = Grab();

    // The inside of box (x, y), between its four bars.
    auto letter_pixels = [&image](int x, int y) {
        QRect dark;
        int count = 0;
        for (int py = 32 * y - 1; py < 32 * y + 26; ++py) {
            for (int px = 32 * x + 7; px < 32 * x + 34; ++px) {
                if (IsDark(image.pixelColor(px, py))) {
                    dark |= QRect(px, py, 1, 1);
                    ++count;
                }
            }
        }
        return std::make_pair(count, dark);
    };
    const auto [human_count, human_area] = letter_pixels(1, 1);
    const auto [computer_count, computer_area] = letter_pixels(3, 2);
    QVERIFY(human_count > 30);
    QVERIFY(computer_count > 30);
    QVERIFY(human_count != computer_count);
    // The letter's cell starts at (46, 35) in box (1, 1); its ink lies at or after that corner.
    QVERIFY(human_area.left() >= 46 && human_area.left() <= 49);
    QVERIFY(human_area.top() >= 35 && human_area.top() <= 41);
    QVERIFY(computer_area.left() >= 46 + 64 && computer_area.top() >= 35 + 32);
    QCOMPARE(letter_pixels(5, 3).first, 0);
}

void FrmMainTest::FinishedGameIsCreditedOnce() {
    TheGame().SetMatchScore(2, 7);
    Load(testing::AllButOneBox(45));
    Press({356, 268});
    QCOMPARE(TheGame().HumanWins(), std::int16_t{3});
    QCOMPARE(TheGame().ComputerWins(), std::int16_t{7});
    QVERIFY(TheGame().GameOver());
    QVERIFY(pauses_.empty());
    auto* score = window_->findChild<QLabel*>("lblScore");
    QCOMPARE(score->text(), QString("Game over. You win! (46-34)"));
    for (int i = 0; i < 3; ++i) {
        window_->ClientArea()->repaint();
        Grab();
    }
    QCOMPARE(TheGame().HumanWins(), std::int16_t{3});

    SeenMessage seen;
    AnswerNextMessage(QMessageBox::Yes, &seen);
    Entry("mnuResetscores")->trigger();
    Grab();
    QCOMPARE(TheGame().HumanWins(), std::int16_t{0});
    QCOMPARE(score->text(), QString("Game over. You win! (46-34)"));

    const Board finished = TheGame().Board();
    Press({52, 28});
    QCOMPARE(TheGame().Board(), finished);
}

// ---- Level, speed, new game, reset -----------------------------------------------------------

void FrmMainTest::LevelChoiceFollowsTheCheckMarks() {
    TheGame().SetMatchScore(4, 5);
    Press({52, 28});
    const Board played = TheGame().Board();

    Entry("mnuHard")->trigger();
    QCOMPARE(CheckedEntries(), QString("mnuHard mnuSpeedFast"));
    QCOMPARE(TheGame().Board(), played);

    Entry("mnuEasy")->trigger();
    QCOMPARE(CheckedEntries(), QString("mnuEasy mnuSpeedFast"));
    QCOMPARE(window_->CheckedLevel(), Level::Easy);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QCOMPARE(TheGame().HumanWins(), std::int16_t{4});
    QCOMPARE(TheGame().ComputerWins(), std::int16_t{5});

    Press({52, 28});
    Entry("mnuEasy")->trigger();
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    Entry("mnuGenius")->trigger();
    QCOMPARE(window_->CheckedLevel(), Level::Genius);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
}

void FrmMainTest::SpeedChoiceLeavesTheGameAlone() {
    Press({52, 28});
    const Board played = TheGame().Board();
    Entry("mnuSpeedSlow")->trigger();
    QCOMPARE(CheckedEntries(), QString("mnuHard mnuSpeedSlow"));
    QCOMPARE(window_->CheckedSpeed(), Speed::Slow);
    Entry("mnuSpeedSlow")->trigger();
    QCOMPARE(CheckedEntries(), QString("mnuHard mnuSpeedSlow"));
    Entry("mnuSpeedMedium")->trigger();
    QCOMPARE(window_->CheckedSpeed(), Speed::Medium);
    QCOMPARE(TheGame().Board(), played);
}

void FrmMainTest::OneEntryOfEachGroupStaysChecked() {
    const char* levels[] = {"mnuEasy", "mnuMedium", "mnuHard", "mnuGenius"};
    const char* speeds[] = {"mnuSpeedSlow", "mnuSpeedMedium", "mnuSpeedFast"};
    // A fixed walk that chooses every entry both while it is checked and while it is not.
    const char* level_walk = "0013322101230";
    const char* speed_walk = "2200112021";
    for (const char* step = level_walk; *step; ++step) {
        Entry(levels[*step - '0'])->trigger();
        QCOMPARE(CheckedEntries().split(' ').first(), QString(levels[*step - '0']));
        QCOMPARE(CheckedEntries().split(' ').size(), 2);
    }
    for (const char* step = speed_walk; *step; ++step) {
        Entry(speeds[*step - '0'])->trigger();
        QCOMPARE(CheckedEntries().split(' ').last(), QString(speeds[*step - '0']));
        QCOMPARE(CheckedEntries().split(' ').size(), 2);
    }
}

void FrmMainTest::StoredNamesCheckTheirEntries() {
    const struct {
        const char* level;
        const char* speed;
        const char* checked;
    } cases[] = {{"Easy", "Slow", "mnuEasy mnuSpeedSlow"},
                 {"Medium", "Medium", "mnuMedium mnuSpeedMedium"},
                 {"Hard", "Fast", "mnuHard mnuSpeedFast"},
                 {"Genius", "Fast", "mnuGenius mnuSpeedFast"},
                 {"easy", "slow", "mnuGenius mnuSpeedFast"},
                 {"", "none", "mnuGenius mnuSpeedFast"}};
    for (const auto& one : cases) {
        window_->CheckLevel(one.level);
        window_->CheckSpeed(one.speed);
        QCOMPARE(CheckedEntries(), QString(one.checked));
    }
}

void FrmMainTest::NewGameKeepsTheMatchScore() {
    TheGame().SetMatchScore(3, 4);
    Press({52, 28});
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_F2);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
    QCOMPARE(TheGame().HumanWins(), std::int16_t{3});
    QCOMPARE(TheGame().ComputerWins(), std::int16_t{4});
    QCOMPARE(window_->findChild<QLabel*>("lblScore")->text(), QString("You 0 Me 0"));
}

void FrmMainTest::ResetAsksFirst() {
    TheGame().SetMatchScore(5, 6);
    Press({52, 28});
    const Board played = TheGame().Board();

    SeenMessage seen;
    AnswerNextMessage(QMessageBox::No, &seen);
    Entry("mnuResetscores")->trigger();
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("Are you sure?"));
    QCOMPARE(seen.text, QString("Are you sure you want to reset the scores?"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.default_button, QMessageBox::Yes);
    QCOMPARE(TheGame().HumanWins(), std::int16_t{5});
    QCOMPARE(TheGame().ComputerWins(), std::int16_t{6});

    AnswerNextMessage(QMessageBox::Yes, &seen);
    Entry("mnuResetscores")->trigger();
    QCOMPARE(TheGame().HumanWins(), std::int16_t{0});
    QCOMPARE(TheGame().ComputerWins(), std::int16_t{0});
    QCOMPARE(TheGame().Board(), played);
}

// ---- "Rnd" -----------------------------------------------------------------------------------

void FrmMainTest::RandomMoveDrawsASafeWallAndTheComputerAnswers() {
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdRandom"), Qt::LeftButton);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    // Only the computer's wall blinks: three times at Fast.
    QCOMPARE(pauses_.size(), std::size_t{6});
}

void FrmMainTest::RandomMoveWithoutSafeWallsSaysSo() {
    const Board board = OnlyVerticalWalls();
    Load(board);
    SeenMessage seen;
    AnswerNextMessage(QMessageBox::Ok, &seen);
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdRandom"), Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("You are on your own"));
    QCOMPARE(seen.text, QString("No safe random moves are left."));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(TheGame().Board(), board);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QVERIFY(pauses_.empty());
}

void FrmMainTest::RandomMoveAfterTheGameDoesNothing() {
    Board full = testing::AllButOneBox(40);
    DrawWall(full, MakeWall(kColumns, kRows, kRight));
    full(kColumns, kRows).Owner = kComputer;
    Load(full);
    SeenMessage seen;
    AnswerNextMessage(QMessageBox::Ok, &seen);
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdRandom"), Qt::LeftButton);
    QTest::qWait(20);
    QVERIFY(!seen.shown);
    QCOMPARE(TheGame().Board(), full);
}

// ---- The blinking of the computer's walls ----------------------------------------------------

// Each pause finds the bar white after a white blink and black after a black one; the count of
// pauses and their length follow the speed checked at that moment, with no new game between.
void FrmMainTest::ComputerWallsBlinkAtTheCheckedSpeed() {
    const struct {
        const char* entry;
        int blinks;
        microseconds pause;
    } speeds[] = {{"mnuSpeedSlow", 10, microseconds(100'000)},
                  {"mnuSpeedMedium", 5, microseconds(10'000)},
                  {"mnuSpeedFast", 3, microseconds(500)}};
    std::vector<int> white;
    window_->SetPause([this, &white](microseconds length) {
        pauses_.push_back(length);
        white.push_back(CountPixels(Grab().copy(0, 0, 390, 300), Qt::white));
    });
    for (const auto& speed : speeds) {
        Entry(speed.entry)->trigger();
        pauses_.clear();
        white.clear();
        const int before = testing::CountWalls(TheGame().Board());
        const auto wall = FirstFreeWall(TheGame());
        QVERIFY(wall.has_value());
        Press(GapPixel(*wall));
        const int computer_walls = testing::CountWalls(TheGame().Board()) - before - 1;
        QVERIFY(computer_walls >= 1);
        QCOMPARE(pauses_.size(), std::size_t(2 * speed.blinks * computer_walls));
        for (std::size_t i = 0; i < pauses_.size(); ++i) {
            QCOMPARE(pauses_[i], speed.pause);
            QCOMPARE(white[i], i % 2 == 0 ? 115 : 0);
        }
        QCOMPARE(CountPixels(Grab(), Qt::white), 0);
    }
}

// The pause takes no input, and at Fast it runs no event loop at all: the human's wall, and each
// blink of the computer's, must be painted by the time the pause after it begins, or the player
// sees neither the wall nor the blinking until the reply is over.
void FrmMainTest::EachChangeIsPaintedBeforeThePauseAfterIt() {
    PaintRecorder recorder(window_->ClientArea());
    std::vector<QRegion> painted;
    window_->SetPause([&painted, &recorder](microseconds) { painted.push_back(recorder.Take()); });
    Press({52, 28});
    const QRect human(41, 26, 23, 5);
    QRect computer;
    for (const Wall& wall : kScanOrder) {
        if (IsDrawn(TheGame().Board(), wall)) {
            const WallRect bar = WallRectangle(window_->DotRectangles(), wall.x, wall.y, wall.side);
            const QRect area(bar.x1, bar.y1, bar.Width(), bar.Height());
            if (area != human) {
                computer = area;
            }
        }
    }
    QVERIFY(!computer.isEmpty());
    QCOMPARE(painted.size(), std::size_t{6});
    QVERIFY(Covers(painted[0], human));
    for (const QRegion& region : painted) {
        QVERIFY(Covers(region, computer));
    }
}

// The last blink leaves the computer's wall black, as it is drawn; a new game must not find it.
void FrmMainTest::NothingOfTheBlinkingOutlivesTheReply() {
    Press({52, 28});
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    window_->mnuNewGame_Click();
    QCOMPARE(CountPixels(Grab().copy(0, 0, 390, 300), Qt::black), 0);
}

// Later starts are answered only between replies: the window says when one starts and ends.
void FrmMainTest::TheReplyIsAnnouncedAroundItsPauses() {
    const QSignalSpy started(window_.get(), &FrmMain::ReplyStarted);
    const QSignalSpy ended(window_.get(), &FrmMain::ReplyEnded);
    bool inside_throughout = true;
    window_->SetPause([&](microseconds) {
        inside_throughout = inside_throughout && started.count() == 1 && ended.count() == 0;
    });
    Press({52, 28});
    QVERIFY(inside_throughout);
    QCOMPARE(started.count(), 1);
    QCOMPARE(ended.count(), 1);
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdRandom"), Qt::LeftButton);
    QCOMPARE(started.count(), 2);
    QCOMPARE(ended.count(), 2);
}

// Entries chosen while the computer replies (from a desktop-wide menu bar, say) are carried out
// after the reply, in order; the new game they start is still the human's to open.
void FrmMainTest::MenuCommandsDuringTheReplyWaitForItsEnd() {
    int calls = 0;
    bool untouched_throughout = true;
    window_->SetPause([this, &calls, &untouched_throughout](microseconds) {
        if (calls++ == 0) {
            Entry("mnuNewGame")->trigger();
            Entry("mnuEasy")->trigger();
            Entry("mnuSpeedSlow")->trigger();
        }
        untouched_throughout = untouched_throughout &&
                               (TheGame().Board()(1, 1).Walls & kTop) != 0 &&
                               CheckedEntries() == "mnuHard mnuSpeedFast";
    });
    Press({52, 28});
    QCOMPARE(calls, 6);
    QVERIFY(untouched_throughout);
    QCOMPARE(CheckedEntries(), QString("mnuEasy mnuSpeedSlow"));
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
}

void FrmMainTest::RandomMoveDuringTheReplyWaitsForItsEnd() {
    int calls = 0;
    int walls_at_last_pause = 0;
    window_->SetPause([this, &calls, &walls_at_last_pause](microseconds) {
        if (calls++ == 0) {
            window_->findChild<QPushButton*>("cmdRandom")->click();
        }
        walls_at_last_pause = testing::CountWalls(TheGame().Board());
    });
    Press({52, 28});
    // The press and its answer, then "Rnd" and its answer: two replies of one wall each.
    QCOMPARE(calls, 12);
    QCOMPARE(walls_at_last_pause, 4);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 4);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
}

// The system holds real presses back until the reply ends; one delivered to the board anyway
// must not start a second reply inside the first.
void FrmMainTest::PressThatReachesTheBoardDuringTheReplyIsIgnored() {
    int calls = 0;
    window_->SetPause([this, &calls](microseconds) {
        if (calls++ == 0) {
            Press({84, 28});
        }
    });
    Press({52, 28});
    QCOMPARE(calls, 6);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
}

// The settings are saved once, after the reply: a score that changes after the close request
// is in the file. The blink under way when the close came ends; the rest are skipped.
void FrmMainTest::CloseDuringTheReplyWaitsForItsEnd() {
    int calls = 0;
    bool open_throughout = true;
    const QSignalSpy leaving(window_.get(), &FrmMain::Leaving);
    window_->SetPause([this, &calls, &open_throughout](microseconds) {
        // The game is said to be leaving once, however often it is asked.
        window_->close();
        if (calls == 1) {
            TheGame().SetMatchScore(3, 4);
        }
        ++calls;
        open_throughout = open_throughout && window_->isVisible();
    });
    Press({52, 28});
    QCOMPARE(calls, 2);
    QVERIFY(open_throughout);
    QCOMPARE(leaving.count(), 1);
    QCOMPARE(testing::CountWalls(TheGame().Board()), 2);
    QCOMPARE(TheGame().CurrentPlayer(), kHuman);
    QVERIFY(!window_->isVisible());
    const Settings saved = Saved();
    QCOMPARE(saved.human_wins, std::int16_t(3));
    QCOMPARE(saved.computer_wins, std::int16_t(4));
}

// "Rnd" pressed during a reply, then Easy chosen: after the reply "Rnd" finds no safe wall and
// says so over the board it was pressed on, before Easy starts a new game. `at_the_message` runs
// while that message is open and Easy still waits. Returns the walls under the message.
int FrmMainTest::RandomAndEasyDuringAReply(const std::function<void()>& at_the_message) {
    Board board = OnlyVerticalWalls();
    board(1, 1).Walls &= ~kLeft;
    Load(board);
    window_->SetPause([this, calls = 0](microseconds) mutable {
        if (calls++ == 0) {
            window_->findChild<QPushButton*>("cmdRandom")->click();
            Entry("mnuEasy")->trigger();
        }
    });
    int walls_under_the_message = -1;
    auto* watch = new QTimer(window_.get());
    connect(watch, &QTimer::timeout, watch,
            [this, watch, &walls_under_the_message, at_the_message] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    watch->stop();
                    walls_under_the_message = testing::CountWalls(TheGame().Board());
                    at_the_message();
                    box->button(QMessageBox::Ok)->click();
                }
            });
    watch->start(5);
    Press(GapPixel(MakeWall(1, 1, kLeft)));
    return walls_under_the_message;
}

// Medium, chosen while the message is open, comes after Easy; a close then comes after Easy too,
// and saves it.
void FrmMainTest::HeldCommandsAndWhatComesDuringThemRunInOrder() {
    const int walls_under_the_message =
        RandomAndEasyDuringAReply([this] { Entry("mnuMedium")->trigger(); });
    // The press, the computer's one wall, and no new game yet.
    QCOMPARE(walls_under_the_message, testing::CountWalls(OnlyVerticalWalls()) + 1);
    QCOMPARE(CheckedEntries(), QString("mnuMedium mnuSpeedFast"));
    QCOMPARE(testing::CountWalls(TheGame().Board()), 0);

    window_->show();
    RandomAndEasyDuringAReply([this] { window_->close(); });
    QVERIFY(!window_->isVisible());
    const Settings saved = Saved();
    QCOMPARE(saved.level, std::string("Easy"));
}

void FrmMainTest::ExitHeldDuringTheReplyDropsWhatComesAfterIt() {
    window_->SetPause([this, calls = 0](microseconds) mutable {
        if (calls++ == 0) {
            Entry("mnuExit")->trigger();
            Entry("mnuEasy")->trigger();
        }
    });
    Press({52, 28});
    QVERIFY(!window_->isVisible());
    const Settings saved = Saved();
    QCOMPARE(saved.level, std::string("Hard"));
}

// About and "Reset scores ..." chosen during a reply; the window is closed (by a signal, say)
// while About is open. The question never opens: a logout must not wait on it.
void FrmMainTest::ACloseHeldBehindCommandsOpensNoWindowOnTheWayOut() {
    TheGame().SetMatchScore(3, 4);
    window_->SetPause([this, calls = 0](microseconds) mutable {
        if (calls++ == 0) {
            Entry("mnuAbout")->trigger();
            Entry("mnuResetscores")->trigger();
        }
    });
    int windows_opened = 0;
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, watch, [this, &windows_opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (++windows_opened == 1) {
                window_->close();
            }
            modal->close();
        }
    });
    watch->start(5);
    Press({52, 28});
    watch->deleteLater();
    QCOMPARE(windows_opened, 1);
    QVERIFY(!window_->isVisible());
    const Settings saved = Saved();
    QCOMPARE(saved.human_wins, std::int16_t(3));
    QCOMPARE(saved.computer_wins, std::int16_t(4));
}

// A link that failed after its click says so even while the computer replies, but not once the
// window has been asked to close.
void FrmMainTest::LateNewsShowsDuringAReplyButNotOnTheWayOut() {
    window_->SetPause([this, calls = 0](microseconds) mutable {
        if (calls == 0) {
            ShowLateNews(window_.get(), "first");
        } else if (calls == 1) {
            window_->close();
            ShowLateNews(window_.get(), "second");
        }
        ++calls;
    });
    Press({52, 28});
    QStringList shown;
    for (const QMessageBox* box : window_->findChildren<QMessageBox*>()) {
        shown << box->text();
    }
    QCOMPARE(shown, QStringList({"first"}));
    QVERIFY(!window_->isVisible());

    // Closed at once, between replies: the game is leaving as well, and says so once.
    OpenWindow();
    const QSignalSpy leaving(window_.get(), &FrmMain::Leaving);
    window_->close();
    ShowLateNews(window_.get(), "third");
    QVERIFY(window_->findChildren<QMessageBox*>().isEmpty());
    QCOMPARE(leaving.count(), 1);
}

// File > Exit chosen during a reply is a close request like the close box's: the game is said to
// be leaving at once, and About, chosen before it, does not open on the way out. Chosen while
// About, held, is open, it keeps "Reset scores ...", held behind About, from asking.
void FrmMainTest::ExitHeldBehindCommandsOpensNoWindowOnTheWayOut() {
    for (const bool exit_under_about : {false, true}) {
        OpenWindow();
        TheGame().SetMatchScore(3, 4);
        const QSignalSpy leaving(window_.get(), &FrmMain::Leaving);
        int leaving_during_the_reply = -1;
        window_->SetPause([&, calls = 0](microseconds) mutable {
            if (calls++ == 0) {
                Entry("mnuAbout")->trigger();
                Entry(exit_under_about ? "mnuResetscores" : "mnuExit")->trigger();
                leaving_during_the_reply = static_cast<int>(leaving.count());
            }
        });
        QStringList opened;
        auto* watch = new QTimer(this);
        connect(watch, &QTimer::timeout, watch, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened << modal->objectName();
                if (exit_under_about && opened.size() == 1) {
                    Entry("mnuExit")->trigger();
                }
                modal->close();
            }
        });
        watch->start(5);
        Press({52, 28});
        watch->deleteLater();
        QCOMPARE(leaving_during_the_reply, exit_under_about ? 0 : 1);
        QCOMPARE(leaving.count(), 1);
        QCOMPARE(opened, exit_under_about ? QStringList{"frmAbout"} : QStringList());
        QVERIFY(!window_->isVisible());
        const Settings saved = Saved();
        QCOMPARE(saved.human_wins, std::int16_t(3));
        QCOMPARE(saved.computer_wins, std::int16_t(4));
    }
}

// Any window chosen during a reply, then File > Exit: the game saves and ends without opening it,
// the help window and the message of a "Rnd" that finds no safe wall included.
void FrmMainTest::NothingChosenBeforeExitDuringTheReplyOpensAWindow() {
    for (const char* chosen : {"mnuHelp2", "mnuHelpIndex", "mnuAuthor", "mnuScores", "mnuRegister",
                               "mnuResetscores", "cmdRandom"}) {
        OpenWindow();
        TheGame().SetMatchScore(3, 4);
        Board board = OnlyVerticalWalls();
        board(1, 1).Walls &= ~kLeft;
        Load(board);
        window_->SetPause([this, chosen, calls = 0](microseconds) mutable {
            if (calls++ == 0) {
                if (QString(chosen) == "cmdRandom") {
                    window_->findChild<QPushButton*>("cmdRandom")->click();
                } else {
                    Entry(chosen)->trigger();
                }
                Entry("mnuExit")->trigger();
            }
        });
        QStringList opened;
        auto* watch = new QTimer(this);
        connect(watch, &QTimer::timeout, watch, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened << modal->objectName();
                modal->close();
            }
        });
        watch->start(5);
        Press(GapPixel(MakeWall(1, 1, kLeft)));
        watch->deleteLater();
        QVERIFY2(opened.isEmpty(), chosen);
        QVERIFY2(window_->findChild<HelpWindow*>() == nullptr, chosen);
        QVERIFY(!window_->isVisible());
        const Settings saved = Saved();
        QCOMPARE(saved.human_wins, std::int16_t(3));
        QCOMPARE(saved.computer_wins, std::int16_t(4));
    }
}

// Qt keeps presses and keys from the window while a question is open, but a desktop-wide menu
// can still choose entries: they wait for the answer, as they wait for a reply, and File > Exit
// saves what the answer did.
void FrmMainTest::CommandsChosenUnderAQuestionWaitForItsAnswer() {
    for (const bool exit : {false, true}) {
        OpenWindow();
        TheGame().SetMatchScore(3, 4);
        Press({52, 28});
        const Board played = TheGame().Board();
        bool untouched_under_the_question = false;
        auto* watch = new QTimer(this);
        connect(watch, &QTimer::timeout, watch, [&] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (question == nullptr) {
                return;
            }
            watch->stop();
            Entry("mnuEasy")->trigger();
            Entry(exit ? "mnuExit" : "mnuNewGame")->trigger();
            untouched_under_the_question = TheGame().Board() == played &&
                                           CheckedEntries() == "mnuHard mnuSpeedFast" &&
                                           window_->isVisible();
            question->button(QMessageBox::Yes)->click();
        });
        watch->start(5);
        Entry("mnuResetscores")->trigger();
        watch->deleteLater();
        QVERIFY(untouched_under_the_question);
        QCOMPARE(CheckedEntries(), QString("mnuEasy mnuSpeedFast"));
        QCOMPARE(TheGame().HumanWins(), std::int16_t{0});
        if (exit) {
            QVERIFY(!window_->isVisible());
            const Settings saved = Saved();
            QCOMPARE(saved.level, std::string("Easy"));
            QCOMPARE(saved.human_wins, std::int16_t(0));
        } else {
            QCOMPARE(testing::CountWalls(TheGame().Board()), 0);
        }
    }
}

// The window system may send a close to a window that has just closed (the close box pressed
// twice, a signal and the close box together), and a desktop-wide menu may still offer Exit:
// the game has said its last word, and the file, which another game may own by now, stays as it is.
// Qt gives up a closed window's platform window, so neither reaches closeEvent again.
void FrmMainTest::AClosedWindowIsNeitherClosedNorSavedAgain() {
    const QSignalSpy closed(window_.get(), &FrmMain::Closed);
    window_->close();
    QCOMPARE(closed.count(), 1);
    const QString path = settings_directory_.filePath("pennix.ini");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Options]\nLevel=Easy\n");
    }
    window_->close();
    Entry("mnuExit")->trigger();
    QCloseEvent again;  // as a window system might still send one
    QApplication::sendEvent(window_.get(), &again);
    QCOMPARE(closed.count(), 1);
    // Presses still on their way to the closed window change nothing.
    const Board before = TheGame().Board();
    QTest::mousePress(window_->ClientArea(), Qt::LeftButton, {}, {52, 28});
    QVERIFY(TheGame().Board() == before);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Options]\nLevel=Easy\n"));
}

void FrmMainTest::PauseWaitsAtLeastItsLengthAndKeepsTheWindowAlive() {
    using Clock = std::chrono::steady_clock;
    for (microseconds length : {microseconds(500), microseconds(10'000), microseconds(40'000)}) {
        const Clock::time_point start = Clock::now();
        WaitWithoutInput(length);
        const auto waited = Clock::now() - start;
        QVERIFY(waited >= length);
    }
    // A long pause lets queued work run, such as the repaints of an uncovered window.
    bool ran = false;
    QTimer::singleShot(5, [&ran] { ran = true; });
    WaitWithoutInput(microseconds(60'000));
    QVERIFY(ran);
}

}  // namespace pennix

QTEST_MAIN(pennix::FrmMainTest)
#include "frm_main_test.moc"
