// The shared frame of the four windows and the helpers that place their controls.
#include "dialog_look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/look/placement.h"

namespace pennix {

QFont DialogFont(int pixels) {
    QFont font;
    font.setFamilies({"Liberation Sans", "Arial", "MS Sans Serif"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

FixedDialog::FixedDialog(QWidget* parent, const char* name, const QString& caption, QSize client,
                         Escape escape)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      escape_(escape) {
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(client);
    setFont(DialogFont());
    setModal(true);
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOverParent(*this);
}

void FixedDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    HandBackTheKeyboard(*this);
}

// Only the about window has a cancel button; the others close by their button or close box.
void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (escape_ == Escape::Ignored && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& area, const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Texts come from settings and counters; none of them may be taken for markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(area);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QRect& area,
                       const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(area);
    return button;
}

}  // namespace pennix
