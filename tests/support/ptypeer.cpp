#include "ptypeer.h"

#include <QList>

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(Mode mode)
    : m_mode(mode)
{
}

PtyPeer::~PtyPeer()
{
    close();
}

bool PtyPeer::open()
{
    close();
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    raw.c_cflag |= CLOCAL | CREAD;
    char name[256] = {};
    // Raw from the start, so the line itself never echoes.
    if (openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        return false;
    }
    m_portName = QString::fromLocal8Bit(name);
    m_stop = false;
    m_thread = std::thread([this]() { serve(); });
    return true;
}

void PtyPeer::close()
{
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    for (int* fd : {&m_slave, &m_master}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

QByteArray PtyPeer::received() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

void PtyPeer::serve()
{
    using Clock = std::chrono::steady_clock;
    bool answered = false;
    QList<std::pair<Clock::time_point, QByteArray>> echoes; // SlowEcho: what is due when
    while (!m_stop) {
        while (!echoes.isEmpty() && echoes.first().first <= Clock::now()) {
            const QByteArray echo = echoes.takeFirst().second;
            if (::write(m_master, echo.constData(), size_t(echo.size())) < 0) {
                break;
            }
        }
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) {
            continue;
        }
        char buffer[512];
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0) {
            continue;
        }
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_received.append(buffer, got);
        }
        if (m_mode == Mode::SlowEcho) {
            echoes.append({Clock::now() + std::chrono::milliseconds(SlowEchoMs), QByteArray(buffer, got)});
        }
        if (m_mode == Mode::Chatter || (m_mode == Mode::ChatterOnce && !answered)) {
            answered = true;
            const QByteArray answer = chatter();
            if (::write(m_master, answer.constData(), size_t(answer.size())) < 0) {
                continue;
            }
        }
    }
}
