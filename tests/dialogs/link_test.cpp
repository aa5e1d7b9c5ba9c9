// The web links: what they open, the message when that fails, and the note window's addresses.
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "modal.h"
#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/frm_register.h"
#include "ui/dialogs/link_label.h"

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

// Stands in for the browser: the desktop hands it the addresses it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

  public slots:
    void Open(const QUrl& url) { urls.append(url); }

  public:
    QList<QUrl> urls;
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
    void initTestCase() {
        for (const char* scheme : {"http", "https", "file", "mailto", "javascript"}) {
            QDesktopServices::setUrlHandler(scheme, &browser_, "Open");
        }
    }

    void init() { browser_.urls.clear(); }

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

    void desktopOpenerRefusesWhatIsNotAWebAddress_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "not an address";
        QTest::newRow("local file") << "file:///etc/passwd";
        QTest::newRow("script") << "javascript:alert(1)";
        QTest::newRow("mail") << "mailto:pennix@example.com";
        QTest::newRow("no host") << "https://";
        QTest::newRow("relative") << "pennix.example.org/game";
    }

    void desktopOpenerRefusesWhatIsNotAWebAddress() {
        QFETCH(QString, address);
        DesktopLinkOpener opener;
        const std::optional<LinkFailure> failure = opener.Open(address);
        QVERIFY(failure.has_value());
        QCOMPARE(failure->number, DesktopLinkOpener::kNotWebAddress);
        QVERIFY(browser_.urls.isEmpty());
    }

    void desktopOpenerHandsWebAddressesToTheDesktop() {
        DesktopLinkOpener opener;
        QVERIFY(!opener.Open("https://pennix.example.org/game/").has_value());
        QVERIFY(!opener.Open("HTTP://pennix.example.org/").has_value());
        QCOMPARE(browser_.urls, QList<QUrl>({QUrl("https://pennix.example.org/game/"),
                                             QUrl("http://pennix.example.org/")}));
    }

    void registerWindowShowsTheAddressesAndItsLinkOpensTheGamePage() {
        QWidget parent;
        parent.show();
        FakeOpener opener;
        QStringList texts;
        QString email_tooltip;
        QStringList opened_by_email;
        const auto watch = WhenModalOpens([&](QWidget* note) {
            for (const char* name :
                 {"lblRegister", "Label1", "Label2", "Label3", "lblWebpage", "Command1"}) {
                texts << TextOf(note, name);
            }
            email_tooltip = note->findChild<QLabel*>("Label2")->toolTip();
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
        QVERIFY2(opened_by_email.isEmpty(), "the e-mail address is not a link");
        QCOMPARE(opener.opened, QStringList({kGamePage}));
    }

    // A build configured with an address the opener refuses would have links that never work.
    void configuredAddressesAreWebAddresses() {
        QVERIFY(!DesktopLinkOpener().Open(kAuthorPage).has_value());
        QVERIFY(!DesktopLinkOpener().Open(kGamePage).has_value());
        QVERIFY(QString(kAuthorEmail).contains('@'));
    }

  private:
    UrlRecorder browser_;
};

}  // namespace pennix

QTEST_MAIN(pennix::LinkTest)
#include "link_test.moc"
