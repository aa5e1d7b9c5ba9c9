// The score and result lines: the core counts, the window words.
#include "score_text.h"

#include <QCoreApplication>

namespace pennix {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("pennix::MainWindow", text);
}

}  // namespace

QString ScoreText(const Game& game) {
    const int human = game.HumanBoxes();
    const int computer = game.ComputerBoxes();
    if (human + computer != kBoxes) {
        return Tr(QT_TRANSLATE_NOOP("pennix::MainWindow", "You %1 Me %2")).arg(human).arg(computer);
    }
    // The winner's count comes first.
    if (computer > human) {
        return Tr(QT_TRANSLATE_NOOP("pennix::MainWindow", "Game over. I win! (%1-%2)"))
            .arg(computer)
            .arg(human);
    }
    if (computer == human) {
        return Tr(QT_TRANSLATE_NOOP("pennix::MainWindow", "Game over. It's a draw! (%1-%2)"))
            .arg(human)
            .arg(computer);
    }
    return Tr(QT_TRANSLATE_NOOP("pennix::MainWindow", "Game over. You win! (%1-%2)"))
        .arg(human)
        .arg(computer);
}

}  // namespace pennix
