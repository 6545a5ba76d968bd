// Whether a sound server may listen, judged from the places a PulseAudio client looks in:
// only a socket there counts, or a server the user named. No display needed.

#include "ui/sound_server.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace brenvik;

namespace {

/// A listening Unix socket at `path`, closed with this object (the file stays).
class ListeningSocket {
public:
    explicit ListeningSocket(const QString& path) : m_fd(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
        m_listening = m_fd >= 0 && bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                      listen(m_fd, 1) == 0;
    }
    ~ListeningSocket()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    bool listening() const { return m_listening; }

private:
    int m_fd;
    bool m_listening = false;
};

}  // namespace

class SoundServerTest : public QObject {
    Q_OBJECT

private slots:
    void onlyASocketOrANamedServerCounts_data()
    {
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("inRuntimeDir");  ///< what stands at pulse/native there
        QTest::addColumn<QString>("atSystemPlace");
        QTest::addColumn<bool>("mayListen");
        QTest::newRow("nothing anywhere") << ""
                                          << ""
                                          << "" << false;
        QTest::newRow("no runtime folder") << ""
                                           << "no folder"
                                           << "" << false;
        QTest::newRow("session socket") << ""
                                        << "socket"
                                        << "" << true;
        QTest::newRow("a file, not a socket") << ""
                                              << "file"
                                              << "" << false;
        QTest::newRow("a folder, not a socket") << ""
                                                << "folder"
                                                << "" << false;
        QTest::newRow("system socket") << ""
                                       << ""
                                       << "socket" << true;
        QTest::newRow("a file at the system place") << ""
                                                    << ""
                                                    << "file" << false;
        QTest::newRow("named server") << "unix:/nowhere"
                                      << ""
                                      << "" << true;
    }

    void onlyASocketOrANamedServerCounts()
    {
        QFETCH(QString, named);
        QFETCH(QString, inRuntimeDir);
        QFETCH(QString, atSystemPlace);
        QFETCH(bool, mayListen);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString runtime = dir.filePath(QStringLiteral("run"));
        const QString system = dir.filePath(QStringLiteral("system-native"));
        std::vector<std::unique_ptr<ListeningSocket>> sockets;
        // Puts `what` at `path`: a listening socket, a plain file or a folder.
        const auto place = [&](const QString& what, const QString& path) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (what == QLatin1String("socket")) {
                sockets.push_back(std::make_unique<ListeningSocket>(path));
                QVERIFY(sockets.back()->listening());
            } else if (what == QLatin1String("file")) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
            } else if (what == QLatin1String("folder")) {
                QVERIFY(QDir().mkpath(path));
            }
        };
        if (inRuntimeDir != QLatin1String("no folder"))
            QVERIFY(QDir().mkpath(runtime));
        place(inRuntimeDir, runtime + QStringLiteral("/pulse/native"));
        place(atSystemPlace, system);
        const SoundServerPlaces places{.namedServer = named, .runtimeDir = runtime, .systemSocket = system};
        QCOMPARE(soundServerMayListen(places), mayListen);
    }

    void environmentGivesThePlaces()
    {
        qputenv("PULSE_SERVER", "unix:/somewhere");
        qputenv("XDG_RUNTIME_DIR", "/run/user/4242");
        const SoundServerPlaces places = SoundServerPlaces::fromEnvironment();
        QCOMPARE(places.namedServer, QStringLiteral("unix:/somewhere"));
        QCOMPARE(places.runtimeDir, QStringLiteral("/run/user/4242"));
        QCOMPARE(places.systemSocket, QStringLiteral("/run/pulse/native"));
    }
};

QTEST_GUILESS_MAIN(SoundServerTest)
#include "sound_server_test.moc"
