// The game's messages: titled with its name, centred over the window they speak for.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace pennix {

// A message box centred over its parent as the small windows are, which hands the keyboard back
// to the window under it as they do.
class CentredMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    bool widened_ = false;
};

// A message with an OK button, titled with the application's title, over `parent`.
void ShowTitledMessage(QWidget* parent, const QString& text);

// The same message for news that comes late, from the event loop, maybe while the computer
// replies: it waits for nothing and blocks nothing (presses made during the reply must still
// reach the board), and never keeps the game running once its main window has closed. It is
// not shown while the filter says no.
void ShowLateNews(QWidget* parent, const QString& text);

// The main window refuses late news once it is on its way out. Unset, news is always shown.
void SetLateNewsFilter(std::function<bool()> may_show);

}  // namespace pennix
