// The centred message box and the two ways a message is shown: waited for, or left standing.
#include "messages.h"

#include <QFontMetrics>
#include <QGridLayout>

#include "ui/look/placement.h"

namespace pennix {

namespace {

// The build gives the title (the project's name), as it gives the windows theirs.
constexpr char kTitle[] = PENNIX_APPLICATION_TITLE;
// A window manager's icon, minimise and close buttons and the margins around them.
constexpr int kTitleBarButtons = 100;

std::function<bool()>& LateNewsFilter() {
    static std::function<bool()> may_show;
    return may_show;
}

}  // namespace

// A window manager writes the title in its own face, with buttons beside it: a box only as wide
// as a short text cut its title ("You are ... your own"). The box is made wide enough for the
// title in a bold face of the desktop's size, with room for a frame's buttons.
void CentredMessageBox::showEvent(QShowEvent* event) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout()); grid != nullptr && !widened_) {
        QFont title_font = font();
        title_font.setBold(true);
        const int title = QFontMetrics(title_font).horizontalAdvance(windowTitle());
        grid->addItem(new QSpacerItem(title + kTitleBarButtons, 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
        widened_ = true;
    }
    QMessageBox::showEvent(event);  // sizes the box to its text, then centres it by Qt's guess
    CentreOverParent(*this);
}

void CentredMessageBox::hideEvent(QHideEvent* event) {
    QMessageBox::hideEvent(event);
    HandBackTheKeyboard(*this);
}

void ShowTitledMessage(QWidget* parent, const QString& text) {
    CentredMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void SetLateNewsFilter(std::function<bool()> may_show) {
    LateNewsFilter() = std::move(may_show);
}

void ShowLateNews(QWidget* parent, const QString& text) {
    if (LateNewsFilter() && !LateNewsFilter()()) {
        return;
    }
    auto* box = new CentredMessageBox(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->show();
}

}  // namespace pennix
