// Spreadsheet files: the exact bytes of each record, many cells, the cut of long
// texts, and the BIFF record functions on their own.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/support.h"
#include <tarn/tarn.h>
#include "tarn/system/biff.h"

using namespace tarn;
using testing_support::TempFile;

namespace {

std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

unsigned wordAt(const std::string& bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

struct Record {
  unsigned type;
  std::string body;
};

// Cuts a file into its records; fails the test on a record that runs past the end.
std::vector<Record> records(const std::string& bytes) {
  std::vector<Record> out;
  std::size_t at = 0;
  while (at + 4 <= bytes.size()) {
    unsigned type = wordAt(bytes, at);
    unsigned length = wordAt(bytes, at + 2);
    EXPECT_LE(at + 4 + length, bytes.size()) << "record at " << at;
    if (at + 4 + length > bytes.size()) break;
    out.push_back(Record{type, bytes.substr(at + 4, length)});
    at += 4 + length;
  }
  EXPECT_EQ(bytes.size(), at) << "bytes after the last record";
  return out;
}

std::string savedBytes(Spreadsheet& sheet) {
  TempFile file(".xls");
  EXPECT_TRUE(sheet.save(file.path()));
  return file.read();
}

}  // namespace

TEST(Spreadsheet, OneCellIsThirtyOneBytes) {
  Spreadsheet sheet;
  sheet.addCell(1, 2, "abc");
  std::string bytes = savedBytes(sheet);
  EXPECT_EQ(31u, bytes.size());
  EXPECT_EQ(
      "09 08 08 00 00 00 00 00 00 00 00 00 "
      "04 02 0B 00 02 00 01 00 00 00 03 00 61 62 63 "
      "0A 00 00 00",
      hex(bytes));
}

TEST(Spreadsheet, EmptySheetHasHeaderAndTrailerOnly) {
  Spreadsheet sheet;
  EXPECT_EQ("09 08 08 00 00 00 00 00 00 00 00 00 0A 00 00 00", hex(savedBytes(sheet)));
}

TEST(Spreadsheet, ManyCellsKeepTheirOrderAndValues) {
  Spreadsheet sheet;
  std::size_t expectedSize = 12 + 4;
  for (int i = 0; i < 3000; ++i) {
    std::string text(static_cast<std::size_t>(i % 140), static_cast<char>('a' + i % 26));
    sheet.addCell(i % 7, i, text);
    expectedSize += 12 + std::min<std::size_t>(text.size(), 128);
  }
  EXPECT_EQ(3000, sheet.size());
  std::string bytes = savedBytes(sheet);
  ASSERT_EQ(expectedSize, bytes.size());
  std::vector<Record> recs = records(bytes);
  ASSERT_EQ(3002u, recs.size());
  EXPECT_EQ(0x0809u, recs.front().type);
  EXPECT_EQ(0x000Au, recs.back().type);
  EXPECT_EQ("", recs.back().body);
  for (int i = 0; i < 3000; ++i) {
    const Record& r = recs[static_cast<std::size_t>(i) + 1];
    std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(i % 140), 128);
    ASSERT_EQ(0x0204u, r.type) << i;
    ASSERT_EQ(8 + n, r.body.size()) << i;
    EXPECT_EQ(static_cast<unsigned>(i), wordAt(r.body, 0)) << "row " << i;
    EXPECT_EQ(static_cast<unsigned>(i % 7), wordAt(r.body, 2)) << "column " << i;
    EXPECT_EQ(0u, wordAt(r.body, 4)) << "format " << i;
    EXPECT_EQ(n, wordAt(r.body, 6)) << "text length " << i;
    EXPECT_EQ(std::string(n, static_cast<char>('a' + i % 26)), r.body.substr(8)) << i;
  }
}

TEST(Spreadsheet, TextsAreCutAt128CharactersInFileAndCell) {
  Spreadsheet sheet;
  std::string t128(128, 'x');
  std::string t129 = std::string(128, 'y') + "Z";
  std::string t500(500, 'w');
  sheet.addCell(0, 0, "");
  sheet.addCell(0, 1, t128);
  sheet.addCell(0, 2, t129);
  sheet.addCell(0, 3, t500);
  std::string bytes = savedBytes(sheet);
  // 12 + (12 + 0) + 3 * (12 + 128) + 4
  EXPECT_EQ(12u + 12u + 3u * 140u + 4u, bytes.size());
  std::vector<Record> recs = records(bytes);
  ASSERT_EQ(6u, recs.size());
  EXPECT_EQ(8u, recs[1].body.size());
  EXPECT_EQ(0u, wordAt(recs[1].body, 6));
  for (int i = 2; i <= 4; ++i) {
    EXPECT_EQ(136u, recs[static_cast<std::size_t>(i)].body.size());
    EXPECT_EQ(128u, wordAt(recs[static_cast<std::size_t>(i)].body, 6));
  }
  EXPECT_EQ(t128, recs[2].body.substr(8));
  EXPECT_EQ(std::string(128, 'y'), recs[3].body.substr(8));
  // The stored cells carry the cut too; a second save writes the same bytes.
  EXPECT_EQ(std::string(128, 'y'), sheet.cellAt(2).text.str());
  EXPECT_EQ(128, int(sheet.cellAt(3).text.length));
  EXPECT_EQ(t128, sheet.cellAt(1).text.str());
  EXPECT_EQ(bytes, savedBytes(sheet));
}

TEST(Spreadsheet, ColumnAndRowAreSigned16Bit) {
  Spreadsheet sheet;
  sheet.addCell(70000, -1, "q");  // 70000 keeps its low 16 bits: 4464
  EXPECT_EQ(4464, sheet.cellAt(0).column);
  EXPECT_EQ(-1, sheet.cellAt(0).row);
  std::string bytes = savedBytes(sheet);
  EXPECT_EQ("04 02 09 00 FF FF 70 11 00 00 01 00 71", hex(bytes.substr(12, 13)));
}

TEST(Spreadsheet, AddCopiesTheCell) {
  Spreadsheet sheet;
  Spreadsheet::Cell cell;
  cell.column = 3;
  cell.row = 4;
  cell.text = "one";
  sheet.add(cell);
  cell.text = "two";
  sheet.add(cell);
  EXPECT_EQ(2, sheet.size());
  EXPECT_EQ("one", sheet.cellAt(0).text.str());
  EXPECT_EQ("two", sheet.cellAt(1).text.str());
  EXPECT_EQ("", sheet.cellAt(2).text.str());
  EXPECT_EQ("", sheet.cellAt(-1).text.str());
  std::vector<Record> recs = records(savedBytes(sheet));
  ASSERT_EQ(4u, recs.size());
  EXPECT_EQ("one", recs[1].body.substr(8));
  EXPECT_EQ("two", recs[2].body.substr(8));
}

TEST(Spreadsheet, SaveReplacesTheFileAndFailsWhereItCannotWrite) {
  TempFile file(".xls");
  ASSERT_TRUE(file.write(std::string(1000, 'o')));
  Spreadsheet sheet;
  sheet.addCell(0, 0, "a");
  EXPECT_TRUE(sheet.save(file.path()));
  EXPECT_EQ(29u, file.read().size());
  EXPECT_FALSE(sheet.save(file.path() + "\\missing\\x.xls"));
  EXPECT_FALSE(sheet.save(""));
}

TEST(Biff, RecordsAreLittleEndianWords) {
  std::string out;
  biff::putWord(out, 0x1234);
  EXPECT_EQ("34 12", hex(out));
  EXPECT_EQ(12u, biff::beginOfFile().size());
  EXPECT_EQ("0A 00 00 00", hex(biff::endOfFile()));
  EXPECT_EQ("04 02 0A 00 05 00 06 00 00 00 02 00 68 69", hex(biff::label(6, 5, "hi")));
  std::string withZero("a\0b", 3);  // bytes are written as they are
  EXPECT_EQ("04 02 0B 00 00 00 00 00 00 00 03 00 61 00 62", hex(biff::label(0, 0, withZero)));
}

// A UTF-8 program's workbook: BIFF8 in the beginning-of-file record and each
// text as UTF-16, which spreadsheet programs read back whole; stray bytes
// become U+FFFD; the cut keeps 128 whole characters.
TEST(SpreadsheetUnicode, LabelsCarryUtf16AndTheCutKeepsWholeCharacters) {
  std::string zoe = "Zo\xC3\xAB M\xC3\xBCller \xF0\x9F\x8F\x94";  // "Zoë Müller" and U+1F3D4
  std::string file = biff::workbook({biff::Label{1, 2, zoe}}, biff::Encoding::utf8);
  std::vector<Record> parts = records(file);
  ASSERT_EQ(3u, parts.size());
  EXPECT_EQ(0x0809u, parts[0].type);
  EXPECT_EQ(0x0600u, wordAt(parts[0].body, 0)) << "BIFF8";
  EXPECT_EQ(0x0204u, parts[1].type);
  const std::string& body = parts[1].body;
  EXPECT_EQ(2u, wordAt(body, 0));   // row
  EXPECT_EQ(1u, wordAt(body, 2));   // column
  EXPECT_EQ(13u, wordAt(body, 6));  // 11 characters, the last one two units
  EXPECT_EQ('\x01', body[8]);       // 16-bit characters
  const unsigned units[] = {'Z', 'o', 0xEB, ' ', 'M', 0xFC, 'l', 'l', 'e', 'r', ' ', 0xD83C, 0xDFD4};
  ASSERT_EQ(9u + 2 * 13, body.size());
  for (std::size_t i = 0; i < 13; ++i) EXPECT_EQ(units[i], wordAt(body, 9 + 2 * i)) << i;

  EXPECT_EQ(u"a\uFFFDb\uFFFD", biff::utf16From("a\xFF" "b\xC3"));
  EXPECT_EQ(u"\uFFFD\uFFFD", biff::utf16From("\xED\xA0"));  // a surrogate's bytes, cut short

  std::string umlauts;
  for (int i = 0; i < 200; ++i) umlauts += "\xC3\xBC";
  std::string cut = biff::cutUtf8LabelText(umlauts);
  EXPECT_EQ(256u, cut.size()) << "128 characters of two bytes";
  EXPECT_EQ("x" + umlauts.substr(0, 254), biff::cutUtf8LabelText("x" + umlauts));
  EXPECT_EQ("abc", biff::cutUtf8LabelText("abc"));
}

// The code-page workbook is the earlier versions' file, byte for byte.
TEST(SpreadsheetUnicode, CodePageWorkbooksStayAsTheyWere) {
  std::vector<biff::Label> cells = {biff::Label{1, 2, "abc"}, biff::Label{0, 0, "Zo\xEB"}};
  EXPECT_EQ(biff::workbook(cells), biff::workbook(cells, biff::Encoding::codePage));
  EXPECT_EQ(biff::beginOfFile() + biff::label(1, 2, "abc") + biff::label(0, 0, "Zo\xEB") +
                biff::endOfFile(),
            biff::workbook(cells));
}
