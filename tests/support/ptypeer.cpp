#include "ptypeer.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
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
    // Never stuck in a write to a port nobody reads any more.
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
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

void PtyPeer::answer(const QByteArray& request, const QList<Part>& reply)
{
    m_rules.append({request, reply});
}

PtyPeer::Line PtyPeer::line() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_line;
}

QList<PtyPeer::Arrival> PtyPeer::arrivals() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_arrivals;
}

void PtyPeer::send(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (!m_stop && done < bytes.size()) {
        const ssize_t wrote = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote > 0) {
            done += wrote;
        } else if (wrote < 0 && errno != EAGAIN) {
            return;
        } else {
            pollfd room{m_master, POLLOUT, 0}; // until the port has read some
            ::poll(&room, 1, 20);
        }
    }
}

void PtyPeer::serve()
{
    using Clock = std::chrono::steady_clock;
    bool answered = false;
    QList<std::pair<Clock::time_point, QByteArray>> echoes; // SlowEcho: what is due when
    QByteArray pending;
    while (!m_stop) {
        while (!echoes.isEmpty() && echoes.first().first <= Clock::now()) {
            send(echoes.takeFirst().second);
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
            const Line now = terminalLine(m_master);
            if (m_received.isEmpty()) {
                m_line = now;
            }
            m_received.append(buffer, got);
            m_arrivals.append({Clock::now(), QByteArray(buffer, got), now});
        }
        if (m_mode == Mode::SlowEcho) {
            echoes.append({Clock::now() + std::chrono::milliseconds(SlowEchoMs), QByteArray(buffer, got)});
            continue;
        }
        if (m_mode == Mode::Chatter || (m_mode == Mode::ChatterOnce && !answered)) {
            answered = true;
            send(chatter());
            continue;
        }
        pending.append(buffer, got);
        for (const Rule& rule : qAsConst(m_rules)) {
            if (pending.endsWith(rule.request)) {
                pending.clear();
                for (const Part& part : rule.reply) {
                    const auto until = Clock::now() + std::chrono::milliseconds(part.delayMs);
                    // In slices, so that close() never waits long.
                    for (auto left = until - Clock::now(); !m_stop && left.count() > 0; left = until - Clock::now()) {
                        const auto slice = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
                        ::usleep(useconds_t(std::min<long long>(slice, 5000)));
                    }
                    send(part.bytes);
                }
                break;
            }
        }
    }
}
