#include "platform/http_client.h"

#include "support/http_test_server.h"

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

using glimtags::platform::HttpClient;
using glimtags::platform::HttpError;
using glimtags::platform::HttpFault;
using glimtags::platform::HttpTimeouts;
using glimtags::platform::kMaxBodyBytes;
using glimtags::platform::setHttpFaultForTesting;
using glimtags::test::HttpTestServer;
using namespace std::chrono_literals;

namespace {

class HttpClientTest : public ::testing::Test {
protected:
    // A proxy configured on the test machine must not take the requests to 127.0.0.1.
    void SetUp() override { setenv("no_proxy", "127.0.0.1", 1); }
    void TearDown() override { setHttpFaultForTesting({}); }

    // The error code of a request that is expected to fail.
    static int failureOf(HttpClient& client, const std::string& address)
    {
        try {
            client.get(address);
        } catch (const HttpError& error) {
            return error.code();
        }
        ADD_FAILURE() << "the request to " << address << " did not fail";
        return CURLE_OK;
    }

    HttpClient client{"GLiMTaGS EDiToR", HttpTimeouts{}};
};

TEST_F(HttpClientTest, GetSendsTheAgentAndNoCacheHeaders)
{
    const HttpTestServer server(HttpTestServer::response(200, "HighVersion \"1\"\nLowVersion \"9\"\n"));
    ASSERT_TRUE(client.isOpen());
    EXPECT_EQ(client.get(server.address("/quorvant/Glimtags/GTUpdate.nfo")), "HighVersion \"1\"\nLowVersion \"9\"\n");

    ASSERT_EQ(server.requests().size(), 1u);
    const std::string request = server.requests()[0];
    EXPECT_TRUE(request.starts_with("GET /quorvant/Glimtags/GTUpdate.nfo HTTP/1.1\r\n")) << request;
    for (const char* header : {"\r\nUser-Agent: GLiMTaGS EDiToR\r\n", "\r\nCache-Control: no-cache\r\n",
                               "\r\nPragma: no-cache\r\n"})
        EXPECT_NE((request + "\r\n").find(header), std::string::npos) << header << " missing in\n" << request;
}

TEST_F(HttpClientTest, BodiesAreReadWhateverTheStatus)
{
    struct Case {
        int status;
        std::string body;
    };
    const Case cases[] = {
        {404, "<html><body>Not Found</body></html>"},
        {500, "broken"},
        {200, ""},
        {200, std::string("a\0b", 3)},
        {200, std::string(kMaxBodyBytes, 'x')},
    };
    for (const Case& c : cases) {
        const HttpTestServer server(HttpTestServer::response(c.status, c.body));
        EXPECT_EQ(client.get(server.address("/file")), c.body) << c.status;
    }
}

TEST_F(HttpClientTest, ALongBodyIsCutAtTheBound)
{
    std::string body(kMaxBodyBytes, 'a');
    body += std::string(40 * 1024, 'b');
    const HttpTestServer server(HttpTestServer::response(200, body));
    EXPECT_EQ(client.get(server.address("/big")), std::string(kMaxBodyBytes, 'a'));
}

TEST_F(HttpClientTest, RedirectsAreFollowed)
{
    const HttpTestServer target(HttpTestServer::response(200, "moved here"));
    const HttpTestServer redirect("HTTP/1.1 302 Found\r\nLocation: " + target.address("/new") +
                                  "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(client.get(redirect.address("/old")), "moved here");
    ASSERT_EQ(target.requests().size(), 1u);
    EXPECT_TRUE(target.requests()[0].starts_with("GET /new ")) << target.requests()[0];
}

TEST_F(HttpClientTest, ARefusedConnectionFailsWithADescribedCode)
{
    const int code = failureOf(client, HttpTestServer::refusedAddress("/file"));
    EXPECT_EQ(code, CURLE_COULDNT_CONNECT);
    EXPECT_EQ(HttpClient::describeError(code), "Couldn't connect to server");
}

TEST_F(HttpClientTest, AServerThatNeverAnswersTimesOut)
{
    const HttpTestServer server("", HttpTestServer::Behaviour::NeverAnswer);
    HttpClient impatient("GLiMTaGS EDiToR", HttpTimeouts{500ms, 700ms});
    const auto start = std::chrono::steady_clock::now();
    const int code = failureOf(impatient, server.address("/file"));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(code, CURLE_OPERATION_TIMEDOUT);
    EXPECT_GE(waited, 650ms);
    EXPECT_LT(waited, 5s);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(HttpClientTest, OnlyWebAddressesAreFetched)
{
    EXPECT_EQ(failureOf(client, "file:///etc/passwd"), CURLE_UNSUPPORTED_PROTOCOL);
}

TEST_F(HttpClientTest, EveryLibraryErrorHasADescriptionOfBoundedLength)
{
    EXPECT_EQ(HttpClient::describeError(CURLE_OK), std::nullopt);
    EXPECT_EQ(HttpClient::describeError(-1), std::nullopt);
    EXPECT_EQ(HttpClient::describeError(CURL_LAST), std::nullopt);
    EXPECT_EQ(HttpClient::describeError(CURLE_OPERATION_TIMEDOUT), "Timeout was reached");
    for (int code = CURLE_OK + 1; code < CURL_LAST; ++code) {
        const auto text = HttpClient::describeError(code);
        ASSERT_TRUE(text) << code;
        EXPECT_FALSE(text->empty()) << code;
        EXPECT_LE(text->size(), 1023u) << code;
    }
}

TEST_F(HttpClientTest, TheFaultSeamFailsOpeningOrRequests)
{
    setHttpFaultForTesting({.openFails = true, .requestError = {}});
    EXPECT_FALSE(HttpClient("GLiMTaGS EDiToR", HttpTimeouts{}).isOpen());

    const HttpTestServer server(HttpTestServer::response(200, "body"));
    setHttpFaultForTesting({.requestError = 12345});
    HttpClient faulty("GLiMTaGS EDiToR", HttpTimeouts{});
    ASSERT_TRUE(faulty.isOpen());
    EXPECT_EQ(failureOf(faulty, server.address("/file")), 12345);
    EXPECT_TRUE(server.requests().empty());

    setHttpFaultForTesting({});
    EXPECT_EQ(faulty.get(server.address("/file")), "body");
}

} // namespace
