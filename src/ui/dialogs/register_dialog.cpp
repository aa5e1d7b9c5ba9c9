// The note window's texts, the author's e-mail address and the link to the game's page.
#include "register_dialog.h"

#include <QPushButton>

#include "ui/dialogs/build_settings.h"

namespace pennix {

namespace {

const QColor kAddressColour(0, 0, 255);

}  // namespace

// Controls are created in their tab order, which is also the order a screen reader takes.
RegisterDialog::RegisterDialog(QWidget* parent, LinkOpener& opener)
    : FixedDialog(parent, "frmRegister", tr("Register? Naaa, Just send me a note!"),
                  QSize(476, 191), Escape::Ignored) {
    AddRequest();
    AddLink(opener);
    QPushButton* Command1 = AddButton(this, "Command1", QRect(416, 160, 49, 25), tr("OK"));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    Command1->setFocus();
}

// The e-mail address is only shown: it is coloured like the link but is not one.
void RegisterDialog::AddRequest() {
    AddLabel(this, "lblRegister", QRect(16, 16, 281, 17), "");
    AddLabel(this, "Label1", QRect(16, 40, 433, 33),
             tr("All that I ask, is that if you enjoy this game, please just send me an e-mail "
                "telling me. Please send any comments you may have to:"));
    QLabel* Label2 = AddLabel(this, "Label2", QRect(160, 80, 129, 17), kAuthorEmail);
    SetTextColour(Label2, kAddressColour, QPalette::Link);
    Label2->setToolTip(tr("Send me your comments!"));
}

void RegisterDialog::AddLink(LinkOpener& opener) {
    AddLabel(this, "Label3", QRect(24, 104, 425, 41),
             tr("You can also visit me on the world wide web by clicking the link below. The link "
                "below should automatically start your default web browser. If it doesn't sorry. "
                "I'm still working out the bugs!"));

    auto* lblWebpage = new LinkLabel(kGamePage, this, opener);
    lblWebpage->setObjectName("lblWebpage");
    lblWebpage->setGeometry(136, 152, 201, 17);
    lblWebpage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = DialogFont();
    font.setUnderline(true);
    lblWebpage->setFont(font);
    SetTextColour(lblWebpage, kAddressColour, QPalette::Link);
}

void ShowRegister(QWidget* parent, LinkOpener& opener) {
    RegisterDialog window(parent, opener);
    window.exec();
}

}  // namespace pennix
