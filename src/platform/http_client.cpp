#include "platform/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace glimtags::platform {
namespace {

constexpr std::size_t kMaxDescription = 1023;
constexpr long kMaxRedirects = 5;

struct Body {
    std::string bytes;
    bool full = false;
};

std::size_t appendToBody(char* data, std::size_t size, std::size_t count, void* target)
{
    Body& body = *static_cast<Body*>(target);
    const std::size_t length = size * count;
    const std::size_t kept = std::min(length, kMaxBodyBytes - body.bytes.size());
    body.bytes.append(data, kept);
    // Taking less than was offered stops the transfer.
    body.full = kept < length;
    return kept;
}

struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

HttpClient::HttpClient(const std::string& userAgent, HttpTimeouts timeouts)
    : handle_(curl_easy_init())
{
    if (!handle_)
        return;
    curl_easy_setopt(handle_, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.connect.count()));
    curl_easy_setopt(handle_, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts.total.count()));
    // Timeouts by signal would disturb the user-interface thread.
    curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle_, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, appendToBody);
}

HttpClient::~HttpClient()
{
    if (handle_)
        curl_easy_cleanup(handle_);
}

OutcomeOf<std::string> HttpClient::get(const std::string& address)
{
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    const std::unique_ptr<curl_slist, HeaderListDeleter> headerList(headers);
    Body body;
    curl_easy_setopt(handle_, CURLOPT_URL, address.c_str());
    curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, headerList.get());
    curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &body);
    const CURLcode result = curl_easy_perform(handle_);
    curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, nullptr);
    if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && body.full))
        return {Outcome::failure(result)};
    return {{}, std::move(body.bytes)};
}

std::optional<std::string> HttpClient::describeError(int code)
{
    // Codes outside the library's own range only get its "Unknown error".
    if (code <= CURLE_OK || code >= CURL_LAST)
        return std::nullopt;
    std::string text = curl_easy_strerror(static_cast<CURLcode>(code));
    text.resize(std::min(text.size(), kMaxDescription));
    return text;
}

HttpGet openHttpClient(const std::string& userAgent, HttpTimeouts timeouts)
{
    auto client = std::make_shared<HttpClient>(userAgent, timeouts);
    if (!client->isOpen())
        return {};
    return [client](const std::string& address) { return client->get(address); };
}

} // namespace glimtags::platform
