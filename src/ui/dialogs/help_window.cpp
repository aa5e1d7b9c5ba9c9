// The help window's browser and buttons, and finding the one already open.
#include "help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/resources.h"

namespace pennix {

namespace {

// The pages' own colours suit a light page; on a dark desktop's dark page each gives way to the
// desktop's own text or link colour.
QString PageStyle(const QPalette& palette) {
    const QColor page = palette.color(QPalette::Base);
    const auto colour = [&](const char* design, QPalette::ColorRole fallback) {
        return ReadableColour(QColor(design), page, palette.color(fallback)).name();
    };
    const QString heading = colour("#0000c0", QPalette::Text);
    return QString("h1 { color: %1; } h2 { color: %1; } p.note { color: %2; } a { color: %3; }")
        .arg(heading, colour("#404040", QPalette::Text), colour("#0000ff", QPalette::Link));
}

HelpWindow* OpenHelp(QWidget* parent) {
    HelpWindow* help =
        parent ? parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!help) {
        help = new HelpWindow(parent);
    }
    // Asked for again, help left minimised comes back as well as forward.
    help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    // Help left open must not keep the game running once its main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("%1 Help").arg(kApplicationTitle));
    resize(560, 480);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->document()->setDefaultStyleSheet(PageStyle(browser_->palette()));
    // The pages only link to each other; nothing they name is handed to another program.
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateButtons());
    layout->addWidget(browser_);
}

QWidget* HelpWindow::CreateButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, buttons);
        button->setObjectName(name);
        row->addWidget(button);
        return button;
    };
    connect(add("cmdContents", tr("&Contents")), &QPushButton::clicked, this,
            &HelpWindow::ShowContents);
    connect(add("cmdIndex", tr("&Index")), &QPushButton::clicked, this, &HelpWindow::ShowIndex);
    QPushButton* back = add("cmdBack", tr("&Back"));
    back->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    row->addStretch();
    return buttons;
}

void HelpWindow::ShowContents() {
    browser_->setSource(HelpContentsPage());
}

void HelpWindow::ShowIndex() {
    browser_->setSource(HelpIndexPage());
}

HelpWindow* ShowHelpContents(QWidget* parent) {
    HelpWindow* help = OpenHelp(parent);
    help->ShowContents();
    return help;
}

HelpWindow* ShowHelpIndex(QWidget* parent) {
    HelpWindow* help = OpenHelp(parent);
    help->ShowIndex();
    return help;
}

}  // namespace pennix
