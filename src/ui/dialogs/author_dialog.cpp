// The author window's picture, text and OK button.
#include "author_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "ui/dialogs/resources.h"

namespace pennix {

QString AboutMeText() {
    return QStringList{
        AuthorDialog::tr(
            "I was 26 when I wrote this game, and I have been playing and working with computers "
            "since I was ten."),
        AuthorDialog::tr(
            "I write software for a living. Whenever I learn a new programming language, this game "
            "is the first thing I write in it; this time it taught me C++ and Qt."),
        AuthorDialog::tr("The picture to the left is me on a skydiving jump, just after my canopy "
                         "opened. If you "
                         "ever get the chance, try it: there is nothing quite like it!")}
        .join("\n\n");
}

AuthorDialog::AuthorDialog(QWidget* parent)
    : FixedDialog(parent, "frmAuthor", tr("About me"), QSize(408, 255), Escape::Ignored) {
    QLabel* Picture1 = AddLabel(this, "Picture1", QRect(8, 24, 164, 191), "");
    Picture1->setPixmap(AuthorPicture());
    Picture1->setScaledContents(true);
    Picture1->setToolTip(tr("Me skydiving"));

    AddLabel(this, "lblAboutme", QRect(184, 8, 217, 209), AboutMeText());

    QPushButton* Command1 = AddButton(this, "Command1", QRect(168, 224, 81, 25), tr("OK"));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    Command1->setFocus();
}

void ShowAuthor(QWidget* parent) {
    AuthorDialog window(parent);
    window.exec();
}

}  // namespace pennix
