// The style that reads its standard icons when first drawn: same pictures, read once, and the
// desktop's own style kept underneath.
#include "ui/look/deferred_icon_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

namespace pennix {
namespace {

// Fusion, counting how often it is asked for a standard icon.
class CountingStyle : public QProxyStyle {
  public:
    CountingStyle() : QProxyStyle(QStyleFactory::create("fusion")) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        ++asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int asked = 0;
};

QImage Picture(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class DeferredIconStyleTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsWhatTheStyleUnderneathDraws() {
        DeferredIconStyle deferred("fusion");
        std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
        for (auto which :
             {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_TitleBarCloseButton,
              QStyle::SP_DialogOkButton, QStyle::SP_ArrowRight}) {
            const QIcon expected = fusion->standardIcon(which);
            const QIcon icon = deferred.standardIcon(which);
            QCOMPARE(icon.isNull(), expected.isNull());
            QCOMPARE(Picture(icon), Picture(expected));
            QCOMPARE(icon.actualSize(QSize(16, 16)), expected.actualSize(QSize(16, 16)));
        }
    }

    void readsAnIconOnlyWhenItIsDrawnAndThenOnce() {
        DeferredIconStyle deferred("fusion");
        auto* counting = new CountingStyle;
        deferred.setBaseStyle(counting);
        const QIcon icon = deferred.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon copy = icon;
        QCOMPARE(counting->asked, 0);
        Picture(icon);
        Picture(copy);
        icon.pixmap(QSize(32, 32));
        QCOMPARE(counting->asked, 1);
    }

    void anIconWhoseStyleIsGoneDrawsNothing() {
        DeferredIconStyle deferred("fusion");
        const QIcon icon = deferred.standardIcon(QStyle::SP_ArrowRight);
        deferred.setBaseStyle(QStyleFactory::create("windows"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the first base goes
        QVERIFY(icon.isNull());
        QVERIFY(icon.pixmap(QSize(16, 16)).isNull());
    }

    void keepsTheStyleTheApplicationWasGiven() {
        QApplication::setStyle("windows");
        UseDeferredIconStyle();
        auto* style = qobject_cast<DeferredIconStyle*>(QApplication::style());
        QVERIFY(style != nullptr);
        QCOMPARE(style->baseStyle()->name(), QString("windows"));
    }
};

}  // namespace pennix

QTEST_MAIN(pennix::DeferredIconStyleTest)
#include "deferred_icon_style_test.moc"
