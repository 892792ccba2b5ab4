#pragma once

#include <QByteArray>
#include <QTemporaryFile>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace XmlTestSupport {

// What is written to stderr while `work` runs. libxml2 prints its errors
// there unless told otherwise; the library must say them through exceptions.
template <class Work>
QByteArray stderrOf(Work&& work)
{
    QTemporaryFile sink;
    if (!sink.open()) {
        qFatal("cannot create a temporary file");
    }
    std::fflush(stderr);
    const int saved = dup(2);
    dup2(sink.handle(), 2);
    struct Restore
    {
        int saved;
        ~Restore()
        {
            std::fflush(stderr);
            dup2(saved, 2);
            close(saved);
        }
    };
    {
        Restore restore{saved};
        work();
    }
    sink.seek(0);
    return sink.readAll();
}

/// A local server that counts the connections made to it and drops each at
/// once, so that a client that should never have connected fails fast
/// instead of waiting for an answer.
class ConnectionCounter
{
public:
    ConnectionCounter()
    {
        m_socket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_socket < 0 || bind(m_socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(m_socket, 16) != 0 ||
            getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            qFatal("cannot listen on the loopback interface");
        }
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            while (!m_stop) {
                pollfd wait{m_socket, POLLIN, 0};
                if (poll(&wait, 1, 20) > 0) {
                    const int client = accept(m_socket, nullptr, nullptr);
                    if (client >= 0) {
                        ++m_connections;
                        close(client);
                    }
                }
            }
        });
    }
    ~ConnectionCounter()
    {
        m_stop = true;
        m_thread.join();
        close(m_socket);
    }
    ConnectionCounter(const ConnectionCounter&) = delete;
    ConnectionCounter& operator=(const ConnectionCounter&) = delete;

    QByteArray url() const { return "http://127.0.0.1:" + QByteArray::number(m_port); }
    int connections() const { return m_connections; }

private:
    int m_socket = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::thread m_thread;
};

} // namespace XmlTestSupport
