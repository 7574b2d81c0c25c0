// Tips files as bytes: header, records, whole files, the text form and the
// picture strip's record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/tips_bytes.h"
#include "tarn/forms/tips_file.h"
#include "tarn/forms/tips_strip.h"

using namespace tarn;
using tips_bytes::header;
using tips_bytes::record;

TEST(TipsFileBytes, WholeFilesGiveTheirWholeRecords) {
  const std::string three = header(2, '?') + record("One", "first <B>body</B>") +
                            record("Two", "second") + record("Three", "third");
  struct Row {
    const char* name;
    std::string bytes;
    tipsfile::Status status;
    std::vector<tipsfile::Record> tips;
  };
  const std::string full(1000, 'x'), fullBody(1000, 'y');
  const Row rows[] = {
      {"15 bytes", header(1).substr(0, 15), tipsfile::Status::tooShort, {}},
      {"2015 bytes", header(1) + std::string(1999, 'a'), tipsfile::Status::noTips, {}},
      {"three tips", three, tipsfile::Status::ok,
       {{"One", "first <B>body</B>"}, {"Two", "second"}, {"Three", "third"}}},
      {"partial last record", header(1) + record("A", "a") + std::string(1999, 'z'),
       tipsfile::Status::ok, {{"A", "a"}}},
      {"fields without terminator", header(1) + record("A", "a") + record(full, fullBody),
       tipsfile::Status::ok, {{"A", "a"}, {full, fullBody}}},
      {"999 characters", header(1) + record(std::string(999, 't'), std::string(999, 'b')),
       tipsfile::Status::ok, {{std::string(999, 't'), std::string(999, 'b')}}},
  };
  for (const Row& r : rows) {
    tipsfile::Contents c = tipsfile::parse(r.bytes);
    EXPECT_EQ(r.status, c.status) << r.name;
    ASSERT_EQ(r.tips.size(), c.tips.size()) << r.name;
    for (std::size_t i = 0; i < r.tips.size(); ++i) {
      EXPECT_EQ(r.tips[i].title, c.tips[i].title) << r.name << " tip " << i;
      EXPECT_EQ(r.tips[i].body, c.tips[i].body) << r.name << " tip " << i;
    }
  }
  EXPECT_EQ(2, tipsfile::parse(three).startTip);
}

TEST(TipsFileBytes, WrittenFilesReadBackAndKeepEveryFieldTerminated) {
  const std::vector<tipsfile::Record> tips = {
      {"First", "body one\nline two"},
      {std::string(999, 'm'), std::string(999, 'n')},
      {std::string(1500, 'L'), std::string(4000, 'B')},  // cut to 999 each
      {std::string("cut\0here", 8), "body"},             // a zero byte ends the text
      {"", ""},
  };
  const std::string bytes = tipsfile::fileBytes(tips, -1);
  ASSERT_EQ(16u + 5 * 2000, bytes.size());
  EXPECT_EQ(header(-1), bytes.substr(0, 16));
  for (std::size_t i = 0; i < tips.size(); ++i) {
    EXPECT_EQ('\0', bytes[16 + i * 2000 + 999]) << i;
    EXPECT_EQ('\0', bytes[16 + i * 2000 + 1999]) << i;
  }
  tipsfile::Contents back = tipsfile::parse(bytes);
  ASSERT_EQ(5u, back.tips.size());
  EXPECT_EQ(tips[0].body, back.tips[0].body);
  EXPECT_EQ(tips[1].title, back.tips[1].title);
  EXPECT_EQ(tips[1].body, back.tips[1].body);
  EXPECT_EQ(std::string(999, 'L'), back.tips[2].title);
  EXPECT_EQ(std::string(999, 'B'), back.tips[2].body);
  EXPECT_EQ("cut", back.tips[3].title);
  EXPECT_EQ("", back.tips[4].title);
  // Bytes that were read are written back the same.
  EXPECT_EQ(bytes, tipsfile::fileBytes(back.tips, back.startTip));
}

TEST(TipsFileText, TitleLinesStartTipsAndBodiesKeepTheirLines) {
  const std::string text =
      "comment before the first tip\r\n"
      "# Welcome\r\n"
      "\r\n"
      "Press <B>Next</B> to go on.\r\n"
      "Second line\r\n"
      "\r\n"
      "#not a title\n"
      "# Keys\n"
      "\\# hash kept\n"
      "\\\\ backslash kept\n"
      "#\n"
      "untitled";
  std::vector<tipsfile::Record> tips = tipsfile::parseText(text);
  ASSERT_EQ(3u, tips.size());
  EXPECT_EQ("Welcome", tips[0].title);
  EXPECT_EQ("Press <B>Next</B> to go on.\nSecond line\n\n#not a title", tips[0].body);
  EXPECT_EQ("Keys", tips[1].title);
  EXPECT_EQ("# hash kept\n\\ backslash kept", tips[1].body);
  EXPECT_EQ("", tips[2].title);
  EXPECT_EQ("untitled", tips[2].body);

  std::vector<tipsfile::Record> again = tipsfile::parseText(tipsfile::toText(tips));
  ASSERT_EQ(tips.size(), again.size());
  for (std::size_t i = 0; i < tips.size(); ++i) {
    EXPECT_EQ(tips[i].title, again[i].title) << i;
    EXPECT_EQ(tips[i].body, again[i].body) << i;
  }
  EXPECT_TRUE(tipsfile::parseText("no title line at all\n").empty());
}

TEST(TipsStrip, RecordHoldsAGreenGradientWithALightBulb) {
  const tipsstrip::Picture& p = tipsstrip::picture();
  EXPECT_EQ(64, p.width);
  EXPECT_EQ(210, p.height);
  EXPECT_EQ(4, p.bytesPerPixel);
  auto green = [](std::uint32_t c) { return (c >> 8) & 0xFF; };
  auto red = [](std::uint32_t c) { return c & 0xFF; };
  std::uint32_t top = tipsstrip::colourAt(p, 2, 2), bottom = tipsstrip::colourAt(p, 2, 209);
  EXPECT_GT(green(top), red(top));
  EXPECT_GT(green(bottom), red(bottom));
  EXPECT_GT(green(top), green(bottom));  // lighter at the top
  std::uint32_t glass = tipsstrip::colourAt(p, 36, 82);
  EXPECT_GT(red(glass), 200u);  // the bulb is yellow-white, not green
  // Stored bottom-up: the first stored row is the picture's last.
  EXPECT_EQ(bottom & 0xFF, p.pixels[2 * 4 + 2]);
}
