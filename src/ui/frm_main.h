// The main window: the board of dots, the score line, "Rnd", the link and the menus.
#pragma once

#include <QMainWindow>
#include <array>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "dot_rect.h"
#include "game/game.h"
#include "game/game_view.h"
#include "opponent/level.h"
#include "opponent/opponent.h"
#include "wall_rect.h"

class QAction;
class QLabel;
class QMenu;
class QPainter;
class QPushButton;

namespace pennix {

class LinkOpener;

enum class Speed { Slow, Medium, Fast };

// How a computer wall blinks at a speed: white then black, `blinks` times, pausing after each.
struct BlinkTiming {
    int blinks = 0;
    std::chrono::microseconds pause{0};
};

BlinkTiming TimingFor(Speed speed);

class FrmMain : public QMainWindow, public GameView {
    Q_OBJECT

  public:
    // Waits at least the given time. The window's own pause sleeps and, while it waits longer
    // than a moment, repaints the window, but takes no input; tests put a counting one in.
    using Pause = std::function<void(std::chrono::microseconds)>;

    // The level, the speed and the match score are read from `settings_file` at start-up and
    // written back to it when the window closes. The links open through `link_opener`.
    FrmMain(std::filesystem::path settings_file, LinkOpener& link_opener,
            QWidget* parent = nullptr);
    ~FrmMain() override;

    // Where an installed or unpacked game keeps its settings: beside the program when that
    // folder is writable, otherwise in the user's configuration folder.
    static std::filesystem::path DefaultSettingsFile();

    // GameView
    void RefreshBoard() override;
    void AnimateWall(int x, int y, int side) override;

    // The level and speed are the menus' check marks; these read them in precedence order.
    Level CheckedLevel() const;
    Speed CheckedSpeed() const;

    // Checks one level or speed entry by its stored name; an unknown level is Genius and an
    // unknown speed Fast.
    void CheckLevel(std::string_view name);
    void CheckSpeed(std::string_view name);

    // The board's area below the menu bar; walls, letters and presses use its coordinates.
    QWidget* ClientArea() const { return client_; }
    DotRects DotRectangles() const;

    // For an end that never closes the window, as when the connection to the window system is
    // lost: saves what closing would have saved, unless a close has saved it already.
    void SaveSettingsUnlessClosed();

    pennix::Game& CurrentGame() { return game_; }
    // What the about window's "System Info..." button starts; unset, the program is unavailable.
    void SetSystemInfoStarter(std::function<bool()> start) {
        start_system_info_ = std::move(start);
    }
    void SetPause(Pause pause) { pause_ = std::move(pause); }

    // Menu and button handlers, under the names the menus and controls carry.
    void mnuNewGame_Click();
    void mnuExit_Click();
    void mnuEasy_Click();
    void mnuMedium_Click();
    void mnuHard_Click();
    void mnuGenius_Click();
    void mnuSpeedSlow_Click();
    void mnuSpeedMedium_Click();
    void mnuSpeedFast_Click();
    void mnuResetscores_Click();
    void mnuHelp2_Click();
    void mnuHelpIndex_Click();
    void mnuAbout_Click();
    void mnuAuthor_Click();
    void mnuScores_Click();
    void mnuRegister_Click();
    void cmdRandom_Click();

  signals:
    // The first close request: the game is ending, but has not saved yet (a close waits for the
    // computer's reply and for commands held during it).
    void Leaving();
    // The window has closed and saved for the last time.
    void Closed();
    // The computer's reply, between which the window's input waits in Qt's queue.
    void ReplyStarted();
    void ReplyEnded();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building the window.
    void CreateControls();
    void CreateDots();
    void CreateScoreAndRule();
    void CreateRandomButton();
    void CreateWebpageLink();
    void CreateMenus();
    QMenu* CreateFileMenu();
    QMenu* CreateOptionsMenu();
    QMenu* CreateHelpMenu();
    QAction* AddEntry(QMenu* menu, const char* name, const QString& caption);
    QAction* AddEntry(QMenu* menu, const char* name, const QString& caption,
                      void (FrmMain::*handler)());
    QAction* AddCheckEntry(QMenu* menu, const char* name, const QString& caption,
                           void (FrmMain::*handler)());
    void AddSeparator(QMenu* menu, const char* name);

    // Start-up and closing.
    void Form_Load();
    void CentreOnScreen();
    void RestoreSettings();
    void Form_Unload();

    // The board.
    void Form_Paint();
    void DrawBoard(QPainter& painter) const;
    static void DrawLetter(QPainter& painter, TextPosition at, char owner);
    void ShowScore();
    void Form_MouseDown(QPointF position);
    template <typename Reply>
    void RunReply(Reply reply);
    void WhenIdle(std::function<void()> command);
    // Replying, with commands held, or with a small window or a question open.
    bool Busy() const;
    void RunHeldCommands();
    void Blink(const WallRect& bar, QColor colour);

    void SelectLevel(QAction* chosen);
    void SelectSpeed(QAction* chosen);
    // The entries in the order of the stored names, kLevelTexts and kSpeedTexts.
    std::array<QAction*, 4> LevelEntries() const;
    std::array<QAction*, 3> SpeedEntries() const;

    std::filesystem::path settings_file_;
    LinkOpener& link_opener_;
    std::function<bool()> start_system_info_;
    pennix::Game game_;
    Opponent opponent_{game_};
    Pause pause_;

    QWidget* client_ = nullptr;
    std::array<QWidget*, kDotCount> shpDot_{};
    QLabel* lblScore_ = nullptr;
    QWidget* Line1_ = nullptr;
    QPushButton* cmdRandom_ = nullptr;
    QLabel* lblWebpage_ = nullptr;

    QAction* mnuEasy_ = nullptr;
    QAction* mnuMedium_ = nullptr;
    QAction* mnuHard_ = nullptr;
    QAction* mnuGenius_ = nullptr;
    QAction* mnuSpeedSlow_ = nullptr;
    QAction* mnuSpeedMedium_ = nullptr;
    QAction* mnuSpeedFast_ = nullptr;

    // The bar being blinked and its colour of the moment, painted over the board.
    std::optional<std::pair<WallRect, QColor>> blink_;
    bool replying_ = false;
    // A close waits behind held commands: those that would open a window are passed over.
    bool leaving_ = false;
    bool unloaded_ = false;
    // Commands that came while the computer was replying, to be carried out after the reply.
    std::deque<std::function<void()>> held_commands_;
};

}  // namespace pennix
