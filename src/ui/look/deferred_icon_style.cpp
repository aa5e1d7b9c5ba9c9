// Standard icons handed out unread and read on first paint, so building the menu bar loads no
// image-format plugins.
#include "deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace pennix {

namespace {

// Stands for a standard icon of `style` and asks the style for it on first use.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        // QPointer only watches the widget; it is handed back to the style as const.
        : style_(style), which_(which), widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QString key() const override { return "pennix-deferred"; }
    QIconEngine* clone() const override {
        auto* copy = new DeferredIconEngine(style_, which_, widget_);
        copy->icon_ = icon_;
        return copy;
    }

  private:
    const QIcon& Icon() {
        if (!icon_) {
            // A style replaced in the meantime leaves nothing to draw rather than a dangling one.
            icon_ = style_ ? style_->standardIcon(which_, nullptr, widget_) : QIcon();
        }
        return *icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;
    std::optional<QIcon> icon_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(const QString& base_name) : QProxyStyle(base_name) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    // An option lives only as long as the call, so an icon asked for with one is read at once.
    if (option != nullptr) {
        return QProxyStyle::standardIcon(which, option, widget);
    }
    return QIcon(new DeferredIconEngine(baseStyle(), which, widget));
}

void UseDeferredIconStyle() {
    // Built from the name, so a style chosen with -style or QT_STYLE_OVERRIDE is kept.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
}

}  // namespace pennix
