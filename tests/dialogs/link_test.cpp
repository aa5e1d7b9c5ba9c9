// The link label: what a click opens, and the failure message; and the Register window's link.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "modal.h"
#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/register_dialog.h"
#include "ui/look/link_label.h"

namespace pennix {

using testing::Click;
using testing::TextOf;
using testing::WhenModalOpens;

namespace {

class FakeOpener : public LinkOpener {
  public:
    std::optional<LinkFailure> Open(const QString& address) override {
        opened.append(address);
        return failure;
    }

    QStringList opened;
    std::optional<LinkFailure> failure;
};

struct Message {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Reads and closes the next message box.
testing::ModalWatch WhenMessageOpens(Message& message, QWidget* previous = nullptr) {
    return WhenModalOpens(
        [&message](QWidget* opened) {
            auto* box = qobject_cast<QMessageBox*>(opened);
            if (!box) {
                opened->close();
                return;
            }
            message = {box->windowTitle(), box->text(), box->standardButtons()};
            box->button(QMessageBox::Ok)->click();
        },
        previous);
}

}  // namespace

class LinkTest : public QObject {
    Q_OBJECT

  private slots:
    // What the label shows is what it opens, every time it is clicked.
    void linkOpensItsOwnText() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        QTest::mouseClick(&link, Qt::LeftButton);
        QTest::mouseClick(&link, Qt::LeftButton);
        link.setText("https://two.example.org/page");
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(opener.opened, QStringList({"https://one.example.org/", "https://one.example.org/",
                                             "https://two.example.org/page"}));
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link.toolTip(), "Go to my personal home page");
        QVERIFY(link.font().underline());
    }

    // Through the window, so that Qt itself makes the second press a double click: the page
    // opens once for it, and again for a click that comes later.
    void doubleClickOpensThePageOnce() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        link.setGeometry(10, 10, 100, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint on_link = link.geometry().center();
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, on_link);
        QCOMPARE(opener.opened.size(), 1);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, on_link);
        QCOMPARE(opener.opened.size(), 2);
    }

    // Qt makes a press a double click whenever the one before it was close by: after a first
    // press that just missed the link, or a click long after the one that opened it, the double
    // click is a click of its own. Sent directly, as QTest keeps its clicks apart.
    void doubleClickIsAClickUnlessItsFirstClickOpenedThePage() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        link.setGeometry(10, 10, 100, 20);
        const auto send = [&link](QEvent::Type type, quint64 timestamp) {
            const QPointF at(5, 5);
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, link.mapToGlobal(at), Qt::LeftButton, held, {});
            event.setTimestamp(timestamp);
            QApplication::sendEvent(&link, &event);
        };
        send(QEvent::MouseButtonDblClick, 1000);  // its first press missed the link
        send(QEvent::MouseButtonRelease, 1050);
        QCOMPARE(opener.opened.size(), 1);
        send(QEvent::MouseButtonPress, 9000);
        send(QEvent::MouseButtonRelease, 9050);
        QCOMPARE(opener.opened.size(), 2);
        send(QEvent::MouseButtonDblClick, 9200);  // the second press of that click
        send(QEvent::MouseButtonRelease, 9250);
        QCOMPARE(opener.opened.size(), 2);
        send(QEvent::MouseButtonDblClick, 20000);  // long after it
        send(QEvent::MouseButtonRelease, 20050);
        QCOMPARE(opener.opened.size(), 3);
        // A press taken off the link before its release opens nothing, and the press after it
        // is the first of a click, whenever the page last opened.
        send(QEvent::MouseButtonPress, 20100);
        QMouseEvent off_the_link(QEvent::MouseButtonRelease, QPointF(500, 5),
                                 link.mapToGlobal(QPointF(500, 5)), Qt::LeftButton, Qt::NoButton,
                                 {});
        off_the_link.setTimestamp(20150);
        QApplication::sendEvent(&link, &off_the_link);
        QCOMPARE(opener.opened.size(), 3);
        send(QEvent::MouseButtonDblClick, 20200);
        send(QEvent::MouseButtonRelease, 20250);
        QCOMPARE(opener.opened.size(), 4);
    }

    void pressWithoutReleaseOnTheLinkOpensNothing() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        link.resize(100, 20);
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(150, 5));
        QTest::mouseClick(&link, Qt::RightButton);
        QVERIFY(opener.opened.isEmpty());
    }

    void failureIsReportedWithDescriptionAndNumber() {
        QWidget window;
        window.show();
        FakeOpener opener;
        opener.failure = LinkFailure{"File not found", 53};
        LinkLabel link("https://pennix.example.org/", &window, opener);
        Message message;
        const auto watch = WhenMessageOpens(message);
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(message.text,
                 "Unable to load 'https://pennix.example.org/' : File not found "
                 "(Error 53)");
        QCOMPARE(message.title, kApplicationTitle);
        QCOMPARE(message.buttons, QMessageBox::Ok);
        QVERIFY(window.isVisible());
    }

    void registerWindowShowsTheAddressesAndItsLinkOpensTheGamePage() {
        QWidget parent;
        parent.show();
        FakeOpener opener;
        QStringList texts;
        QString email_tooltip;
        bool link_underlined = false;
        QStringList opened_by_email;
        const auto watch = WhenModalOpens([&](QWidget* note) {
            for (const char* name :
                 {"lblRegister", "Label1", "Label2", "Label3", "lblWebpage", "Command1"}) {
                texts << TextOf(note, name);
            }
            email_tooltip = note->findChild<QLabel*>("Label2")->toolTip();
            link_underlined = note->findChild<QLabel*>("lblWebpage")->font().underline();
            Click(note, "Label2");
            opened_by_email = opener.opened;
            Click(note, "lblWebpage");
            Click(note, "Command1");
        });
        ShowRegister(&parent, opener);
        QCOMPARE(texts,
                 QStringList({"",
                              "All that I ask, is that if you enjoy this game, please just send "
                              "me an e-mail telling me. Please send any comments you may have to:",
                              kAuthorEmail,
                              "You can also visit me on the world wide web by clicking the link "
                              "below. The link below should automatically start your default web "
                              "browser. If it doesn't sorry. I'm still working out the bugs!",
                              kGamePage, "OK"}));
        QCOMPARE(email_tooltip, "Send me your comments!");
        QVERIFY2(link_underlined, "the link looks like one");
        QVERIFY2(opened_by_email.isEmpty(), "the e-mail address is not a link");
        QCOMPARE(opener.opened, QStringList({kGamePage}));
    }
};

}  // namespace pennix

QTEST_MAIN(pennix::LinkTest)
#include "link_test.moc"
