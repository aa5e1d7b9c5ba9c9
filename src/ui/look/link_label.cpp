// Opening a link's address through an opener, and the failure message when it cannot be opened.
#include "link_label.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>

#include "ui/look/messages.h"

namespace pennix {

QString UnableToLoadText(const QString& address, const LinkFailure& failure) {
    // The opener's own words, translated where they are known.
    const QString description =
        QCoreApplication::translate("LinkFailure", failure.description.toUtf8().constData());
    return LinkLabel::tr("Unable to load '%1' : %2 (Error %3)")
        .arg(address, description, QString::number(failure.number));
}

void OpenLink(QWidget* window, const QString& address, LinkOpener& opener) {
    // A late failure may come after its window has closed; the message then stands alone.
    const QPointer<QWidget> over(window);
    const auto report_later = [over, address](const LinkFailure& failure) {
        ShowLateNews(over, UnableToLoadText(address, failure));
    };
    if (const std::optional<LinkFailure> failure = opener.OpenWatched(address, report_later)) {
        ShowTitledMessage(window, UnableToLoadText(address, *failure));
    }
}

LinkLabel::LinkLabel(const QString& address, QWidget* parent, LinkOpener& opener)
    : QLabel(parent), opener_(&opener) {
    setTextFormat(Qt::PlainText);
    setText(address);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Go to my personal home page"));
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// The second press of a double click makes no click of its own, as with links anywhere: a link
// double-clicked out of habit opens its page once, not in two browser tabs. Only when the first
// click opened it, though: after a first press that just missed the link, this one is a click.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    const bool second_of_opening =
        opened_at_ &&
        event->timestamp() - *opened_at_ <=
            static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    pressed_ = !second_of_opening && event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release of the left button both on the label, as on a button.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    opened_at_.reset();
    if (clicked) {
        opened_at_ = event->timestamp();
        OpenLink(window(), text(), *opener_);
    }
}

}  // namespace pennix
