#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace glimtags::test {

// A web server on 127.0.0.1 at a port the system picks, run by its own thread: it
// answers every request with one canned response. Header-only, as the test support
// folder is not compiled on its own.
class HttpTestServer {
public:
    explicit HttpTestServer(std::string response)
        : response_(std::move(response))
    {
        listener_ = listeningSocket(port_);
        if (::pipe(stopPipe_) != 0)
            throw std::runtime_error("pipe failed");
        thread_ = std::thread([this] { serve(); });
    }
    ~HttpTestServer()
    {
        ::close(stopPipe_[1]);
        thread_.join();
        ::close(stopPipe_[0]);
        ::close(listener_);
    }
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    std::string address(std::string_view path) const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
    }

    // The heads of the requests received so far, each up to its blank line.
    std::vector<std::string> requests() const
    {
        const std::lock_guard lock(mutex_);
        return requests_;
    }

    // A complete response that closes its connection.
    static std::string response(int status, std::string_view body)
    {
        return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Error") +
               "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
               "\r\nConnection: close\r\n\r\n" + std::string(body);
    }

    // An address on 127.0.0.1 at a port that was free a moment ago, so connecting is refused.
    static std::string refusedAddress(std::string_view path)
    {
        int port = 0;
        ::close(listeningSocket(port));
        return "http://127.0.0.1:" + std::to_string(port) + std::string(path);
    }

    // A socket that listens on 127.0.0.1 but never accepts: the system completes the
    // connection and nobody answers. The caller closes it.
    static int listeningSocket(int& port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof local;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&local), length) != 0 || ::listen(fd, 8) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0)
            throw std::runtime_error("cannot listen on 127.0.0.1");
        port = ntohs(local.sin_port);
        return fd;
    }

private:
    // Waits until the socket can be read; false once the server is asked to stop.
    bool waitFor(int fd) const
    {
        pollfd fds[] = {{fd, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        int ready = 0;
        do
            ready = ::poll(fds, 2, -1);
        while (ready < 0 && errno == EINTR);
        return ready > 0 && (fds[1].revents & (POLLIN | POLLHUP)) == 0;
    }

    void serve()
    {
        while (waitFor(listener_)) {
            const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                continue;
            std::string head;
            char buffer[4096];
            while (head.find("\r\n\r\n") == std::string::npos && waitFor(connection)) {
                const ssize_t got = ::read(connection, buffer, sizeof buffer);
                if (got <= 0)
                    break;
                head.append(buffer, static_cast<std::size_t>(got));
            }
            {
                const std::lock_guard lock(mutex_);
                requests_.push_back(head.substr(0, head.find("\r\n\r\n")));
            }
            for (std::size_t sent = 0; sent < response_.size();) {
                const ssize_t written =
                    ::send(connection, response_.data() + sent, response_.size() - sent, MSG_NOSIGNAL);
                if (written <= 0)
                    break;
                sent += static_cast<std::size_t>(written);
            }
            ::close(connection);
        }
    }

    std::string response_;
    int port_ = 0;
    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace glimtags::test
