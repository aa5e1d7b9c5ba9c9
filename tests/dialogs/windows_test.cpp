// The four windows: their frames and closing, and what the score board, about and author show.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <utility>

#include "modal.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/register_dialog.h"
#include "ui/dialogs/score_dialog.h"
#include "ui/look/link_label.h"

namespace pennix {

using testing::Click;
using testing::TextOf;
using testing::WhenModalOpens;

namespace {

class NoBrowser : public LinkOpener {
  public:
    std::optional<LinkFailure> Open(const QString&) override { return std::nullopt; }
};

bool NoSystemInfo() {
    return false;
}

QColor TextColour(const QWidget& window, const char* name) {
    return window.findChild<QWidget*>(name)->palette().color(QPalette::WindowText);
}

struct WindowCase {
    const char* name;
    const char* caption;
    QSize client;
    std::function<void(QWidget*)> open;
    const char* close_button;
    bool escape_closes;
};

const std::vector<WindowCase>& Windows() {
    static const std::vector<WindowCase> windows{
        {"frmScore",
         "The history of our matches",
         {312, 131},
         [](QWidget* parent) { ShowScoreBoard(parent, 3, 1); },
         "Command1",
         false},
        {"frmAbout",
         "About Pennix",
         {382, 217},
         [](QWidget* parent) { ShowAbout(parent, NoSystemInfo); },
         "cmdOK",
         true},
        {"frmAuthor", "About me", {408, 255}, ShowAuthor, "Command1", false},
        {"frmRegister",
         "Register? Naaa, Just send me a note!",
         {476, 191},
         [](QWidget* parent) {
             NoBrowser browser;
             ShowRegister(parent, browser);
         },
         "Command1",
         false},
    };
    return windows;
}

void AddWindowRows() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(Windows().size()); ++i) {
        QTest::newRow(Windows()[i].name) << i;
    }
}

// Where each window's controls sit, in its client area's pixels.
const std::vector<std::vector<std::pair<const char*, QRect>>>& ControlPlaces() {
    static const std::vector<std::vector<std::pair<const char*, QRect>>> places{
        {{"lblScore", {0, 16, 313, 57}}, {"Command1", {112, 96, 73, 25}}},
        {{"Image1", {8, 16, 56, 56}},
         {"lblTitle", {72, 16, 259, 32}},
         {"lblVersion", {70, 52, 259, 15}},
         {"lblDescription", {72, 75, 259, 54}},
         {"Line1", {0, 136, 384, 1}},
         {"lblDisclaimer", {17, 152, 258, 55}},
         {"cmdOK", {288, 152, 84, 23}},
         {"cmdSysInfo", {288, 184, 83, 23}}},
        {{"Picture1", {8, 24, 164, 191}},
         {"lblAboutme", {184, 8, 217, 209}},
         {"Command1", {168, 224, 81, 25}}},
        {{"lblRegister", {16, 16, 281, 17}},
         {"Label1", {16, 40, 433, 33}},
         {"Label2", {160, 80, 129, 17}},
         {"Label3", {24, 104, 425, 41}},
         {"lblWebpage", {136, 152, 201, 17}},
         {"Command1", {416, 160, 49, 25}}},
    };
    return places;
}

// What a test saw of a window while it was open.
struct Seen {
    QPointer<QWidget> window;
    QString name;
    QString caption;
    QSize size;
    QSize minimum;
    QSize maximum;
    Qt::WindowFlags flags;
    QPoint centre;
};

Seen Look(QWidget* window) {
    return {window,
            window->objectName(),
            window->windowTitle(),
            window->size(),
            window->minimumSize(),
            window->maximumSize(),
            window->windowFlags(),
            window->frameGeometry().center()};
}

// A control's name and place as one line, so a failure lists every misplaced control at once.
QString Placed(const char* name, const QRect& place) {
    return QString("%1 %2,%3 %4x%5")
        .arg(name)
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height());
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        parent_.setGeometry(150, 120, 640, 480);
        parent_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent_));
    }

    void scoreBoardText_data() {
        QTest::addColumn<int>("you");
        QTest::addColumn<int>("me");
        QTest::addColumn<QString>("text");
        QTest::newRow("fresh match") << 0 << 0 << "You  0 - Me  0";
        QTest::newRow("both positive") << 3 << 1 << "You  3 - Me  1";
        QTest::newRow("negative count") << -5 << 2 << "You -5 - Me  2";
        QTest::newRow("extremes") << 32767 << -32768 << "You  32767 - Me -32768";
    }

    void scoreBoardText() {
        QFETCH(int, you);
        QFETCH(int, me);
        QFETCH(QString, text);
        QCOMPARE(ScoreBoardText(you, me), text);
    }

    void opensModalFixedAndCentredAndClosesWithItsButton_data() { AddWindowRows(); }

    void opensModalFixedAndCentredAndClosesWithItsButton() {
        QFETCH(int, index);
        const WindowCase& window = Windows()[index];
        Seen seen;
        bool modal = false;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            seen = Look(opened);
            modal = opened->isModal();
            Click(opened, window.close_button);
        });
        window.open(&parent_);

        QCOMPARE(seen.name, window.name);
        QCOMPARE(seen.caption, window.caption);
        QVERIFY(modal);
        QCOMPARE(seen.size, window.client);
        QCOMPARE(seen.minimum, window.client);
        QCOMPARE(seen.maximum, window.client);
        QVERIFY(!(seen.flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(seen.flags & Qt::WindowCloseButtonHint);
        QVERIFY((seen.centre - parent_.frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY2(seen.window.isNull(), "a closed window is destroyed");
    }

    void controlsSitWhereTheDesignPutsThem_data() { AddWindowRows(); }

    void controlsSitWhereTheDesignPutsThem() {
        QFETCH(int, index);
        const WindowCase& window = Windows()[index];
        QStringList seen;
        QStringList expected;
        for (const auto& [name, place] : ControlPlaces()[index]) {
            expected << Placed(name, place);
        }
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            for (const auto& [name, place] : ControlPlaces()[index]) {
                const auto* control = opened->findChild<QWidget*>(name);
                const QRect at = control ? control->geometry() : QRect();
                seen << Placed(name, at);
            }
            Click(opened, window.close_button);
        });
        window.open(&parent_);
        QCOMPARE(seen, expected);
    }

    // Each label's text, wrapped as the label wraps it, fits the label's place: none runs past its
    // edge or is cut off at the bottom.
    void everyTextIsShownWhole_data() { AddWindowRows(); }

    void everyTextIsShownWhole() {
        QFETCH(int, index);
        const WindowCase& window = Windows()[index];
        QStringList cut;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            for (const QLabel* label : opened->findChildren<QLabel*>()) {
                const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
                const QRect needed = label->fontMetrics().boundingRect(
                    label->contentsRect(), static_cast<int>(label->alignment()) | wrap,
                    label->text());
                if (!label->text().isEmpty() && !label->contentsRect().contains(needed)) {
                    cut << label->objectName();
                }
            }
            Click(opened, window.close_button);
        });
        window.open(&parent_);
        QCOMPARE(cut, QStringList());
    }

    // Each window opens with the focus on its closing button, which Enter presses.
    void enterPressesTheButtonThatHasTheFocus_data() { AddWindowRows(); }

    void enterPressesTheButtonThatHasTheFocus() {
        QFETCH(int, index);
        const WindowCase& window = Windows()[index];
        QString focused;
        bool closed_by_enter = false;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            QWidget* focus = opened->focusWidget();
            focused = focus ? focus->objectName() : QString();
            QTest::keyClick(focus ? focus : opened, Qt::Key_Return);
            closed_by_enter = !opened->isVisible();
            if (!closed_by_enter) {
                Click(opened, window.close_button);
            }
        });
        window.open(&parent_);
        QCOMPARE(focused, QString(window.close_button));
        QVERIFY(closed_by_enter);
    }

    // Without a window manager nobody else gives the keyboard back to the window under a small
    // window or a message that closes: the game would take no keys until it was clicked.
    void theWindowUnderTakesTheKeysAgainOnceOneClosed_data() {
        AddWindowRows();
        QTest::newRow("message") << -1;
    }

    void theWindowUnderTakesTheKeysAgainOnceOneClosed() {
        QFETCH(int, index);
        parent_.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&parent_));
        bool took_the_keys = false;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            took_the_keys = QApplication::activeWindow() == opened;
            if (auto* box = qobject_cast<QMessageBox*>(opened)) {
                box->button(QMessageBox::Ok)->click();
            } else {
                Click(opened, Windows()[index].close_button);
            }
        });
        if (index < 0) {
            ShowTitledMessage(&parent_, "A message");
        } else {
            Windows()[index].open(&parent_);
        }
        QVERIFY(took_the_keys);
        QTRY_COMPARE(QApplication::activeWindow(), &parent_);
    }

    void escapeClosesOnlyTheAboutWindow_data() { AddWindowRows(); }

    void escapeClosesOnlyTheAboutWindow() {
        QFETCH(int, index);
        const WindowCase& window = Windows()[index];
        bool open_after_escape = false;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            QTest::keyClick(opened, Qt::Key_Escape);
            open_after_escape = opened->isVisible();
            if (open_after_escape) {
                Click(opened, window.close_button);
            }
        });
        window.open(&parent_);
        QCOMPARE(open_after_escape, !window.escape_closes);
    }

    void scoreBoardShowsTheCountsItIsGiven() {
        QString score;
        QString button;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            score = TextOf(opened, "lblScore");
            button = TextOf(opened, "Command1");
            Click(opened, "Command1");
        });
        ShowScoreBoard(&parent_, -5, 2);
        QCOMPARE(score, "You -5 - Me  2");
        QCOMPARE(button, "Ok");
    }

    // The board is one line high: a long match's counts must not wrap onto a half-shown line.
    void scoreBoardKeepsLongCountsWholeOnOneLine() {
        for (const auto& [you, me] : {std::pair{3, 1}, {9999, 9999}, {32767, -32768}}) {
            int pixel_size = 0;
            bool fits = false;
            const auto watch = WhenModalOpens([&](QWidget* opened) {
                const auto* label = opened->findChild<QLabel*>("lblScore");
                pixel_size = label->font().pixelSize();
                fits = !label->wordWrap() &&
                       label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
                Click(opened, "Command1");
            });
            ShowScoreBoard(&parent_, you, me);
            QVERIFY2(fits, qPrintable(ScoreBoardText(you, me)));
            if (you == 3) {
                QCOMPARE(pixel_size, 35);  // a short score keeps the board's size
            }
        }
    }

    void aboutShowsTitleVersionAndDescription() {
        QStringList texts;
        bool has_picture = false;
        int title_size = 0;
        int text_size = 0;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer",
                                     "cmdOK", "cmdSysInfo"}) {
                texts << TextOf(opened, name);
            }
            const auto* picture = opened->findChild<QLabel*>("Image1");
            has_picture = picture && !picture->pixmap().isNull();
            title_size = opened->findChild<QLabel*>("lblTitle")->font().pixelSize();
            text_size = opened->findChild<QLabel*>("lblDescription")->font().pixelSize();
            Click(opened, "cmdOK");
        });
        ShowAbout(&parent_, NoSystemInfo);
        QCOMPARE(texts, QStringList({"Pennix", "Version 1.1",
                                     "This is the simple game of pennix that I used to play as a "
                                     "little kid in school. Every time I learn a new language, I "
                                     "write this game first. Hope you enjoy the game.",
                                     "", "OK", "&System Info..."}));
        QVERIFY(has_picture);
        QVERIFY2(title_size > text_size, "the title stands out from the text");
    }

    // OK is the default button, but Enter presses whichever button has the focus.
    void aboutEnterPressesTheFocusedButton() {
        QStringList focus;
        QString message;
        bool open_after_sysinfo = false;
        bool open_after_ok = true;
        const auto watch = WhenModalOpens([&](QWidget* about) {
            focus << about->focusWidget()->objectName();
            QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
            focus << about->focusWidget()->objectName();
            const auto message_watch = WhenModalOpens(
                [&](QWidget* box) {
                    message = qobject_cast<QMessageBox*>(box)->text();
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
                },
                about);
            QTest::keyClick(about->focusWidget(), Qt::Key_Return);
            open_after_sysinfo = about->isVisible();
            QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
            focus << about->focusWidget()->objectName();
            QTest::keyClick(about->focusWidget(), Qt::Key_Return);
            open_after_ok = about->isVisible();
            if (open_after_ok) {
                Click(about, "cmdOK");
            }
        });
        ShowAbout(&parent_, NoSystemInfo);
        QCOMPARE(focus, QStringList({"cmdOK", "cmdSysInfo", "cmdOK"}));
        QCOMPARE(message, "System Information Is Unavailable At This Time");
        QVERIFY(open_after_sysinfo);
        QVERIFY(!open_after_ok);
    }

    void authorShowsPictureAndThreeParagraphs() {
        QString text;
        QString tooltip;
        QSize picture;
        const auto watch = WhenModalOpens([&](QWidget* opened) {
            text = TextOf(opened, "lblAboutme");
            if (const auto* label = opened->findChild<QLabel*>("Picture1")) {
                tooltip = label->toolTip();
                picture = label->pixmap().size();
            }
            Click(opened, "Command1");
        });
        ShowAuthor(&parent_);
        const QStringList paragraphs = text.split("\n\n");
        QCOMPARE(paragraphs.size(), 3);
        for (const QString& paragraph : paragraphs) {
            QVERIFY(!paragraph.trimmed().isEmpty() && !paragraph.contains('\n'));
        }
        QVERIFY(paragraphs[2].contains("skydiving"));
        QCOMPARE(tooltip, "Me skydiving");
        QCOMPARE(picture, QSize(164, 191));
    }

    // The game's black and blue texts on a light desktop; on a dark one, whose background would
    // swallow them, the desktop's own text and link colours (Breeze Dark's here).
    void fixedTextColoursGiveWayOnADarkDesktop() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(49, 54, 59));
        dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
        dark.setColor(QPalette::Link, QColor(29, 153, 243));
        struct Case {
            QPalette desktop;
            QColor text;
            QColor address;
        };
        for (const Case& expected : {Case{light, Qt::black, QColor(0, 0, 255)},
                                     Case{dark, QColor(239, 240, 241), QColor(29, 153, 243)}}) {
            QApplication::setPalette(expected.desktop);
            NoBrowser browser;
            const AboutDialog about(&parent_, NoSystemInfo);
            const RegisterDialog note(&parent_, browser);
            const QColor title = TextColour(about, "lblTitle");
            const QColor description = TextColour(about, "lblDescription");
            const QColor address = TextColour(note, "Label2");
            const QColor link = TextColour(note, "lblWebpage");
            QApplication::setPalette(light);
            QCOMPARE(title, expected.text);
            QCOMPARE(description, expected.text);
            QCOMPARE(address, expected.address);
            QCOMPARE(link, expected.address);
        }
    }

    // The button starts the program and shows nothing; with nothing to start it says so, and the
    // about window stays open either way.
    void aboutButtonStartsTheProgramOrSaysItIsUnavailable_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("message");
        QTest::newRow("installed") << true << "";
        QTest::newRow("not installed") << false << "System Information Is Unavailable At This Time";
    }

    void aboutButtonStartsTheProgramOrSaysItIsUnavailable() {
        QFETCH(bool, installed);
        QFETCH(QString, message);
        QString shown;
        QString title;
        bool open_afterwards = false;
        int starts = 0;
        const auto watch = WhenModalOpens([&](QWidget* about) {
            const auto message_watch = WhenModalOpens(
                [&](QWidget* box) {
                    shown = qobject_cast<QMessageBox*>(box)->text();
                    title = box->windowTitle();
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
                },
                about);
            Click(about, "cmdSysInfo");
            open_afterwards = about->isVisible();
            Click(about, "cmdOK");
        });
        ShowAbout(&parent_, [&] {
            ++starts;
            return installed;
        });
        QCOMPARE(starts, 1);
        QCOMPARE(shown, message);
        QCOMPARE(title, message.isEmpty() ? "" : "Pennix");
        QVERIFY(open_afterwards);
    }

  private:
    QWidget parent_;
};

}  // namespace pennix

QTEST_MAIN(pennix::WindowsTest)
#include "windows_test.moc"
