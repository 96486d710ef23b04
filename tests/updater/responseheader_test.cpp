// The header reader decides how many bytes the updater trusts a server for:
// its limits and its reading of the length are what keep a bad answer from
// hanging the updater or eating memory.
#include <gtest/gtest.h>

#include <string>

#include "responseheader.h"

namespace {

constexpr uint64_t kLimit = 1000;

TEST(Request, IsByteForByteWhatTheHostExpects) {
  EXPECT_EQ(BuildRequest("//update//index.htm", "update.example", 80),
            "GET //update//index.htm HTTP/1.1\r\nHost: update.example\r\nConnection: keep-alive\r\n\r\n");
  EXPECT_EQ(BuildRequest("/f", "127.0.0.1", 8080),
            "GET /f HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nConnection: keep-alive\r\n\r\n");
}

TEST(ResponseHeader, EndsAtTheBlankLineAndLeavesTheBodyUntouched) {
  CResponseHeader header;
  const std::string answer = "HTTP/1.1 200 ok\r\ncontent-length: 5\r\n\r\nhello";
  // Delivered in awkward pieces, as a socket may.
  size_t taken = header.Feed(answer.substr(0, 3));
  taken += header.Feed(std::string_view(answer).substr(3, 34));
  ASSERT_EQ(header.GetState(), CResponseHeader::State::kIncomplete);
  taken += header.Feed(std::string_view(answer).substr(37));
  ASSERT_EQ(header.GetState(), CResponseHeader::State::kComplete);
  EXPECT_EQ(answer.substr(taken), "hello");
  EXPECT_EQ(header.Text(), "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5\r\n\r\n");
  EXPECT_EQ(header.Feed("more"), 0u);
}

TEST(ResponseHeader, LongerThanItsBufferIsRefused) {
  CResponseHeader header;
  const std::string fits = "HTTP/1.1 200 OK\r\nX: " + std::string(CResponseHeader::kMaxBytes - 24, 'a') + "\r\n\r\n";
  ASSERT_EQ(fits.size(), CResponseHeader::kMaxBytes);
  header.Feed(fits);
  EXPECT_EQ(header.GetState(), CResponseHeader::State::kComplete);

  header.Clear();
  header.Feed(std::string(CResponseHeader::kMaxBytes, 'a'));
  EXPECT_EQ(header.GetState(), CResponseHeader::State::kIncomplete);
  EXPECT_EQ(header.Feed("\r\n\r\n"), 0u);
  EXPECT_EQ(header.GetState(), CResponseHeader::State::kTooLong);
}

struct LengthCase {
  const char* header;
  LengthField field;
  uint64_t bytes;
};

class ContentLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ContentLengthTest, IsReadOrRefused) {
  const ContentLength length = FindContentLength(GetParam().header, kLimit);
  EXPECT_EQ(length.field, GetParam().field) << GetParam().header;
  if (length.field == LengthField::kValid) {
    EXPECT_EQ(length.bytes, GetParam().bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ContentLengthTest,
    ::testing::Values(LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 12\r\n\r\n", LengthField::kValid, 12},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 0\r\n\r\n", LengthField::kValid, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH:   7\r\n\r\n", LengthField::kValid, 7},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 1000\r\n\r\n", LengthField::kValid, 1000},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 1001\r\n\r\n", LengthField::kTooLarge, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 99999999999999999999999\r\n\r\n",
                                 LengthField::kTooLarge, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: \r\n\r\n", LengthField::kMalformed, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: -5\r\n\r\n", LengthField::kMalformed, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5, 7\r\n\r\n", LengthField::kMalformed, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5 \r\n\r\n", LengthField::kValid, 5},
                      // Two length fields leave no length to trust, even when they agree.
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5\r\nCONTENT-LENGTH: 5\r\n\r\n",
                                 LengthField::kRepeated, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5\r\nCONTENT-LENGTH:7\r\n\r\n",
                                 LengthField::kRepeated, 0},
                      // The label is a field name, not any text that happens to end with it.
                      LengthCase{"HTTP/1.1 200 OK\r\nX-CONTENT-LENGTH: 5\r\n\r\n", LengthField::kMissing, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\nCONTENT-LENGTH:5\r\n\r\n", LengthField::kMissing, 0},
                      LengthCase{"HTTP/1.1 200 OK\r\n\r\n", LengthField::kMissing, 0}));

TEST(StatusCode, ComesFromTheStatusLineOnly) {
  EXPECT_EQ(StatusCode("HTTP/1.1 200 OK\r\n\r\n"), 200);
  EXPECT_EQ(StatusCode("HTTP/1.0 404 NOT FOUND\r\n\r\n"), 404);
  EXPECT_EQ(StatusCode("HTTP/1.1 100\r\n\r\n"), 100);
  EXPECT_EQ(StatusCode("CONTENT-LENGTH: 5\r\n\r\n"), -1);
  EXPECT_EQ(StatusCode("HTTP/1.1 20\r\n\r\n"), -1);
  EXPECT_EQ(StatusCode("HTTP/1.1 2000 OK\r\n\r\n"), -1);
  EXPECT_EQ(StatusCode("HTTP/1.1\r\nX: 200 OK\r\n\r\n"), -1);
  EXPECT_EQ(StatusCode("HTTP/1.1 2"), -1);
}

}  // namespace
