// hemr07-appserver --portal serves the company portal's web service on
// loopback beside the application server, for set-ups with a network server.

#include <gtest/gtest.h>
#include <httplib.h>

#include "tests/outside/appserver/ServerProcess.h"
#include "tests/outside/appserver/TestHome.h"

namespace outside_test {

TEST(PortalOption, ServesThePortalOnLoopbackAndNamesItsAddress) {
    TestHome home;
    ServerProcess server(home.Path(), {"--portal", "0"});
    const std::string line = server.NextLine();
    const std::string prefix = "portal on http://127.0.0.1:";
    ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
    const size_t slash = line.find('/', prefix.size());
    ASSERT_NE(slash, std::string::npos) << line;
    const int port = std::stoi(line.substr(prefix.size(), slash - prefix.size()));
    httplib::Client client("127.0.0.1", port);
    const auto answer = client.Post(line.substr(slash).c_str(), {{"X-Service-Name", "PORTAL.getAllUser"}},
                                    R"(<Request><Access><Authentication user="796"/>)"
                                    R"(<Organization name="KWTest60"/></Access></Request>)",
                                    "text/xml");
    ASSERT_TRUE(answer);
    EXPECT_NE(answer->body.find(R"(<Status code="0"/>)"), std::string::npos) << answer->body;
    EXPECT_NE(answer->body.find(R"(<Field name="Name" value="陈静怡"/>)"), std::string::npos) << answer->body;
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace outside_test
