// The main window's controls, start-up and closing; menus and the board have files of their own.
#include "frm_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <cstdio>
#include <system_error>

#include "dot_shape.h"
#include "pause.h"
#include "store/settings.h"
#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/resources.h"
#include "ui/look/fonts.h"
#include "ui/look/link_label.h"

namespace pennix {

namespace {

const QColor kBackground(192, 255, 192);
const QColor kDotColour(0, 0, 255);
const QColor kLinkColour(0, 0, 192);
constexpr QSize kClientSize(390, 385);

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// The window whose closing the late-news filter asks about (tests may make more than one).
const FrmMain* late_news_window = nullptr;

}  // namespace

FrmMain::FrmMain(std::filesystem::path settings_file, LinkOpener& link_opener, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      settings_file_(std::move(settings_file)),
      link_opener_(link_opener),
      pause_(WaitWithoutInput) {
    setObjectName("frmMain");
    setWindowTitle("The game of Pennix");
    setWindowIcon(PennixIcon());
    game_.SetView(this);
    // A link that fails once its program has ended says so, but not on the way out.
    SetLateNewsFilter([this] { return !leaving_; });
    late_news_window = this;
    CreateControls();
    CreateMenus();
    // The window is as large as the board and the menu bar, whatever fonts the menu bar has.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

FrmMain::~FrmMain() {
    if (late_news_window == this) {
        SetLateNewsFilter({});
        late_news_window = nullptr;
    }
}

// ---- Controls --------------------------------------------------------------------------------

void FrmMain::CreateControls() {
    client_ = new QWidget(this);
    client_->setObjectName("clientArea");
    client_->setFixedSize(kClientSize);
    client_->setFont(BoardFont());
    FillBackground(client_, kBackground);
    // The board is light green on every desktop, where a dark desktop's light text would vanish.
    Paint(client_, QPalette::WindowText,
          ReadableColour(client_->palette().color(QPalette::WindowText), kBackground, Qt::black));
    client_->installEventFilter(this);
    setCentralWidget(client_);
    CreateDots();
    CreateScoreAndRule();
    CreateRandomButton();
    CreateWebpageLink();
}

void FrmMain::CreateScoreAndRule() {
    // The label's own caption, seen only until start-up writes the score line over it.
    lblScore_ = new QLabel("You 0 - Me 0", client_);
    lblScore_->setObjectName("lblScore");
    lblScore_->setGeometry(0, 304, 409, 25);
    lblScore_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblScore_->setFont(ScoreFont());
    FillBackground(lblScore_, kBackground);

    Line1_ = new QWidget(client_);
    Line1_->setObjectName("Line1");
    Line1_->setGeometry(0, 344, 408, 2);
    FillBackground(Line1_, client_->palette().color(QPalette::WindowText));
}

void FrmMain::CreateRandomButton() {
    cmdRandom_ = new QPushButton("Rnd", client_);
    cmdRandom_->setObjectName("cmdRandom");
    cmdRandom_->setGeometry(344, 352, 33, 25);
    cmdRandom_->setFont(ButtonFont());
    cmdRandom_->setToolTip("Make a random move");
    connect(cmdRandom_, &QPushButton::clicked, this,
            [this] { WhenIdle([this] { cmdRandom_Click(); }); });
}

void FrmMain::CreateWebpageLink() {
    lblWebpage_ = new LinkLabel(kAuthorPage, client_, link_opener_);
    lblWebpage_->setObjectName("lblWebpage");
    lblWebpage_->setGeometry(112, 360, 193, 17);
    lblWebpage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblWebpage_->setFont(WebpageFont());
    Paint(lblWebpage_, QPalette::WindowText, kLinkColour);
    FillBackground(lblWebpage_, kBackground);
}

void FrmMain::CreateDots() {
    for (int d = 0; d < kDotCount; ++d) {
        auto* dot = new DotShape(client_, kDotColour);
        dot->setObjectName(QString("shpDot(%1)").arg(d));
        dot->setGeometry(32 + 32 * (d % kDotColumns), 24 + 32 * (d / kDotColumns), 9, 9);
        shpDot_[d] = dot;
    }
}

DotRects FrmMain::DotRectangles() const {
    DotRects dots;
    for (int d = 0; d < kDotCount; ++d) {
        const QRect place = shpDot_[d]->geometry();
        dots[d] = {place.left(), place.top(), place.width(), place.height()};
    }
    return dots;
}

// ---- Start-up and closing --------------------------------------------------------------------

void FrmMain::Form_Load() {
    CentreOnScreen();
    mnuNewGame_Click();
    RestoreSettings();
}

void FrmMain::CentreOnScreen() {
    adjustSize();
    const QRect screen_area = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screen_area.left() + (screen_area.width() - outer.width()) / 2,
         screen_area.top() + (screen_area.height() - outer.height()) / 2);
}

std::filesystem::path FrmMain::DefaultSettingsFile() {
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
void FrmMain::RestoreSettings() {
    const Settings settings = LoadOrCreateSettings(settings_file_);
    CheckLevel(settings.level);
    CheckSpeed(settings.speed);
    game_.SetMatchScore(settings.human_wins, settings.computer_wins);
}

// A failed save can only be told on standard error (a desktop's journal keeps it): a window at
// exit would hold up a logout. Plain stdio, as this may run inside exit(), after Qt's logging.
void FrmMain::Form_Unload() {
    unloaded_ = true;
    const Settings settings{std::string(kLevelTexts[static_cast<int>(CheckedLevel())]),
                            std::string(kSpeedTexts[static_cast<int>(CheckedSpeed())]),
                            game_.HumanWins(), game_.ComputerWins()};
    if (!SaveSettings(settings_file_, settings)) {
        std::fprintf(stderr, "pennix: the settings and score could not be saved to %s\n",
                     settings_file_.c_str());
    }
}

void FrmMain::SaveSettingsUnlessClosed() {
    if (!unloaded_) {
        Form_Unload();
    }
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // Saved for the last time already: the file may be another game's by now.
    if (unloaded_) {
        event->accept();
        return;
    }
    // From the first close request on, nothing opens a window: ending, as at a logout, must not
    // wait on a question, and a link's late failure has nobody left to tell.
    if (!leaving_) {
        leaving_ = true;
        emit Leaving();
    }
    // During a reply, while commands held during one still wait, or while a question is open
    // (File > Exit from a desktop-wide menu), the close waits for them, so the game is saved
    // between two moves; anything chosen after it is dropped.
    if (Busy()) {
        event->ignore();
        WhenIdle([this] {
            held_commands_.clear();
            close();
        });
        return;
    }
    Form_Unload();
    held_commands_.clear();
    // Presses made during the reply may still be on their way to the closed window: one would
    // play on, or open a message, and the event loop it runs would swallow the application's
    // quit, leaving a program without a window.
    setEnabled(false);
    event->accept();
    emit Closed();
}

}  // namespace pennix
