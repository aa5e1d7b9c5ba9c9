// Opening a link's address through an opener, and the failure message when it cannot be opened.
#include "link_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "ui/dialogs/dialog_look.h"

namespace pennix {

std::optional<LinkFailure> DesktopLinkOpener::Open(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https")) {
        return LinkFailure{"Not a web address", kNotWebAddress};
    }
    if (!QDesktopServices::openUrl(url)) {
        return LinkFailure{"No program to open web addresses could be started", kNoBrowser};
    }
    return std::nullopt;
}

LinkOpener& DefaultLinkOpener() {
    static DesktopLinkOpener opener;
    return opener;
}

QString UnableToLoadText(const QString& address, const LinkFailure& failure) {
    return "Unable to load '" + address + "' : " + failure.description + " (Error " +
           QString::number(failure.number) + ")";
}

void OpenLink(QWidget* window, const QString& address, LinkOpener& opener) {
    if (const std::optional<LinkFailure> failure = opener.Open(address)) {
        ShowTitledMessage(window, UnableToLoadText(address, *failure));
    }
}

LinkLabel::LinkLabel(const QString& address, QWidget* parent, LinkOpener& opener)
    : QLabel(parent), opener_(&opener) {
    setTextFormat(Qt::PlainText);
    setText(address);
    setCursor(Qt::PointingHandCursor);
    setToolTip("Go to my personal home page");
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release of the left button both on the label, as on a button.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (clicked) {
        OpenLink(window(), text(), *opener_);
    }
}

}  // namespace pennix
