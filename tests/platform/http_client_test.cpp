#include "platform/http_client.h"

#include "support/http_test_server.h"

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <unistd.h>

using glimtags::platform::HttpClient;
using glimtags::platform::HttpTimeouts;
using glimtags::test::HttpTestServer;
using namespace std::chrono_literals;

namespace {

class HttpClientTest : public ::testing::Test {
protected:
    // A proxy configured on the test machine must not take the requests to 127.0.0.1.
    void SetUp() override { ::setenv("no_proxy", "127.0.0.1", 1); }

    // The error code of a request that is expected to fail.
    static int failureOf(HttpClient& client, const std::string& address)
    {
        const glimtags::OutcomeOf<std::string> response = client.get(address);
        if (response)
            ADD_FAILURE() << "the request to " << address << " did not fail";
        return response.code;
    }

    HttpClient client{"probe/2.5 (test)", HttpTimeouts{}};
};

TEST_F(HttpClientTest, GetsFromTheOriginWithTheGivenAgent)
{
    const HttpTestServer server(HttpTestServer::response(200, "HighVersion \"1\""));
    ASSERT_TRUE(client.isOpen());
    EXPECT_EQ(client.get(server.address("/quorvant/GTUpdate.nfo")).value, "HighVersion \"1\"");
    ASSERT_EQ(server.requests().size(), 1u);
    const std::string request = server.requests()[0];
    EXPECT_TRUE(request.starts_with("GET /quorvant/GTUpdate.nfo HTTP/1.1\r\n")) << request;
    for (const char* line :
         {"\r\nUser-Agent: probe/2.5 (test)\r\n", "\r\nCache-Control: no-cache\r\n", "\r\nPragma: no-cache\r\n"})
        EXPECT_NE((request + "\r\n").find(line), std::string::npos) << line << " missing in\n" << request;
}

TEST_F(HttpClientTest, BodyWhateverTheStatusUpToTheBound)
{
    const std::string full(glimtags::platform::kMaxBodyBytes, 'a');
    const struct { int status; std::string body, kept; } cases[] = {
        {404, "<html>Not Found</html>", "<html>Not Found</html>"},
        {200, std::string("a\0b", 3), std::string("a\0b", 3)},
        {200, full, full},
        {200, full + std::string(40 * 1024, 'b'), full},
    };
    for (const auto& c : cases) {
        const HttpTestServer server(HttpTestServer::response(c.status, c.body));
        EXPECT_EQ(client.get(server.address("/file")).value, c.kept) << c.status << ' ' << c.body.size();
    }
}

TEST_F(HttpClientTest, FailuresComeWithTheLibrarysCode)
{
    EXPECT_EQ(failureOf(client, HttpTestServer::refusedAddress("/file")), CURLE_COULDNT_CONNECT);
    EXPECT_EQ(failureOf(client, "file:///etc/passwd"), CURLE_UNSUPPORTED_PROTOCOL);
}

TEST_F(HttpClientTest, AServerThatNeverAnswersTimesOut)
{
    int port = 0;
    const int silent = HttpTestServer::listeningSocket(port);
    HttpClient impatient("probe", HttpTimeouts{500ms, 700ms});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOf(impatient, "http://127.0.0.1:" + std::to_string(port) + "/file"), CURLE_OPERATION_TIMEDOUT);
    ::close(silent);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 650ms);
    EXPECT_LT(waited, 5s);
}

} // namespace
