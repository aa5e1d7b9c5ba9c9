// The score board window and the text of its one label.
#include "score_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace pennix {

namespace {

QString CountText(int count) {
    return count < 0 ? QString::number(count) : " " + QString::number(count);
}

// Comic Sans MS 26.25 pt, as its free look-alike in pixels at 96 dpi.
QFont ScoreBoardFont() {
    QFont font;
    font.setFamilies({"Comic Neue", "Comic Sans MS"});
    font.setStyleHint(QFont::Cursive);
    font.setPixelSize(35);
    return font;
}

// The look-alike face runs wider than the one the board was laid out for: a long match's counts
// would wrap, and the label's height would cut the second line in half. The score stays on one
// line, in a smaller size when it must.
void FitOnOneLine(QLabel& label) {
    constexpr int kSmallestPixelSize = 12;
    label.setWordWrap(false);
    QFont font = label.font();
    while (font.pixelSize() > kSmallestPixelSize &&
           QFontMetrics(font).horizontalAdvance(label.text()) > label.width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label.setFont(font);
}

}  // namespace

QString ScoreBoardText(int you, int me) {
    return ScoreDialog::tr("You %1 - Me %2").arg(CountText(you), CountText(me));
}

ScoreDialog::ScoreDialog(QWidget* parent, int you, int me)
    : FixedDialog(parent, "frmScore", tr("The history of our matches"), QSize(312, 131),
                  Escape::Ignored) {
    QLabel* lblScore = AddLabel(this, "lblScore", QRect(0, 16, 313, 57), ScoreBoardText(you, me));
    lblScore->setFont(ScoreBoardFont());
    FitOnOneLine(*lblScore);
    lblScore->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QPushButton* Command1 = AddButton(this, "Command1", QRect(112, 96, 73, 25), tr("Ok"));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    Command1->setFocus();
}

void ShowScoreBoard(QWidget* parent, int you, int me) {
    ScoreDialog window(parent, you, me);
    window.exec();
}

}  // namespace pennix
