// One game per settings file: later starts hand over, wait for an ending game, and meet the claim
// however the file is reached; what a dead game or another account left cannot block it.
#include "desktop/game_claim.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "store/atomic_file.h"

namespace pennix {

namespace {

// A later start runs in a thread of its own: it waits for the game, whose answers come from
// this thread's event loop. A QThread, as a start that wins listens for calls.
class LaterStart {
  public:
    explicit LaterStart(const std::filesystem::path& file)
        : thread_(QThread::create([this, file] {
              const GameClaim claim(file);
              may_start_ = claim.MayStart();
              handed_over_ = claim.HandedOver();
          })) {
        thread_->start();
    }
    ~LaterStart() { thread_->wait(); }

    bool Running() const { return !thread_->isFinished(); }
    // Whether it handed over to the game, once it has ended; the event loop runs meanwhile.
    bool HandedOver() {
        Finish();
        return handed_over_ && !may_start_;
    }
    bool MayStart() {
        Finish();
        return may_start_ && !handed_over_;
    }

  private:
    void Finish() {
        while (!thread_->wait(10)) {
            QCoreApplication::processEvents();
        }
    }

    std::unique_ptr<QThread> thread_;
    bool may_start_ = false;
    bool handed_over_ = false;
};

std::filesystem::path Path(const QTemporaryDir& folder, const char* name) {
    return QFile::encodeName(folder.filePath(name)).toStdString();
}

// What a killed game leaves: a socket file nobody listens on.
void LeaveDeadSocket(const std::filesystem::path& address) {
    const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un named{};
    named.sun_family = AF_UNIX;
    std::strncpy(named.sun_path, address.c_str(), sizeof named.sun_path - 1);
    QVERIFY(::bind(dead, reinterpret_cast<sockaddr*>(&named), sizeof named) == 0);
    ::close(dead);
}

}  // namespace

class GameClaimTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        QVERIFY(ReplaceFile(Path(folder_, "pennix.ini"), "[Game]\n"));
    }

    void secondStartHandsOverAndTheGameComesForward() {
        GameClaim game(file());
        QVERIFY(game.MayStart());
        int forward = 0;
        game.WhenStartedAgain([&forward] { ++forward; });
        LaterStart later(file());
        QVERIFY(later.HandedOver());
        QCOMPARE(forward, 1);
    }

    void startMadeWhileTheGameEndsWaitsAndThenIsTheGame() {
        std::optional<GameClaim> game(std::in_place, file());
        bool asked = false;
        game->EndingWhen([&asked] { return asked = true; });
        LaterStart later(file());
        QTRY_VERIFY_WITH_TIMEOUT(asked, 20000);
        QTest::qWait(100);
        QVERIFY(later.Running());
        game.reset();
        QVERIFY(later.MayStart());
    }

    void heldCallsAreAnsweredOnlyOnceCallsAreTakenAgain() {
        GameClaim game(file());
        int forward = 0;
        game.WhenStartedAgain([&forward] { ++forward; });
        game.HoldCalls();
        LaterStart later(file());
        QTest::qWait(500);
        QCOMPARE(forward, 0);
        QVERIFY(later.Running());
        game.AnswerCalls();
        QVERIFY(later.HandedOver());
        QCOMPARE(forward, 1);
    }

    // The lock, the socket and a file in the socket's place, as a killed game and a stray tool
    // might leave them; the start is the game, and answers the next one.
    void whatADeadGameLeftDoesNotBlockAStart() {
        const std::filesystem::path folder = GameClaim::ClaimFolder();
        QVERIFY(!folder.empty());
        const std::vector<std::string> names = GameClaim::ClaimNames(file());
        QCOMPARE(names.size(), std::size_t{2});
        QFile(QString::fromStdString(folder / (names[0] + ".lock"))).open(QIODevice::WriteOnly);
        LeaveDeadSocket(folder / (names[0] + ".socket"));
        QFile(QString::fromStdString(folder / (names[1] + ".socket"))).open(QIODevice::WriteOnly);
        GameClaim game(file());
        QVERIFY(game.MayStart());
        LaterStart later(file());
        QVERIFY(later.HandedOver());
    }

    // Through a linked folder, a hard link in another folder, and after a save has replaced the
    // file: one file, one game.
    void theSameFileReachedAnotherWayMeetsTheClaim() {
        QTemporaryDir other;
        QVERIFY(::symlink(folder_.path().toLocal8Bit(), Path(other, "linked").c_str()) == 0);
        QVERIFY(::link(file().c_str(), Path(other, "pennix.ini").c_str()) == 0);
        GameClaim game(Path(other, "pennix.ini"));
        QVERIFY(game.MayStart());
        QVERIFY(ReplaceFile(Path(other, "pennix.ini"), "[Game]\nLevel=Genius\n"));
        for (const std::filesystem::path& way :
             {file(), Path(other, "linked/pennix.ini"), Path(other, "pennix.ini")}) {
            LaterStart later(way);
            QVERIFY2(later.HandedOver(), way.c_str());
        }
        QTemporaryDir unrelated;
        QVERIFY(GameClaim(Path(unrelated, "pennix.ini")).MayStart());
    }

    // Another account could put a socket of its own in a folder it may write to.
    void aFolderOthersMayWriteToHoldsNoClaim() {
        QTemporaryDir shared;
        QVERIFY(::chmod(shared.path().toLocal8Bit(), 0777) == 0);
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", shared.path().toLocal8Bit());
        const std::filesystem::path folder = GameClaim::ClaimFolder();
        qputenv("XDG_RUNTIME_DIR", runtime);
        QVERIFY(!folder.empty());
        QVERIFY(folder != Path(shared, ""));
        struct stat status {};
        QVERIFY(::lstat(folder.c_str(), &status) == 0);
        QCOMPARE(status.st_uid, ::getuid());
        QCOMPARE(status.st_mode & 077, 0u);
    }

    // A start in a network namespace of its own still finds the game.
    void startInAnotherNetworkNamespaceMeetsTheClaim() {
        const QString unshare = QStandardPaths::findExecutable("unshare");
        if (unshare.isEmpty() || QProcess::execute(unshare, {"-rn", "true"}) != 0) {
            QSKIP("no network namespace may be made here");
        }
        GameClaim game(file());
        int forward = 0;
        game.WhenStartedAgain([&forward] { ++forward; });
        QProcess start;
        start.start(unshare, {"-rn", QCoreApplication::applicationFilePath(), "--claim",
                              QString::fromStdString(file())});
        QTRY_VERIFY_WITH_TIMEOUT(start.state() == QProcess::NotRunning, 30000);
        QCOMPARE(start.exitCode(), 3);  // handed over
        QCOMPARE(forward, 1);
    }

  private:
    std::filesystem::path file() const { return Path(folder_, "pennix.ini"); }

    QTemporaryDir folder_;
};

}  // namespace pennix

// With "--claim <file>", one start of the game's claim: 0 when it may start, 3 when it handed
// over, 1 otherwise.
int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--claim") == 0) {
        QCoreApplication application(argc, argv);
        const pennix::GameClaim claim(argv[2]);
        return claim.MayStart() ? 0 : claim.HandedOver() ? 3 : 1;
    }
    QCoreApplication application(argc, argv);
    pennix::GameClaimTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "game_claim_test.moc"
