// What the game's windows share: the fixed modal frame, the dialog face, labels and buttons by
// pixel, readable colours, and the messages titled with the game's name.
#pragma once

#include <QDialog>
#include <QFont>

// The windows' colours and messages come from the look library, shared with the main window.
#include "ui/look/colours.h"
#include "ui/look/messages.h"

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

// A plain-text label at a pixel rectangle. As in all the game's windows, its text starts at the
// top left and wraps within the width; what does not fit is cut off.
QLabel* AddLabel(QWidget* parent, const char* name, const QRect& area, const QString& text);

QPushButton* AddButton(QWidget* parent, const char* name, const QRect& area,
                       const QString& caption);

}  // namespace pennix
