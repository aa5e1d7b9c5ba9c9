// Every window and message in every language: each text fits its control at the fixed sizes, and
// none is left in English; and the language the desktop's environment asks for.
#include "ui/look/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <map>

#include "desktop/desktop_link_opener.h"
#include "dialogs/modal.h"
#include "store/settings.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/register_dialog.h"
#include "ui/dialogs/score_dialog.h"
#include "ui/look/link_label.h"
#include "ui/main_window.h"
#include "ui/quiet_opener.h"
#include "ui/score_text.h"

namespace pennix {

using testing::WhenModalOpens;

namespace {

// Texts that rightly read the same as in English: names, numbers, and words the language shares.
const std::multimap<QString, QString> kSameAsEnglish{
    {"de", "OK"},      {"fr", "OK"},          {"it", "OK"},          {"nl", "OK"},
    {"pt_BR", "OK"},   {"de", "Version 1.1"}, {"fr", "Version 1.1"}, {"fr", "Index"},
    {"fr", "Options"}, {"it", "File"},        {"nl", "Help"},        {"de", "Index"},
    {"nl", "Index"},   {"es", "No"},          {"it", "No"},          {"fr", "Expert"},
    {"nl", "Expert"}};

bool MaySayTheSame(const QString& language, const QString& text) {
    static const QStringList names{kApplicationTitle, kAuthorEmail, kAuthorPage, kGamePage};
    if (names.contains(text) || !text.contains(QRegularExpression("[A-Za-z]{2}"))) {
        return true;
    }
    const auto [first, last] = kSameAsEnglish.equal_range(language);
    return std::any_of(first, last, [&](const auto& entry) { return entry.second == text; });
}

// What one language's windows showed, by where it showed, and what did not fit.
struct Shown {
    std::map<QString, QString> texts;
    QStringList cut;

    void Add(const QString& where, const QString& text) {
        if (!text.isEmpty()) {
            texts[where] = QString(text).remove('&');
        }
    }
};

QString Where(const QWidget* window, const QObject* control, const char* what) {
    // Qt's own controls have no names: the message box's buttons go by their order.
    const QString name =
        control->objectName().isEmpty()
            ? QString("%1#%2")
                  .arg(control->metaObject()->className())
                  .arg(control->parent()
                           ? control->parent()->children().indexOf(const_cast<QObject*>(control))
                           : 0)
            : control->objectName();
    return window->objectName() + "/" + name + ":" + what;
}

// A label's text, wrapped where the label wraps (as the label itself lays it out) or placed as it
// aligns it, lies within the part of the label that shows (the score label runs past the window's
// edge); a button's caption, with a few pixels of its frame, lies within the button.
bool Fits(const QLabel& label) {
    const QRect room = label.contentsRect() & label.visibleRegion().boundingRect();
    if (label.wordWrap()) {
        return label.heightForWidth(room.width()) <= room.height();
    }
    const QSize text = label.fontMetrics().size(Qt::TextSingleLine, label.text());
    return room.contains(QStyle::alignedRect(label.layoutDirection(), label.alignment(), text,
                                             label.contentsRect()));
}

bool Fits(const QAbstractButton& button) {
    constexpr int kFrame = 6;
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    return text.width() + kFrame <= button.width() && text.height() <= button.height();
}

void Read(QWidget* window, Shown& shown) {
    shown.Add(Where(window, window, "title"), window->windowTitle());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->pixmap().isNull() && !label->text().isEmpty()) {
            shown.Add(Where(window, label, "text"), label->text());
            if (!Fits(*label)) {
                shown.cut << Where(window, label, "text") + " '" + label->text() + "'";
            }
        }
        shown.Add(Where(window, label, "tip"), label->toolTip());
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        shown.Add(Where(window, button, "text"), button->text());
        shown.Add(Where(window, button, "tip"), button->toolTip());
        if (!Fits(*button)) {
            shown.cut << Where(window, button, "text") + " '" + button->text() + "'";
        }
    }
}

// The menu bar keeps to one row: a title that wrapped would make the window taller.
void ReadMenus(QMainWindow& window, Shown& shown) {
    QMenuBar* bar = window.menuBar();
    for (QAction* title : bar->actions()) {
        shown.Add(Where(&window, title, "menu"), title->text());
        const QRect place = bar->actionGeometry(title);
        if (place.top() != bar->actionGeometry(bar->actions().first()).top() ||
            place.right() >= bar->width()) {
            shown.cut << "menu bar: " + title->text();
        }
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        for (QAction* entry : menu->actions()) {
            const QString where = entry->menu() ? Where(&window, entry->menu(), "menu")
                                                : Where(&window, entry, "entry");
            shown.Add(where, entry->text());
        }
    }
}

// Opens a modal window through `open`, reads it and what `inside` opens over it, and closes it.
void ReadModal(const std::function<void()>& open, Shown& shown,
               const std::function<void(QWidget*)>& inside = {}) {
    const auto watch = WhenModalOpens([&](QWidget* window) {
        Read(window, shown);
        if (inside) {
            inside(window);
        }
        window->close();
    });
    open();
}

// A message over `parent`, told apart by what opened it.
void ReadMessage(QWidget* parent, const char* name, const std::function<void()>& open,
                 Shown& shown) {
    const auto watch = WhenModalOpens(
        [&](QWidget* box) {
            box->setObjectName(name);
            Read(box, shown);
            box->close();
        },
        parent);
    open();
}

// A board whose first `owned` boxes are closed, `human` of them the player's, the rest the
// computer's.
Board Owned(int owned, int human) {
    Board board;
    int given = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows && given < owned; ++y) {
            board(x, y).Walls = kClosed;
            board(x, y).Owner = given++ < human ? kHuman : kComputer;
        }
    }
    return board;
}

Board FullBoard(int human) {
    return Owned(kBoxes, human);
}

void ReadMainWindow(Shown& shown) {
    QTemporaryDir folder;
    MainWindow window(SettingsFile(folder.path().toStdString()),
                      {testing::QuietLinks(), [] { return false; }});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Read(&window, shown);
    ReadMenus(window, shown);
    if (window.size() != QSize(390, window.menuBar()->height() + 385)) {
        shown.cut << QString("main window size %1x%2").arg(window.width()).arg(window.height());
    }
    // The longest lines the score label takes: each result with two-digit counts.
    auto* score = window.findChild<QLabel*>("lblScore");
    for (int human : {41, 40, 39}) {
        window.CurrentGame().LoadPosition(FullBoard(human), kHuman);
        score->setText(ScoreText(window.CurrentGame()));
        Read(&window, shown);
        shown.texts[QString("result %1").arg(human)] = score->text();
    }
    ReadMessage(
        &window, "reset", [&] { window.findChild<QAction*>("mnuResetscores")->trigger(); }, shown);
    // Every box has two sides: any wall gives one away.
    Board two_sides;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            DrawWall(two_sides, MakeWall(x, y, kLeft));
            DrawWall(two_sides, MakeWall(x, y, kRight));
        }
    }
    window.CurrentGame().LoadPosition(two_sides, kHuman);
    ReadMessage(
        &window, "noSafeMove", [&] { window.findChild<QPushButton*>("cmdRandom")->click(); },
        shown);
    window.CurrentGame().NewGame();
}

void ReadSmallWindows(Shown& shown) {
    QWidget parent;
    // With nothing to search, no program opens the link: the desktop's own failure is shown.
    DesktopLinkOpener failing{QString()};
    ReadModal([&] { ShowScoreBoard(&parent, 12, 345); }, shown);
    ReadModal([&] { ShowAuthor(&parent); }, shown);
    ReadModal([&] { ShowAbout(&parent, [] { return false; }); }, shown,
              [&](QWidget* about) {
                  ReadMessage(
                      about, "sysInfo",
                      [&] {
                          QTest::mouseClick(about->findChild<QWidget*>("cmdSysInfo"),
                                            Qt::LeftButton);
                      },
                      shown);
              });
    ReadModal(
        [&] { ShowRegister(&parent, failing); }, shown,
        [&](QWidget* note) {
            ReadMessage(
                note, "linkFailure",
                [&] { QTest::mouseClick(note->findChild<QWidget*>("lblWebpage"), Qt::LeftButton); },
                shown);
        });
    QWidget help_parent;
    HelpWindow* help = ShowHelpContents(&help_parent);
    Read(help, shown);
    shown.Add("help page", help->findChild<QTextBrowser*>()->documentTitle());
}

Shown ReadEverything(const QString& language) {
    Shown shown;
    UseLanguage(language);
    ReadMainWindow(shown);
    ReadSmallWindows(shown);
    UseLanguage({});
    return shown;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void ChoosesTheDesktopsLanguage_data();
    void ChoosesTheDesktopsLanguage();
    void ReadsTheEnvironmentInGettextsOrder();
    void EnglishLoadsNoTranslation();
    void EnglishScoreLinesAreTheCores();
    void EveryTextFitsAndIsTranslated_data();
    void EveryTextFitsAndIsTranslated();
};

void LanguageTest::ChoosesTheDesktopsLanguage_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("language");
    QTest::newRow("locale with codeset") << QStringList{"de_AT.UTF-8"} << "de";
    QTest::newRow("modifier") << QStringList{"fr_FR.UTF-8@euro"} << "fr";
    QTest::newRow("Brazil") << QStringList{"pt_BR"} << "pt_BR";
    QTest::newRow("Portugal, nearest") << QStringList{"pt_PT.UTF-8"} << "pt_BR";
    QTest::newRow("unknown, then next") << QStringList{"sv", "nl", "de"} << "nl";
    QTest::newRow("English first") << QStringList{"en_GB", "de"} << "";
    QTest::newRow("C locale") << QStringList{"C.UTF-8"} << "";
    QTest::newRow("nothing the game speaks") << QStringList{"ja_JP.UTF-8"} << "";
    QTest::newRow("nothing set") << QStringList{} << "";
}

void LanguageTest::ChoosesTheDesktopsLanguage() {
    QFETCH(QStringList, choices);
    QFETCH(QString, language);
    QCOMPARE(ChooseLanguage(choices), language);
}

void LanguageTest::ReadsTheEnvironmentInGettextsOrder() {
    const auto with = [](const char* language, const char* all, const char* messages,
                         const char* lang) {
        qputenv("LANGUAGE", language);
        qputenv("LC_ALL", all);
        qputenv("LC_MESSAGES", messages);
        qputenv("LANG", lang);
        return DesktopLanguage();
    };
    QCOMPARE(with("it:de", "fr_FR.UTF-8", "es_ES", "nl_NL"), QString("it"));
    QCOMPARE(with("", "fr_FR.UTF-8", "es_ES", "nl_NL"), QString("fr"));
    QCOMPARE(with("", "", "es_ES", "nl_NL"), QString("es"));
    QCOMPARE(with("", "", "", "nl_NL.UTF-8"), QString("nl"));
    // LANGUAGE alone is enough, as it is for Qt; a locale it does not know still decides.
    QCOMPARE(with("de", "", "", ""), QString("de"));
    QCOMPARE(with("sv", "", "", "pt_BR.UTF-8"), QString("pt_BR"));
    QCOMPARE(with("", "", "", ""), QString());
}

void LanguageTest::EnglishLoadsNoTranslation() {
    QCOMPARE(TranslatedLanguages(), QStringList({"de", "es", "fr", "it", "nl", "pt_BR"}));
    QVERIFY(UseLanguage("de"));
    QCOMPARE(LanguageInUse(), QString("de"));
    QVERIFY(UseLanguage({}));
    QCOMPARE(LanguageInUse(), QString());
    QCOMPARE(QCoreApplication::translate("pennix::MainWindow", "&File"), QString("&File"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
    QVERIFY(!UseLanguage("sv"));
    QCOMPARE(LanguageInUse(), QString());
}

// In English the window words the score and the result as the core does for the arena, byte for
// byte: during play, each result, and the winner's count first.
void LanguageTest::EnglishScoreLinesAreTheCores() {
    QVERIFY(UseLanguage({}));
    Game game;
    for (int owned : {0, 1, 37, 79, kBoxes}) {
        for (int human = 0; human <= owned; human += std::max(1, owned / 8)) {
            game.LoadPosition(Owned(owned, human), kHuman);
            QCOMPARE(ScoreText(game), QString::fromStdString(game.ScoreLine()));
        }
    }
    game.LoadPosition(FullBoard(kBoxes / 2), kHuman);
    QCOMPARE(ScoreText(game), QString("Game over. It's a draw! (40-40)"));
}

void LanguageTest::EveryTextFitsAndIsTranslated_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString& language : TranslatedLanguages()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void LanguageTest::EveryTextFitsAndIsTranslated() {
    QFETCH(QString, language);
    static const Shown english = ReadEverything({});
    const Shown shown = language.isEmpty() ? english : ReadEverything(language);
    QVERIFY2(shown.cut.isEmpty(), qPrintable("cut or too wide:\n" + shown.cut.join('\n')));
    if (language.isEmpty()) {
        return;
    }
    QStringList untranslated;
    for (const auto& [where, text] : english.texts) {
        const auto found = shown.texts.find(where);
        if (found == shown.texts.end()) {
            untranslated << where + " is missing";
        } else if (found->second == text && !MaySayTheSame(language, text)) {
            untranslated << where + " '" + text + "'";
        }
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable("left in English:\n" + untranslated.join('\n')));
}

}  // namespace pennix

QTEST_MAIN(pennix::LanguageTest)
#include "language_test.moc"
