// The runtime check: message text, its bound, the box and Abort's exit code.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

TEST(RuntimeCheckMessage, HasTheFixedShape) {
  char out[runtimeCheckBufferSize];
  formatRuntimeCheck(out, sizeof out, "C:\\Apps\\Run.exe", "tarn.h", 77, "m_cObject != NULL",
                     "Dec  7 2026", "10:11:12");
  std::string text(out);
  EXPECT_EQ(0u, text.find("Assertion failed!\r\n\r\nProgram: C:\\Apps\\Run.exe\r\nFILE: tarn.h\r\n"
                          "LINE: 77\r\n\r\nExpression: m_cObject != NULL\r\n\r\n"
                          "Compiled on : Dec  7 2026 at 10:11:12\r\n\r\n\r\n"));
  EXPECT_NE(std::string::npos, text.find("Tarn help manual"));
}

TEST(RuntimeCheckMessage, IsCutSafelyWhateverTheLengths) {
  std::string huge(5000, 'p');
  char out[runtimeCheckBufferSize + 16];
  std::memset(out, 'Z', sizeof out);
  std::size_t n = formatRuntimeCheck(out, runtimeCheckBufferSize, huge.c_str(), huge.c_str(),
                                     1, huge.c_str(), "d", "t");
  EXPECT_EQ(runtimeCheckBufferSize - 1, n);
  EXPECT_EQ('\0', out[runtimeCheckBufferSize - 1]);
  for (std::size_t i = runtimeCheckBufferSize; i < sizeof out; ++i) EXPECT_EQ('Z', out[i]);
}

TEST(RuntimeCheckMessage, NullPartsPrintAsEmpty) {
  char out[runtimeCheckBufferSize];
  formatRuntimeCheck(out, sizeof out, nullptr, nullptr, 0, nullptr, nullptr, nullptr);
  EXPECT_NE(std::string::npos, std::string(out).find("Program: \r\nFILE: \r\n"));
}

TEST(RuntimeCheck, PassingCheckShowsNothing) {
  BoxAnswerer answer(IDIGNORE);
  EXPECT_TRUE(TARN_CHECK(1 + 1 == 2));
  EXPECT_TRUE(runtimeCheck(true, "x", "f", 1));
  EXPECT_TRUE(answer.boxes().empty());
}

TEST(RuntimeCheck, FailedCheckNamesThisPlaceAndContinuesOnIgnore) {
  BoxAnswerer answer(IDIGNORE);
  int zero = 0;
  long line = __LINE__ + 1;
  bool held = TARN_CHECK(zero == 1);
  EXPECT_FALSE(held);
  ASSERT_EQ(1u, answer.boxes().size());
  const std::string& text = answer.boxes()[0].text;
  EXPECT_EQ("Tarn runtime check", answer.boxes()[0].caption);
  EXPECT_NE(std::string::npos, text.find("Expression: zero == 1\r\n"));
  EXPECT_NE(std::string::npos, text.find("LINE: " + std::to_string(line) + "\r\n"));
  EXPECT_NE(std::string::npos, text.find(std::string("FILE: ") + __FILE__ + "\r\n"));
  EXPECT_NE(std::string::npos, text.find(std::string("Compiled on : ") + __DATE__ + " at "));
  char exe[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, exe, MAX_PATH);
  EXPECT_NE(std::string::npos, text.find(std::string("Program: ") + exe + "\r\n"));
}

TEST(RuntimeCheck, BoxHasAbortRetryIgnoreWithErrorIconAndIgnorePreselected) {
  EXPECT_EQ(0x212u, runtimeCheckFlags);
}

namespace {
std::string childCommand(const char* mode) {
  return "\"" + programFolder() + "\\tarn_check_child.exe\" " + mode;
}
}  // namespace

TEST(RuntimeCheckChild, AbortEndsTheProcessWithExitCodeZero) {
  std::vector<std::string> boxes;
  ChildResult r = runChild(childCommand("unbound-read"), 30000, IDABORT, &boxes);
  ASSERT_TRUE(r.started);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(0u, r.exitCode);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(0u, boxes[0].find("Tarn runtime check\nAssertion failed!\r\n\r\nProgram: "));
  EXPECT_NE(std::string::npos, boxes[0].find("Expression: m_cObject != NULL\r\n"));
  EXPECT_EQ(std::string::npos, r.output.find("continued"));
}

TEST(RuntimeCheckChild, IgnoreContinuesWithAValueInitialisedResult) {
  std::vector<std::string> boxes;
  ChildResult r = runChild(childCommand("unbound-read"), 30000, IDIGNORE, &boxes);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(3u, r.exitCode);
  EXPECT_EQ(2u, boxes.size());
  EXPECT_NE(std::string::npos, r.output.find("continued 0"));
}

TEST(RuntimeCheckChild, ReadOnlyWriteLeavesTheValue) {
  std::vector<std::string> boxes;
  ChildResult r = runChild(childCommand("read-only-write"), 30000, IDRETRY, &boxes);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(3u, r.exitCode);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_NE(std::string::npos, boxes[0].find("Expression: Set != NULL"));
  EXPECT_NE(std::string::npos, r.output.find("continued 42"));
}
