// The centred message box and the two ways a message is shown: waited for, or left standing.
#include "messages.h"

#include "ui/look/placement.h"

namespace pennix {

namespace {

// The build gives the title (the project's name), as it gives the windows theirs.
constexpr char kTitle[] = PENNIX_APPLICATION_TITLE;

std::function<bool()>& LateNewsFilter() {
    static std::function<bool()> may_show;
    return may_show;
}

}  // namespace

void CentredMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);  // sizes the box to its text, then centres it by Qt's guess
    CentreWhereThereIsNoFrame(*this);
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
