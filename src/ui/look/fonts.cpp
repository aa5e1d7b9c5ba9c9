// Each of the game's own faces is tried after its free stand-in (the Liberation faces share their
// metrics; Comic Neue only looks alike), then the generic style.
#include "fonts.h"

#include <QStringList>

namespace pennix {

namespace {

QFont Face(const QStringList& families, QFont::StyleHint hint, int pixels) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    // Every attribute is set, so that nothing is inherited from the bold board font around it.
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

}  // namespace

QFont BoardFont() {
    QFont font = Face({"Liberation Sans", "Arial"}, QFont::SansSerif, 21);
    font.setBold(true);
    return font;
}

QFont ScoreFont() {
    return Face({"Liberation Serif", "Times New Roman"}, QFont::Serif, 21);
}

QFont ButtonFont() {
    return Face({"Liberation Mono", "Courier New", "Courier"}, QFont::Monospace, 13);
}

QFont WebpageFont() {
    QFont font = Face({"Comic Neue", "Comic Sans MS"}, QFont::Cursive, 11);
    font.setUnderline(true);
    return font;
}

}  // namespace pennix
