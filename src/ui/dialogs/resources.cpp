// Where the compiled-in pictures and help pages live, and making sure they are linked in.
#include "resources.h"

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

}  // namespace

QIcon PennixIcon() {
    EnsureResources();
    QIcon icon;
    for (int size : {16, 32, 48, 256}) {
        icon.addFile(QString(":/icons/pennix-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap AuthorPicture() {
    EnsureResources();
    return QPixmap(":/pictures/author.png");
}

QUrl HelpContentsPage() {
    EnsureResources();
    return QUrl("qrc:/help/contents.html");
}

QUrl HelpIndexPage() {
    EnsureResources();
    return QUrl("qrc:/help/index.html");
}

}  // namespace pennix
