#pragma once

#include "core/outcome.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace glimtags::platform {

// How long a request may wait for the connection, and for everything.
struct HttpTimeouts {
    std::chrono::milliseconds connect{10'000};
    std::chrono::milliseconds total{20'000};
};

// The most of a response body that is kept; the rest is not read.
inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;

// An HTTP client with the system's proxy settings (the usual proxy variables),
// following redirects between http and https addresses.
class HttpClient {
public:
    HttpClient(const std::string& userAgent, HttpTimeouts timeouts);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Whether the client could be opened; the requests of one that could not fail.
    bool isOpen() const { return handle_ != nullptr; }

    // GETs an absolute address from the origin server, never from a cache: the body
    // whatever the status (at most kMaxBodyBytes), or a failure with the HTTP
    // library's error code.
    OutcomeOf<std::string> get(const std::string& address);

    // The text for an error code, at most 1,023 characters; nothing for a code
    // that has none.
    static std::optional<std::string> describeError(int code);

private:
    void* handle_;
};

// A GET through an open client, as HttpClient::get.
using HttpGet = std::function<OutcomeOf<std::string>(const std::string& address)>;

// Opens a client: nothing when it could not be opened.
using HttpOpener = std::function<HttpGet(const std::string& userAgent, HttpTimeouts timeouts)>;

// The opener of HttpClients.
HttpGet openHttpClient(const std::string& userAgent, HttpTimeouts timeouts);

} // namespace glimtags::platform
