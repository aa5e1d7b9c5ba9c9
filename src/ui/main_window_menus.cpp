// The menu bar: new game, exit, the level and speed groups, resetting the match, help entries.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>

#include "main_window.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/register_dialog.h"
#include "ui/dialogs/score_dialog.h"

namespace pennix {

namespace {

// In the order of the enumerations and of the stored names.
// A context each, as a language may word a medium level and a medium speed apart.
constexpr MenuChoice kLevelChoices[] = {{"mnuEasy", QT_TRANSLATE_NOOP("Level", "Easy")},
                                        {"mnuMedium", QT_TRANSLATE_NOOP("Level", "Medium")},
                                        {"mnuHard", QT_TRANSLATE_NOOP("Level", "Hard")},
                                        {"mnuGenius", QT_TRANSLATE_NOOP("Level", "Genius")},
                                        {"mnuExpert", QT_TRANSLATE_NOOP("Level", "E&xpert")}};
constexpr MenuChoice kSpeedChoices[] = {{"mnuSpeedSlow", QT_TRANSLATE_NOOP("Speed", "Slow")},
                                        {"mnuSpeedMedium", QT_TRANSLATE_NOOP("Speed", "Medium")},
                                        {"mnuSpeedFast", QT_TRANSLATE_NOOP("Speed", "Fast")}};

// An open menu is named to assistive technology by its own name, which Qt leaves empty.
QMenu* NamedMenu(const QString& caption, const char* name, QWidget* parent) {
    auto* menu = new QMenu(caption, parent);
    menu->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

}  // namespace

void MainWindow::CreateMenus() {
    menuBar()->setAccessibleName(tr("Menu bar"));
    menuBar()->addMenu(CreateFileMenu());
    menuBar()->addMenu(CreateOptionsMenu());
    menuBar()->addMenu(CreateHelpMenu());
}

// A menu command waits in the player's queue while the window is busy.
QAction* MainWindow::AddEntry(QMenu* menu, const char* name, const QString& caption,
                              std::function<void()> command) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    connect(entry, &QAction::triggered, this, [this, command = std::move(command)] {
        Enqueue({Command::Kind::Menu, command});
    });
    return entry;
}

QMenu* MainWindow::CreateFileMenu() {
    QMenu* menu = NamedMenu(tr("&File"), "File", this);
    AddEntry(menu, "mnuNewGame", tr("&New Game"), [this] { NewGame(); })->setShortcut(Qt::Key_F2);
    AddSeparator(menu, "sep1");
    // Exit is a request to close, as the close box makes: the window's close decides what waits.
    QAction* exit = menu->addAction(tr("E&xit"));
    exit->setObjectName("mnuExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    return menu;
}

// Qt checks an entry of an exclusive group as it is chosen. The marks show the level and speed in
// force, so they are put back at once; the command sets them when it is carried out.
QActionGroup* MainWindow::AddChoices(QMenu* menu, const char* context,
                                     std::span<const MenuChoice> choices,
                                     const std::function<void(int)>& choose) {
    auto* group = new QActionGroup(this);
    for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
        QAction* entry = AddEntry(menu, choices[i].name,
                                  QCoreApplication::translate(context, choices[i].caption),
                                  [choose, i] { choose(i); });
        entry->setCheckable(true);
        entry->setActionGroup(group);
        connect(entry, &QAction::triggered, this, &MainWindow::ShowChoices);
    }
    return group;
}

QMenu* MainWindow::CreateOptionsMenu() {
    QMenu* menu = NamedMenu(tr("&Options"), "mnuOptions", this);
    QMenu* level = menu->addMenu(NamedMenu(tr("Level"), "mnuLevel", menu))->menu();
    level_entries_ = AddChoices(level, "Level", kLevelChoices,
                                [this](int i) { SelectLevel(static_cast<Level>(i)); });
    QMenu* speed = menu->addMenu(NamedMenu(tr("Speed"), "mnuSpeed", menu))->menu();
    speed_entries_ = AddChoices(speed, "Speed", kSpeedChoices,
                                [this](int i) { SelectSpeed(static_cast<Speed>(i)); });
    marks_entry_ =
        AddEntry(menu, "mnuMarks", tr("&Mark my last turn"), [this] { ShowMarks(!MarksShown()); });
    marks_entry_->setCheckable(true);
    connect(marks_entry_, &QAction::triggered, this, &MainWindow::ShowChoices);
    AddSeparator(menu, "sep2");
    AddEntry(menu, "mnuResetscores", tr("Reset scores ..."), [this] { ResetScores(); });
    return menu;
}

void MainWindow::ShowChoices() {
    level_entries_->actions().at(static_cast<int>(level_))->setChecked(true);
    speed_entries_->actions().at(static_cast<int>(speed_))->setChecked(true);
    marks_entry_->setChecked(MarksShown());
}

// The help window stays open beside the game; the four small windows are modal.
QMenu* MainWindow::CreateHelpMenu() {
    QMenu* menu = NamedMenu(tr("&Help"), "mnuHelp", this);
    AddEntry(menu, "mnuHelp2", tr("Help"),
             [this] { ShowWindow([this] { ShowHelpContents(this); }); });
    AddEntry(menu, "mnuHelpIndex", tr("Help index"),
             [this] { ShowWindow([this] { ShowHelpIndex(this); }); });
    AddSeparator(menu, "sep4");
    AddEntry(menu, "mnuAbout", tr("About the game"),
             [this] { ShowWindow([this] { ShowAbout(this, desktop_.start_system_info); }); });
    AddEntry(menu, "mnuAuthor", tr("About the author"),
             [this] { ShowWindow([this] { ShowAuthor(this); }); });
    AddSeparator(menu, "sep3");
    AddEntry(menu, "mnuScores", tr("Score board"), [this] {
        ShowWindow([this] { ShowScoreBoard(this, game_.HumanWins(), game_.ComputerWins()); });
    });
    AddSeparator(menu, "seg3");
    AddEntry(menu, "mnuRegister", tr("Register"),
             [this] { ShowWindow([this] { ShowRegister(this, desktop_.links); }); });
    return menu;
}

}  // namespace pennix
