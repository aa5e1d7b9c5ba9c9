// The menu bar: new game, exit, level and speed check marks, resetting the match, help entries.
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <span>

#include "frm_main.h"
#include "store/settings.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/register_dialog.h"
#include "ui/dialogs/score_dialog.h"

namespace pennix {

namespace {

// Checks `chosen` and unchecks the rest of its group, in the group's order.
void CheckOnly(QAction* chosen, std::span<QAction* const> group) {
    for (QAction* entry : group) {
        entry->setChecked(entry == chosen);
    }
}

// The first checked entry of a group, in the group's order; the last one when none of the others
// is checked.
std::size_t CheckedIndex(std::span<QAction* const> group) {
    for (std::size_t i = 0; i + 1 < group.size(); ++i) {
        if (group[i]->isChecked()) {
            return i;
        }
    }
    return group.size() - 1;
}

// Levels and speeds are stored by name, and a name's index in its list is its value.
static_assert(kLevelTexts[static_cast<int>(Level::Easy)] == "Easy" &&
              kLevelTexts[static_cast<int>(Level::Genius)] == "Genius");
static_assert(kSpeedTexts[static_cast<int>(Speed::Slow)] == "Slow" &&
              kSpeedTexts[static_cast<int>(Speed::Fast)] == "Fast");

}  // namespace

// ---- Building --------------------------------------------------------------------------------

void FrmMain::CreateMenus() {
    menuBar()->addMenu(CreateFileMenu());
    menuBar()->addMenu(CreateOptionsMenu());
    menuBar()->addMenu(CreateHelpMenu());
}

QMenu* FrmMain::CreateFileMenu() {
    auto* menu = new QMenu("&File", this);
    menu->setObjectName("File");
    menu->menuAction()->setObjectName("File");
    AddEntry(menu, "mnuNewGame", "&New Game", &FrmMain::mnuNewGame_Click)->setShortcut(Qt::Key_F2);
    AddSeparator(menu, "sep1");
    // Exit is a request to close, as the close box makes, and is not held as a command: held, the
    // game would not be leaving while it waited, and windows chosen before it would open.
    connect(AddEntry(menu, "mnuExit", "E&xit"), &QAction::triggered, this, &FrmMain::mnuExit_Click);
    return menu;
}

QMenu* FrmMain::CreateOptionsMenu() {
    auto* menu = new QMenu("&Options", this);
    menu->setObjectName("mnuOptions");
    menu->menuAction()->setObjectName("mnuOptions");

    QMenu* level = menu->addMenu("Level");
    level->setObjectName("mnuLevel");
    level->menuAction()->setObjectName("mnuLevel");
    mnuEasy_ = AddCheckEntry(level, "mnuEasy", "Easy", &FrmMain::mnuEasy_Click);
    mnuMedium_ = AddCheckEntry(level, "mnuMedium", "Medium", &FrmMain::mnuMedium_Click);
    mnuHard_ = AddCheckEntry(level, "mnuHard", "Hard", &FrmMain::mnuHard_Click);
    mnuGenius_ = AddCheckEntry(level, "mnuGenius", "Genius", &FrmMain::mnuGenius_Click);

    QMenu* speed = menu->addMenu("Speed");
    speed->setObjectName("mnuSpeed");
    speed->menuAction()->setObjectName("mnuSpeed");
    mnuSpeedSlow_ = AddCheckEntry(speed, "mnuSpeedSlow", "Slow", &FrmMain::mnuSpeedSlow_Click);
    mnuSpeedMedium_ =
        AddCheckEntry(speed, "mnuSpeedMedium", "Medium", &FrmMain::mnuSpeedMedium_Click);
    mnuSpeedFast_ = AddCheckEntry(speed, "mnuSpeedFast", "Fast", &FrmMain::mnuSpeedFast_Click);

    AddSeparator(menu, "sep2");
    AddEntry(menu, "mnuResetscores", "Reset scores ...", &FrmMain::mnuResetscores_Click);
    return menu;
}

QMenu* FrmMain::CreateHelpMenu() {
    auto* menu = new QMenu("&Help", this);
    menu->setObjectName("mnuHelp");
    menu->menuAction()->setObjectName("mnuHelp");
    AddEntry(menu, "mnuHelp2", "Help", &FrmMain::mnuHelp2_Click);
    AddEntry(menu, "mnuHelpIndex", "Help index", &FrmMain::mnuHelpIndex_Click);
    AddSeparator(menu, "sep4");
    AddEntry(menu, "mnuAbout", "About the game", &FrmMain::mnuAbout_Click);
    AddEntry(menu, "mnuAuthor", "About the author", &FrmMain::mnuAuthor_Click);
    AddSeparator(menu, "sep3");
    AddEntry(menu, "mnuScores", "Score board", &FrmMain::mnuScores_Click);
    AddSeparator(menu, "seg3");
    AddEntry(menu, "mnuRegister", "Register", &FrmMain::mnuRegister_Click);
    return menu;
}

QAction* FrmMain::AddEntry(QMenu* menu, const char* name, const QString& caption) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    return entry;
}

QAction* FrmMain::AddEntry(QMenu* menu, const char* name, const QString& caption,
                           void (FrmMain::*handler)()) {
    QAction* entry = AddEntry(menu, name, caption);
    connect(entry, &QAction::triggered, this,
            [this, handler] { WhenIdle([this, handler] { (this->*handler)(); }); });
    return entry;
}

// Qt flips a checkable entry before it reports the choice. The flip is undone first, so the
// handler sees the check marks as they were when the entry was chosen and sets them itself.
QAction* FrmMain::AddCheckEntry(QMenu* menu, const char* name, const QString& caption,
                                void (FrmMain::*handler)()) {
    QAction* entry = AddEntry(menu, name, caption);
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, this, [this, entry, handler](bool checked) {
        entry->setChecked(!checked);
        WhenIdle([this, handler] { (this->*handler)(); });
    });
    return entry;
}

void FrmMain::AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

// ---- Handlers --------------------------------------------------------------------------------

void FrmMain::mnuNewGame_Click() {
    game_.NewGame();
    RefreshBoard();
}

// During a reply, or behind commands held during one, the close waits for them and drops what is
// chosen after it (closeEvent).
void FrmMain::mnuExit_Click() {
    close();
}

void FrmMain::mnuEasy_Click() {
    SelectLevel(mnuEasy_);
}
void FrmMain::mnuMedium_Click() {
    SelectLevel(mnuMedium_);
}
void FrmMain::mnuHard_Click() {
    SelectLevel(mnuHard_);
}
void FrmMain::mnuGenius_Click() {
    SelectLevel(mnuGenius_);
}

// Choosing the level in force changes nothing; another one starts a new game at that level.
void FrmMain::SelectLevel(QAction* chosen) {
    if (chosen->isChecked()) {
        return;
    }
    CheckOnly(chosen, LevelEntries());
    mnuNewGame_Click();
}

void FrmMain::mnuSpeedSlow_Click() {
    SelectSpeed(mnuSpeedSlow_);
}
void FrmMain::mnuSpeedMedium_Click() {
    SelectSpeed(mnuSpeedMedium_);
}
void FrmMain::mnuSpeedFast_Click() {
    SelectSpeed(mnuSpeedFast_);
}

void FrmMain::SelectSpeed(QAction* chosen) {
    CheckOnly(chosen, SpeedEntries());
}

void FrmMain::mnuResetscores_Click() {
    if (leaving_) {
        return;
    }
    CentredMessageBox question(QMessageBox::NoIcon, "Are you sure?",
                               "Are you sure you want to reset the scores?",
                               QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() == QMessageBox::Yes) {
        game_.SetMatchScore(0, 0);
    }
}

// The help window stays open beside the game; the four small windows are modal. None opens on
// the way out.
void FrmMain::mnuHelp2_Click() {
    if (!leaving_) {
        ShowHelpContents(this);
    }
}

void FrmMain::mnuHelpIndex_Click() {
    if (!leaving_) {
        ShowHelpIndex(this);
    }
}

void FrmMain::mnuAbout_Click() {
    if (!leaving_) {
        ShowAbout(this, start_system_info_);
    }
}

void FrmMain::mnuAuthor_Click() {
    if (!leaving_) {
        ShowAuthor(this);
    }
}

void FrmMain::mnuScores_Click() {
    if (!leaving_) {
        ShowScoreBoard(this, game_.HumanWins(), game_.ComputerWins());
    }
}

void FrmMain::mnuRegister_Click() {
    if (!leaving_) {
        ShowRegister(this, link_opener_);
    }
}

// ---- Reading and setting the check marks -----------------------------------------------------

std::array<QAction*, 4> FrmMain::LevelEntries() const {
    return {mnuEasy_, mnuMedium_, mnuHard_, mnuGenius_};
}

std::array<QAction*, 3> FrmMain::SpeedEntries() const {
    return {mnuSpeedSlow_, mnuSpeedMedium_, mnuSpeedFast_};
}

Level FrmMain::CheckedLevel() const {
    return static_cast<Level>(CheckedIndex(LevelEntries()));
}

Speed FrmMain::CheckedSpeed() const {
    return static_cast<Speed>(CheckedIndex(SpeedEntries()));
}

// The names are compared exactly: "easy" is not "Easy", and so selects Genius.
void FrmMain::CheckLevel(std::string_view name) {
    CheckOnly(LevelEntries()[LevelIndex(name)], LevelEntries());
}

void FrmMain::CheckSpeed(std::string_view name) {
    CheckOnly(SpeedEntries()[SpeedIndex(name)], SpeedEntries());
}

}  // namespace pennix
