// The desktop's own style, except that its standard icons are read when first drawn. Qt's menu
// bar asks for its overflow button's icon as it is built, and reading that icon loads every
// image-format plugin; the button never shows in a window as wide as its menus.
#pragma once

#include <QProxyStyle>

namespace pennix {

class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

  public:
    // Wraps a fresh instance of the style named `base_name` (a QStyleFactory key).
    explicit DeferredIconStyle(const QString& base_name);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts the desktop's current style, wrapped as above, in place for the whole application.
void UseDeferredIconStyle();

}  // namespace pennix
