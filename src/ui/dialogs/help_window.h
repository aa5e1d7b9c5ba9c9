// The help window: the game's help pages, with their contents and an index of topics.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace pennix {

// A window of its own beside the main window, not modal, so that the player can read while
// playing. It is created the first time help is asked for and closes like any other window.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    void ShowIndex();

    QTextBrowser* Browser() const { return browser_; }

  private:
    QWidget* CreateButtons();

    QTextBrowser* browser_;
};

// Open the help window over `parent` at its contents or at its index. An open help window
// of `parent` is brought forward and turned to that page rather than opened twice.
HelpWindow* ShowHelpContents(QWidget* parent);
HelpWindow* ShowHelpIndex(QWidget* parent);

}  // namespace pennix
