// The shared frame of the four windows and the helpers that place their controls.
#include "dialog_look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "ui/dialogs/build_settings.h"

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

namespace {

// Qt centres a dialog by a guess at the window manager's frames, and with no frame at all (no
// window manager) its guess puts the dialog 10 pixels left of and 40 above the centre: centred
// exactly then. Under a window manager Qt's guess, from the parent's real frame, stands.
void CentreWhereThereIsNoFrame(QWidget& dialog) {
    const QWidget* parent = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (parent == nullptr || !parent->isVisible() ||
        parent->frameGeometry() != parent->geometry()) {
        return;
    }
    QRect placed(QPoint(), dialog.size());
    placed.moveCenter(parent->geometry().center());
    dialog.move(placed.topLeft());
}

// Without a window manager nobody hands the keyboard back to the window under a dialog that
// closes, and that window would take no keys until clicked. Under a window manager this asks for
// what the manager does anyway.
void HandBackTheKeyboard(const QWidget& dialog) {
    QWidget* under = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (under != nullptr && under->isVisible()) {
        under->activateWindow();
    }
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them; 3 is
// their least contrast for large text, which every text here is, or near enough.
constexpr double kLeastContrast = 3.0;

double Luminance(const QColor& colour) {
    const auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& first, const QColor& second) {
    // Not std::minmax: it would hand back references to the two luminances, gone by the return.
    const double one = Luminance(first);
    const double other = Luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

std::function<bool()>& LateNewsFilter() {
    static std::function<bool()> may_show;
    return may_show;
}

}  // namespace

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreWhereThereIsNoFrame(*this);
}

void FixedDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    HandBackTheKeyboard(*this);
}

void CentredMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);  // sizes the box to its text, then centres it by Qt's guess
    CentreWhereThereIsNoFrame(*this);
}

void CentredMessageBox::hideEvent(QHideEvent* event) {
    QMessageBox::hideEvent(event);
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

QColor ReadableColour(const QColor& colour, const QColor& background, const QColor& fallback) {
    return Contrast(colour, background) >= kLeastContrast ? colour : fallback;
}

void FillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour, QPalette::ColorRole fallback) {
    QPalette palette = widget->palette();
    const QColor background = palette.color(widget->backgroundRole());
    palette.setColor(QPalette::WindowText,
                     ReadableColour(colour, background, palette.color(fallback)));
    widget->setPalette(palette);
}

void ShowTitledMessage(QWidget* parent, const QString& text) {
    CentredMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
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
    auto* box = new CentredMessageBox(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok,
                                      parent);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->show();
}

}  // namespace pennix
