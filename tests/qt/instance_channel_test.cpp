#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <future>

#include "app/instance_client.h"
#include "app/instance_server.h"

namespace zelvo {
namespace {

// Sends raw bytes to the socket and closes it.
void SendRaw(const std::string& path, const std::string& bytes) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
    QVERIFY(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

}  // namespace

class InstanceChannelTest : public QObject {
    Q_OBJECT

  private slots:
    void requestsReachTheRunningZelvoAndAreAnswered() {
        std::vector<InstanceRequest> received;
        InstanceServer server([&](const InstanceRequest& request) { received.push_back(request); });
        QVERIFY(server.Listen(socket_));
        const std::vector<InstanceRequest> sent{
            InstanceRequest::Show,
            InstanceRequest::Toggle,
            InstanceRequest::Quit,
            {InstanceRequest::Enter, "25.4mm"},
            {InstanceRequest::Enter, "12級" + std::string(kMaxEnteredBytes - 5, '0')}};
        for (const InstanceRequest& request : sent) {
            auto handOver =
                std::async(std::launch::async, [&] { return SendToRunning(socket_, request); });
            QTRY_VERIFY(handOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
            QCOMPARE(handOver.get(), HandOver::Delivered);
        }
        QCOMPARE(received, sent);
    }

    // The notice of an expression the bar cannot convert waits for the user; the
    // later start has its answer by then.
    void anExpressionIsAnsweredBeforeItIsCarriedOut() {
        std::future<HandOver> handOver;
        bool answeredFirst = false;
        InstanceServer server([&](const InstanceRequest&) {
            answeredFirst = handOver.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        });
        QVERIFY(server.Listen(socket_));
        handOver = std::async(std::launch::async, [&] {
            return SendToRunning(socket_, {InstanceRequest::Enter, "12 apples"});
        });
        QTRY_VERIFY(handOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QCOMPARE(handOver.get(), HandOver::Delivered);
        QVERIFY(answeredFirst);
    }

    void whatIsNoRequestIsDropped() {
        int received = 0;
        InstanceServer server([&](const InstanceRequest&) { ++received; });
        QVERIFY(server.Listen(socket_));
        SendRaw(socket_, "frobnicate\n");
        SendRaw(socket_, std::string(kMaxRequestBytes + 10, 's'));
        SendRaw(socket_, "show");           // no line feed: never whole
        SendRaw(socket_, "show toggle\n");  // one word only
        SendRaw(socket_, std::string(100, ' ') + "show\n");
        SendRaw(socket_, "enter 1\r\n");
        SendRaw(socket_, "enter 1\x1b[2J\n");
        SendRaw(socket_, "enter " + std::string(kMaxEnteredBytes + 1, '1') + "\n");
        SendRaw(socket_, "toggle\n");
        QTRY_COMPARE(received, 1);
        QTest::qWait(50);
        QCOMPARE(received, 1);
    }

    void aLineSentInPiecesCountsOnceWholeAndOnlyThisUserMayConnect() {
        int received = 0;
        InstanceServer server([&](const InstanceRequest&) { ++received; });
        QVERIFY(server.Listen(socket_));
        struct stat status {};
        QVERIFY(::stat(socket_.c_str(), &status) == 0);
        QCOMPARE(status.st_mode & 0077, 0U);

        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket_.c_str());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
        QVERIFY(::write(fd, "tog", 3) == 3);
        QTest::qWait(50);
        QCOMPARE(received, 0);
        QVERIFY(::write(fd, "gle\n", 4) == 4);
        QTRY_COMPARE(received, 1);
        std::array<char, 8> answer{};
        QCOMPARE(::read(fd, answer.data(), answer.size()), static_cast<ssize_t>(3));
        QCOMPARE(std::string(answer.data(), 3), std::string(kRequestAnswer));
        ::close(fd);
    }

    void aSocketLeftBehindIsReplaced() {
        const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket_.c_str());
        QVERIFY(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
        ::close(stale);  // the file stays, nobody listens
        QCOMPARE(SendToRunning(socket_, InstanceRequest::Show), HandOver::NoInstance);

        int received = 0;
        InstanceServer server([&](const InstanceRequest&) { ++received; });
        QVERIFY(server.Listen(socket_));
        auto handOver = std::async(std::launch::async,
                                   [&] { return SendToRunning(socket_, InstanceRequest::Show); });
        QTRY_VERIFY(handOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QCOMPARE(handOver.get(), HandOver::Delivered);
        QCOMPARE(received, 1);
    }

    void theLockMakesOneProcessTheRunningZelvo() {
        InstanceLock first;
        const std::string session = folder_.path().toStdString() + "/org.zelvo.Zelvo-x11-0";
        QCOMPARE(ClaimInstance(session, InstanceRequest::Show, first), Claim::Running);
        InstanceLock second;
        QVERIFY(!second.TryAcquire(session));
        InstanceLock otherSession;
        QVERIFY(otherSession.TryAcquire(folder_.path().toStdString() + "/org.zelvo.Zelvo-x11-1"));
    }

    void onlyThisUsersPeersCount() {
        int pair[2];
        QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) == 0);
        QVERIFY(PeerIsThisUser(pair[0]));
        ::close(pair[0]);
        ::close(pair[1]);
        QVERIFY(!PeerIsThisUser(-1));
    }

    void theTemporaryFolderIsUsedOnlyWhenPrivate() {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray savedTemp = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", folder_.path().toLocal8Bit());
        std::string problem;
        const auto folder = InstanceFolder(problem);
        QVERIFY(folder.has_value());
        QCOMPARE(QFileInfo(QString::fromStdString(*folder)).permissions() & 0x0077, 0);
        ::chmod(folder->c_str(), 0755);
        QVERIFY(!InstanceFolder(problem).has_value());
        QVERIFY(!problem.empty());
        qputenv("XDG_RUNTIME_DIR", saved);
        qputenv("TMPDIR", savedTemp);
    }

    void init() { socket_ = (folder_.path() + QStringLiteral("/zelvo.socket")).toStdString(); }
    void cleanup() { ::unlink(socket_.c_str()); }

  private:
    QTemporaryDir folder_;
    std::string socket_;
};

}  // namespace zelvo

QTEST_MAIN(zelvo::InstanceChannelTest)
#include "instance_channel_test.moc"
