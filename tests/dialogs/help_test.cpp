// The help window's two entry points, and that every link in the help pages leads somewhere.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/resources.h"
#include "ui/look/language.h"

namespace pennix {

namespace {

struct PageLinks {
    QSet<QString> anchors;
    QStringList links;
};

PageLinks ReadPage(const QString& file) {
    QFile page(file);
    page.open(QIODevice::ReadOnly);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(page.readAll()));
    PageLinks found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString& name : format.anchorNames()) {
                found.anchors.insert(name);
            }
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                found.links.append(format.anchorHref());
            }
        }
    }
    found.links.removeDuplicates();
    return found;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void opensAtTheContentsAndThenAtTheIndexInTheSameWindow() {
        QWidget main_window;
        main_window.show();
        HelpWindow* contents = ShowHelpContents(&main_window);
        QVERIFY(contents->isVisible());
        QCOMPARE(contents->Browser()->source(), QUrl("qrc:/help/contents.html"));
        QCOMPARE(contents->Browser()->documentTitle(), "Contents");
        QVERIFY(contents->Browser()->toPlainText().contains("How to play"));

        contents->showMinimized();
        HelpWindow* index = ShowHelpIndex(&main_window);
        QCOMPARE(index, contents);
        QVERIFY(!index->isMinimized());
        QCOMPARE(main_window.findChildren<HelpWindow*>().size(), 1);
        QCOMPARE(index->Browser()->source(), QUrl("qrc:/help/index.html"));
        QCOMPARE(index->Browser()->documentTitle(), "Index");
    }

    // Back is offered only when there is a page to go back to.
    void backLeadsToThePageBeforeAndOnlyWhenThereIsOne() {
        QWidget main_window;
        main_window.show();
        HelpWindow* help = ShowHelpContents(&main_window);
        auto* back = help->findChild<QPushButton*>("cmdBack");
        QVERIFY(back != nullptr);
        QVERIFY(!back->isEnabled());
        help->findChild<QPushButton*>("cmdIndex")->click();
        QCOMPARE(help->Browser()->documentTitle(), "Index");
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(help->Browser()->documentTitle(), "Contents");
        QVERIFY(!back->isEnabled());
    }

    void closingTheHelpWindowDestroysIt() {
        QWidget main_window;
        main_window.show();
        QPointer<HelpWindow> help = ShowHelpIndex(&main_window);
        help->close();
        QTRY_VERIFY(help.isNull());
        QVERIFY(ShowHelpContents(&main_window)->isVisible());
    }

    // On a dark desktop the page is dark too: its headings, notes and links must still show.
    void theColoursOfThePagesShowOnADarkDesktop() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
        dark.setColor(QPalette::Link, QColor(0x80, 0xb0, 0xff));
        QApplication::setPalette(dark);
        QWidget main_window;
        HelpWindow* help = ShowHelpContents(&main_window);
        QApplication::setPalette(light);
        const QColor page = dark.color(QPalette::Base);
        int coloured = 0;
        for (QTextBlock block = help->Browser()->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QBrush brush = fragment.fragment().charFormat().foreground();
                if (brush.style() != Qt::NoBrush) {
                    ++coloured;
                    QCOMPARE(ReadableColour(brush.color(), page, Qt::transparent), brush.color());
                }
            }
        }
        QVERIFY(coloured > 0);
    }

    // Each link names a page that exists and, after a '#', a place that page marks; the contents
    // reach every page. So in each language, whose pages are the English ones, translated.
    void everyLinkLeadsToAPageAndPlaceThatExist() {
        HelpContentsPage();
        const QStringList english = QDir(":/help").entryList({"*.html"});
        QVERIFY(english.size() >= 8);
        QStringList folders{":/help"};
        for (const QString& language : TranslatedLanguages()) {
            folders << ":/help/" + language;
            QCOMPARE(QDir(folders.last()).entryList({"*.html"}), english);
        }
        for (const QString& folder : folders) {
            const QDir help(folder);
            QMap<QString, PageLinks> read;
            for (const QString& page : english) {
                read[page] = ReadPage(help.filePath(page));
            }
            for (const QString& page : english) {
                for (const QString& link : read[page].links) {
                    const QString target = link.section('#', 0, 0);
                    const QString place = link.section('#', 1);
                    QVERIFY2(read.contains(target),
                             qPrintable(folder + "/" + page + " links to " + link));
                    QVERIFY2(place.isEmpty() || read[target].anchors.contains(place),
                             qPrintable(folder + "/" + page + " links to " + link));
                }
                QVERIFY2(page == "contents.html" || read["contents.html"].links.contains(page),
                         qPrintable(folder + "/" + page + " is not in the contents"));
            }
        }
    }

    // The pages of the language the windows speak, and the English ones for a language without
    // pages of its own.
    void thePagesFollowTheLanguage() {
        QVERIFY(UseLanguage("fr"));
        QCOMPARE(HelpContentsPage(), QUrl("qrc:/help/fr/contents.html"));
        QCOMPARE(HelpIndexPage(), QUrl("qrc:/help/fr/index.html"));
        QVERIFY(UseLanguage({}));
        QCOMPARE(HelpContentsPage(), QUrl("qrc:/help/contents.html"));
    }
};

}  // namespace pennix

QTEST_MAIN(pennix::HelpTest)
#include "help_test.moc"
