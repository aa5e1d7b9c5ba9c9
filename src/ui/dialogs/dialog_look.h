// What the game's windows share: the fixed modal frame, the dialog face, labels and buttons by
// pixel, readable colours, and the messages titled with the game's name.
#pragma once

#include <QDialog>
#include <QFont>
#include <QMessageBox>
#include <QPalette>
#include <functional>

class QLabel;
class QPushButton;

namespace pennix {

// The game's dialog face, MS Sans Serif, as its free look-alike at the pixel size a 96-dpi
// screen gives 8.25 pt; `pixels` sets another size of the same face.
QFont DialogFont(int pixels = 11);

// A window sized to its client area that the user cannot resize, with a title and a close box
// but no minimise or maximise button. Shown modally, it is centred over its parent; closed, it
// hands the keyboard back to the window under it.
class FixedDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Escape { Closes, Ignored };

    FixedDialog(QWidget* parent, const char* name, const QString& caption, QSize client,
                Escape escape);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    Escape escape_;
};

// A message box centred over its parent as the small windows are, which hands the keyboard back
// to the window under it as they do.
class CentredMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

// A plain-text label at a pixel rectangle. As in all the game's windows, its text starts at the
// top left and wraps within the width; what does not fit is cut off.
QLabel* AddLabel(QWidget* parent, const char* name, const QRect& area, const QString& text);

QPushButton* AddButton(QWidget* parent, const char* name, const QRect& area,
                       const QString& caption);

// `colour` where it can be read on `background`, otherwise `fallback`. The game's fixed
// colours were chosen for a light desktop; a dark one may put them on its own dark background,
// or its light text on the game's fixed light one.
QColor ReadableColour(const QColor& colour, const QColor& background, const QColor& fallback);

// Fills the widget's background with `colour`, as the board, its rules and its labels are.
void FillBackground(QWidget* widget, const QColor& colour);

// Gives the widget the game's own text colour, or, where that cannot be read on the widget's
// background, the desktop's own colour for `fallback`.
void SetTextColour(QWidget* widget, const QColor& colour,
                   QPalette::ColorRole fallback = QPalette::WindowText);

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
