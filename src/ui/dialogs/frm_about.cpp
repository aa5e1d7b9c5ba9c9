// The about window's controls; OK is both the default and the cancel button.
#include "frm_about.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/resources.h"

namespace pennix {

namespace {

const QString kDescription =
    "This is the simple game of pennix that I used to play as a little kid in school. Every "
    "time I learn a new language, I write this game first. Hope you enjoy the game.";

}  // namespace

FrmAbout::FrmAbout(QWidget* parent, const SystemInfoLauncher& launcher)
    : FixedDialog(parent, "frmAbout", QString("About ") + kApplicationTitle, QSize(382, 217),
                  Escape::Closes),
      launcher_(launcher) {
    AddPicture();
    AddTexts();
    AddRule();
    AddButtons();
}

// The window shares the main window's icon; on its own it shows the program's.
void FrmAbout::AddPicture() {
    QIcon icon = windowIcon();
    if (icon.isNull()) {
        icon = PennixIcon();
    }
    QLabel* Image1 = AddLabel(this, "Image1", QRect(8, 16, 56, 56), "");
    Image1->setPixmap(icon.pixmap(QSize(56, 56)));
    Image1->setScaledContents(true);
}

void FrmAbout::AddTexts() {
    QLabel* lblTitle = AddLabel(this, "lblTitle", QRect(72, 16, 259, 32), kApplicationTitle);
    lblTitle->setFont(DialogFont(18));
    SetTextColour(lblTitle, Qt::black);

    AddLabel(this, "lblVersion", QRect(70, 52, 259, 15),
             QString("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor));

    QLabel* lblDescription = AddLabel(this, "lblDescription", QRect(72, 75, 259, 54), kDescription);
    SetTextColour(lblDescription, Qt::black);

    QLabel* lblDisclaimer = AddLabel(this, "lblDisclaimer", QRect(17, 152, 258, 55), "");
    SetTextColour(lblDisclaimer, Qt::black);
}

void FrmAbout::AddRule() {
    auto* Line1 = new QWidget(this);
    Line1->setObjectName("Line1");
    Line1->setGeometry(0, 136, 384, 1);
    FillBackground(Line1, Line1->palette().color(QPalette::WindowText));
}

// Enter presses OK unless "System Info..." has the focus; Escape is OK's too.
void FrmAbout::AddButtons() {
    QPushButton* cmdOK = AddButton(this, "cmdOK", QRect(288, 152, 84, 23), "OK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    QPushButton* cmdSysInfo =
        AddButton(this, "cmdSysInfo", QRect(288, 184, 83, 23), "&System Info...");
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
}

void FrmAbout::cmdSysInfo_Click() {
    StartSysInfo(this, launcher_);
}

void ShowAbout(QWidget* parent) {
    ShowAbout(parent, SystemInfoLauncher());
}

void ShowAbout(QWidget* parent, const SystemInfoLauncher& launcher) {
    FrmAbout window(parent, launcher);
    window.exec();
}

}  // namespace pennix
