// The about window's controls; OK is both the default and the cancel button.
#include "about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/resources.h"

namespace pennix {

namespace {

const char* const kDescription = QT_TRANSLATE_NOOP(
    "pennix::AboutDialog",
    "This is the simple game of pennix that I used to play as a little kid in school. Every "
    "time I learn a new language, I write this game first. Hope you enjoy the game.");

}  // namespace

AboutDialog::AboutDialog(QWidget* parent, std::function<bool()> start_system_info)
    : FixedDialog(parent, "frmAbout", tr("About %1").arg(kApplicationTitle), QSize(382, 217),
                  Escape::Closes),
      start_system_info_(std::move(start_system_info)) {
    AddPicture();
    AddTexts();
    AddRule();
    AddButtons();
}

// The program's picture, scaled down from its largest size.
void AboutDialog::AddPicture() {
    QLabel* Image1 = AddLabel(this, "Image1", QRect(8, 16, 56, 56), "");
    Image1->setPixmap(
        PennixPicture().scaled(56, 56, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Image1->setScaledContents(true);
}

void AboutDialog::AddTexts() {
    QLabel* lblTitle = AddLabel(this, "lblTitle", QRect(72, 16, 259, 32), kApplicationTitle);
    lblTitle->setFont(DialogFont(18));
    SetTextColour(lblTitle, Qt::black);

    AddLabel(this, "lblVersion", QRect(70, 52, 259, 15),
             tr("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor));

    QLabel* lblDescription =
        AddLabel(this, "lblDescription", QRect(72, 75, 259, 54), tr(kDescription));
    SetTextColour(lblDescription, Qt::black);

    QLabel* lblDisclaimer = AddLabel(this, "lblDisclaimer", QRect(17, 152, 258, 55), "");
    SetTextColour(lblDisclaimer, Qt::black);
}

void AboutDialog::AddRule() {
    auto* Line1 = new QWidget(this);
    Line1->setObjectName("Line1");
    Line1->setGeometry(0, 136, 384, 1);
    FillBackground(Line1, Line1->palette().color(QPalette::WindowText));
}

// Enter presses OK unless "System Info..." has the focus; Escape is OK's too.
void AboutDialog::AddButtons() {
    QPushButton* cmdOK = AddButton(this, "cmdOK", QRect(288, 152, 84, 23), tr("OK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    QPushButton* cmdSysInfo =
        AddButton(this, "cmdSysInfo", QRect(288, 184, 83, 23), tr("&System Info..."));
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::StartSystemInfo);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
}

void AboutDialog::StartSystemInfo() {
    if (!start_system_info_ || !start_system_info_()) {
        ShowTitledMessage(this, tr("System Information Is Unavailable At This Time"));
    }
}

void ShowAbout(QWidget* parent, const std::function<bool()>& start_system_info) {
    AboutDialog window(parent, start_system_info);
    window.exec();
}

}  // namespace pennix
