// Polling for the modal window of the moment, and reading and clicking its controls by name.
#include "modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace pennix::testing {

ModalWatch::ModalWatch(std::function<void(QWidget*)> handle, QWidget* previous)
    : timer_(std::make_unique<QTimer>()) {
    QTimer* timer = timer_.get();
    const QDeadlineTimer deadline(5000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, previous, handle]() {
        QWidget* modal = QApplication::activeModalWidget();
        const bool opened = modal && modal != previous && modal->isVisible();
        if (opened || deadline.hasExpired()) {
            timer->stop();
        }
        if (opened) {
            handle(modal);
        }
    });
    timer->start(10);
}

ModalWatch::~ModalWatch() = default;

QString TextOf(const QWidget* window, const char* name) {
    if (const auto* label = window->findChild<QLabel*>(name)) {
        return label->text();
    }
    if (const auto* button = window->findChild<QAbstractButton*>(name)) {
        return button->text();
    }
    return "<missing>";
}

void Click(QWidget* window, const char* name) {
    if (auto* child = window->findChild<QWidget*>(name)) {
        QTest::mouseClick(child, Qt::LeftButton);
    }
}

}  // namespace pennix::testing
