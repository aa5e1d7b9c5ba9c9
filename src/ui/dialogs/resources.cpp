// Where the compiled-in pictures and help pages (in each language) live, and making sure they
// are linked in.
#include "resources.h"

#include <QFile>
#include <QImageReader>

#include "ui/look/language.h"

// A static library's resources reach the program only when something refers to them; these
// references must stand outside any namespace.
static void LinkResources() {
    Q_INIT_RESOURCE(pennix_help);
    Q_INIT_RESOURCE(pennix_pictures);
}

namespace pennix {

namespace {

void EnsureResources() {
    static const bool linked = (LinkResources(), true);
    (void)linked;
}

// Named as PNG outright: left to guess, Qt first loads every image-format plugin to ask whether
// it reads the file, which costs the start-up more than the picture itself.
QPixmap ReadPng(const QString& path) {
    EnsureResources();
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The pages in the language the windows speak, where they are translated; English otherwise.
QUrl HelpPage(const QString& page) {
    EnsureResources();
    const QString translated = "/help/" + LanguageInUse() + "/" + page;
    if (!LanguageInUse().isEmpty() && QFile::exists(":" + translated)) {
        return QUrl("qrc:" + translated);
    }
    return QUrl("qrc:/help/" + page);
}

}  // namespace

// The sizes window managers draw in title bars and task lists: the largest picture, read at every
// start for the window's icon alone, cost the start-up a decoding and a quarter of a megabyte.
QIcon PennixIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addPixmap(ReadPng(QString(":/icons/pennix-%1.png").arg(size)));
    }
    return icon;
}

QPixmap PennixPicture() {
    return ReadPng(":/icons/pennix-256.png");
}

QPixmap AuthorPicture() {
    return ReadPng(":/pictures/author.png");
}

QUrl HelpContentsPage() {
    return HelpPage("contents.html");
}

QUrl HelpIndexPage() {
    return HelpPage("index.html");
}

}  // namespace pennix
