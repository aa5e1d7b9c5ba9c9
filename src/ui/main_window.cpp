// The main window's controls, start-up, closing and the player's queue; the menus have a file of
// their own.
#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cstdio>
#include <system_error>

#include "board_view.h"
#include "opponent/computer_player.h"
#include "score_text.h"
#include "store/settings.h"
#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/resources.h"
#include "ui/look/fonts.h"
#include "ui/look/link_label.h"

namespace pennix {

namespace {

const QColor kBackground(192, 255, 192);
const QColor kLinkColour(0, 0, 192);
constexpr QSize kClientSize(390, 385);
constexpr auto kBusyPointerDelay = std::chrono::milliseconds(150);

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// The window whose closing the late-news filter asks about (tests may make more than one).
const MainWindow* late_news_window = nullptr;

// What the computer did in its turn, in words a screen reader says.
QString TurnSummary(int walls, int boxes) {
    const QString drew = walls == 1 ? MainWindow::tr("I drew one wall")
                                    : MainWindow::tr("I drew %1 walls").arg(walls);
    if (boxes == 0) {
        return drew + MainWindow::tr(" and took no box.");
    }
    return drew + (boxes == 1 ? MainWindow::tr(" and took one box.")
                              : MainWindow::tr(" and took %1 boxes.").arg(boxes));
}

}  // namespace

MainWindow::MainWindow(std::filesystem::path settings_file, DesktopServices desktop,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      settings_file_(std::move(settings_file)),
      desktop_(std::move(desktop)) {
    setObjectName("frmMain");
    setWindowTitle(tr("The game of Pennix"));
    setWindowIcon(PennixIcon());
    // A link that fails once its program has ended says so, but not on the way out.
    SetLateNewsFilter([this] { return !leaving_; });
    late_news_window = this;
    setCentralWidget(CreateClientArea());
    computer_turn_ = new ComputerTurn(game_, *board_, this);
    connect(computer_turn_, &ComputerTurn::WallDrawn, this, &MainWindow::ComputerTurnDrew);
    connect(computer_turn_, &ComputerTurn::Finished, this, &MainWindow::ComputerTurnEnded);
    busy_pointer_.setSingleShot(true);
    busy_pointer_.setInterval(kBusyPointerDelay);
    connect(&busy_pointer_, &QTimer::timeout, this, [this] { setCursor(Qt::BusyCursor); });
    CreateMenus();
    // The window is as large as the board and the menu bar, whatever fonts the menu bar has.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CentreOnScreen();
    NewGame();
    RestoreSettings();
}

MainWindow::~MainWindow() {
    if (late_news_window == this) {
        SetLateNewsFilter({});
        late_news_window = nullptr;
    }
}

// ---- Controls --------------------------------------------------------------------------------

QWidget* MainWindow::CreateClientArea() {
    auto* area = new QWidget(this);
    area->setObjectName("clientArea");
    area->setAccessibleName(tr("Game"));
    area->setFixedSize(kClientSize);
    FillBackground(area, kBackground);
    board_ = new BoardView(game_, area);
    connect(board_, &BoardView::WallPressed, this, [this](Wall wall) {
        Enqueue({Command::Kind::BoardInput, [this, wall] { PressWall(wall); }});
    });
    CreateScoreAndRule(area);
    CreateRandomButton(area);
    CreateWebpageLink(area);
    return area;
}

void MainWindow::CreateScoreAndRule(QWidget* area) {
    // The label's own caption, seen only until start-up writes the score line over it.
    score_label_ = new QLabel(tr("You 0 - Me 0"), area);
    score_label_->setObjectName("lblScore");
    score_label_->setGeometry(0, 304, 409, 25);
    score_label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    score_label_->setFont(ScoreFont());
    FillBackground(score_label_, kBackground);
    Paint(score_label_, QPalette::WindowText, board_->palette().color(QPalette::WindowText));

    auto* rule = new QWidget(area);
    rule->setObjectName("Line1");
    rule->setAccessibleName(tr("Rule"));
    rule->setGeometry(0, 344, 408, 2);
    FillBackground(rule, board_->palette().color(QPalette::WindowText));
}

void MainWindow::CreateRandomButton(QWidget* area) {
    random_button_ = new QPushButton(tr("Rnd"), area);
    random_button_->setObjectName("cmdRandom");
    random_button_->setGeometry(344, 352, 33, 25);
    random_button_->setFont(ButtonFont());
    random_button_->setToolTip(tr("Make a random move"));
    random_button_->setAccessibleDescription(random_button_->toolTip());
    setTabOrder(board_, random_button_);
    connect(random_button_, &QPushButton::clicked, this, [this] {
        Enqueue({Command::Kind::BoardInput, [this] { PlayRandomWall(); }});
    });
}

void MainWindow::CreateWebpageLink(QWidget* area) {
    auto* link = new LinkLabel(kAuthorPage, area, desktop_.links);
    link->setObjectName("lblWebpage");
    link->setGeometry(112, 360, 193, 17);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    link->setFont(WebpageFont());
    Paint(link, QPalette::WindowText, kLinkColour);
    FillBackground(link, kBackground);
}

// ---- Start-up and closing --------------------------------------------------------------------

void MainWindow::CentreOnScreen() {
    adjustSize();
    const QRect screen_area = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screen_area.left() + (screen_area.width() - outer.width()) / 2,
         screen_area.top() + (screen_area.height() - outer.height()) / 2);
}

std::filesystem::path MainWindow::DefaultSettingsFile() {
    // The folder's name as the bytes the system knows it by: one that is not UTF-8 would not
    // come back whole from a QString, and the folder would seem not to be there.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return SettingsFile(
            QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    }
    return SettingsFile(program.parent_path());
}

// A file without a level is a first start: the defaults are written and used.
void MainWindow::RestoreSettings() {
    const Settings settings = LoadOrCreateSettings(settings_file_);
    level_ = static_cast<Level>(LevelIndex(settings.level));
    speed_ = static_cast<Speed>(SpeedIndex(settings.speed));
    marks_ = settings.marks;
    ShowChoices();
    game_.SetMatchScore(settings.human_wins, settings.computer_wins);
}

// A failed save can only be told on standard error (a desktop's journal keeps it): a window at
// exit would hold up a logout. Plain stdio, as this may run inside exit(), after Qt's logging.
void MainWindow::SaveSettings() {
    saved_ = true;
    const Settings settings{std::string(kLevelTexts[static_cast<int>(level_)]),
                            std::string(kSpeedTexts[static_cast<int>(speed_)]), game_.HumanWins(),
                            game_.ComputerWins(), marks_};
    if (!pennix::SaveSettings(settings_file_, settings)) {
        std::fprintf(stderr, "pennix: the settings and score could not be saved to %s\n",
                     settings_file_.c_str());
    }
}

void MainWindow::SaveSettingsUnlessClosed() {
    if (!saved_) {
        SaveSettings();
    }
}

// A close that finds the window busy waits in the player's queue: the computer finishes its turn
// at once, without blinking, the menu commands chosen before the close are carried out (none
// opens a window now), and then the game saves, between two moves. The presses and "Rnd" still
// waiting are dropped, and so is whatever comes after the close.
void MainWindow::closeEvent(QCloseEvent* event) {
    // Saved for the last time already: the file may be another game's by now.
    if (saved_) {
        event->accept();
        return;
    }
    if (!leaving_) {
        leaving_ = true;
        emit Leaving();
    }
    if (Busy()) {
        event->ignore();
        DropBoardInput();
        const bool close_waits = !waiting_.empty() && waiting_.back().kind == Command::Kind::Close;
        if (!close_waits) {
            waiting_.push_back({Command::Kind::Close, [this] { close(); }});
        }
        computer_turn_->Hurry();
        return;
    }
    SaveSettings();
    waiting_.clear();
    // Input still on its way to the closed window must not play on or open a message.
    setEnabled(false);
    event->accept();
    emit Closed();
}

// Enter draws the wall under the board's cursor wherever the focus is, and the arrow keys bring
// the focus to the board, as a player who has tabbed to "Rnd" expects.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return board_->PressCursor();
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            board_->setFocus(Qt::OtherFocusReason);
            QCoreApplication::sendEvent(board_, event);
            return;
        default:
            QMainWindow::keyPressEvent(event);
    }
}

// ---- The player's queue ----------------------------------------------------------------------

bool MainWindow::Busy() const {
    return computer_turn_->Running() || running_command_ || !waiting_.empty() ||
           QApplication::activeModalWidget() != nullptr;
}

void MainWindow::Enqueue(Command command) {
    const bool closing = !waiting_.empty() && waiting_.back().kind == Command::Kind::Close;
    if (saved_ || closing) {
        return;
    }
    waiting_.push_back(std::move(command));
    RunWaiting();
}

// One at a time, in the order they came. A command that starts the computer's turn stops the
// run until the turn ends; one that opens a small window runs its own event loop, and what comes
// meanwhile waits behind it.
void MainWindow::RunWaiting() {
    while (!waiting_.empty() && !computer_turn_->Running() && !running_command_ &&
           QApplication::activeModalWidget() == nullptr) {
        Command command = std::move(waiting_.front());
        waiting_.pop_front();
        if (command.kind == Command::Kind::Close) {
            command.run();
            return;
        }
        running_command_ = true;
        command.run();
        running_command_ = false;
    }
    if (!Busy()) {
        emit Idle();
    }
}

void MainWindow::DropBoardInput() {
    std::erase_if(waiting_,
                  [](const Command& command) { return command.kind == Command::Kind::BoardInput; });
}

void MainWindow::StartComputerTurnIfDue() {
    if (game_.CurrentPlayer() == kComputer && !game_.GameOver()) {
        turn_walls_.clear();
        turn_boxes_ = 0;
        busy_pointer_.start();
        emit ComputerTurnStarted();
        computer_turn_->Start(level_, speed_);
    }
}

void MainWindow::ComputerTurnDrew(const Wall& wall, const WallOutcome& outcome) {
    turn_walls_.push_back(wall);
    turn_boxes_ += outcome.boxes_closed;
    ShowScore();
}

// The turn's walls stay marked until the player draws again; assistive technology is told what
// the computer did, as a player watching the board would see it.
void MainWindow::ComputerTurnEnded() {
    busy_pointer_.stop();
    unsetCursor();
    ShowScore();
    if (MarksShown()) {
        board_->SetMarkedWalls(turn_walls_);
    }
    board_->Announce(TurnSummary(static_cast<int>(turn_walls_.size()), turn_boxes_));
    RunWaiting();
}

void MainWindow::BoardChanged() {
    ShowScore();
    board_->BoardChanged();
}

bool MainWindow::MarksShown() const {
    return marks_ != kMarksOff;
}

void MainWindow::ShowScore() {
    score_label_->setText(ScoreText(game_));
}

// ---- Commands --------------------------------------------------------------------------------

void MainWindow::NewGame() {
    game_.NewGame();
    board_->SetMarkedWalls({});
    BoardChanged();
}

// Choosing the level in force changes nothing; another one starts a new game at that level.
void MainWindow::SelectLevel(Level level) {
    if (level == level_) {
        return;
    }
    level_ = level;
    ShowChoices();
    NewGame();
}

void MainWindow::SelectSpeed(Speed speed) {
    speed_ = speed;
    ShowChoices();
}

// Switched off, the marks of the turn on the board go at once; switched on, they show from the
// computer's next turn.
void MainWindow::ShowMarks(bool shown) {
    marks_ = std::string(shown ? kMarksOn : kMarksOff);
    ShowChoices();
    if (!shown) {
        board_->SetMarkedWalls({});
    }
}

void MainWindow::ResetScores() {
    if (leaving_) {
        return;
    }
    CentredMessageBox question(QMessageBox::NoIcon, tr("Are you sure?"),
                               tr("Are you sure you want to reset the scores?"),
                               QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() == QMessageBox::Yes) {
        game_.SetMatchScore(0, 0);
    }
}

// A safe wall for the player, then the computer's answer; when none is left the player is told,
// but not on the way out.
void MainWindow::PlayRandomWall() {
    if (game_.GameOver()) {
        return;
    }
    if (const std::optional<Wall> wall = ChooseHelpWall(game_)) {
        return PressWall(*wall);
    }
    if (!leaving_) {
        CentredMessageBox message(QMessageBox::NoIcon, tr("You are on your own"),
                                  tr("No safe random moves are left."), QMessageBox::Ok, this);
        message.exec();
    }
}

// The player's wall is painted before the computer's answer begins.
void MainWindow::PressWall(const Wall& wall) {
    if (!game_.IsWallFree(wall)) {
        return;
    }
    game_.PlaceWall(wall);
    board_->SetMarkedWalls({});
    BoardChanged();
    board_->repaint();
    StartComputerTurnIfDue();
}

void MainWindow::ShowWindow(const std::function<void()>& show) {
    if (!leaving_) {
        show();
    }
}

}  // namespace pennix
