// Buffer: construction, copies owning their blocks, growth, bounds of byteAt and
// slice, loading and saving files.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::TempFile;

namespace {

std::string bytesOf(const Buffer& b) {
  const char* p = b.data;
  int n = b.length;
  return n > 0 ? std::string(p, static_cast<std::size_t>(n)) : std::string();
}

// The block behind a buffer is a live global block of exactly `length` bytes.
::testing::AssertionResult ownsExactBlock(const Buffer& b) {
  char* p = b.data;
  int n = b.length;
  if (n == 0) {
    if (p == nullptr) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "empty buffer with a block";
  }
  SIZE_T size = GlobalSize(p);
  if (size != static_cast<SIZE_T>(n))
    return ::testing::AssertionFailure() << "block of " << size << " bytes for length " << n;
  return ::testing::AssertionSuccess();
}

std::string pattern(std::size_t n) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
  return s;
}

}  // namespace

TEST(Buffer, DefaultIsEmpty) {
  Buffer b;
  EXPECT_EQ(nullptr, static_cast<char*>(b.data));
  EXPECT_EQ(0, int(b.length));
  EXPECT_EQ("", b.text());
  b.copyTo(nullptr);  // nothing to copy, nothing touched
  b.release();
  EXPECT_EQ(0, int(b.length));
}

TEST(Buffer, ConstructorsCopyOrZeroFill) {
  const char raw[] = {'a', 0, 'b', '\xFF'};
  Buffer copy(raw, 4);
  EXPECT_EQ(std::string(raw, 4), bytesOf(copy));
  EXPECT_NE(static_cast<const char*>(raw), static_cast<char*>(copy.data));
  EXPECT_TRUE(ownsExactBlock(copy));

  Buffer zeros(5);
  EXPECT_EQ(std::string(5, '\0'), bytesOf(zeros));
  EXPECT_TRUE(ownsExactBlock(zeros));

  EXPECT_EQ(0, int(Buffer(raw, 0).length));
  EXPECT_EQ(0, int(Buffer(raw, -3).length));
  EXPECT_EQ(0, int(Buffer(nullptr, 10).length));
  EXPECT_EQ(0, int(Buffer(0).length));
  EXPECT_EQ(0, int(Buffer(-1).length));
}

TEST(Buffer, TwoGigabytesFailCleanlyIn32BitAndComeZeroedIn64Bit) {
  Buffer huge(INT_MAX);
  if (sizeof(void*) == 4) {
    // 32-bit test programs are not large-address-aware: 2 GB can never be allocated.
    EXPECT_EQ(0, int(huge.length));
    EXPECT_EQ(nullptr, static_cast<char*>(huge.data));
  } else {
    // A 64-bit program gets the whole block, zero-filled to its last byte.
    ASSERT_EQ(INT_MAX, int(huge.length));
    ASSERT_NE(nullptr, static_cast<char*>(huge.data));
    EXPECT_EQ(0, static_cast<char*>(huge.data)[INT_MAX - 1]);
  }
}

TEST(Buffer, ByteAtAnswers255OutsideTheBytes) {
  Buffer empty;
  EXPECT_EQ(255, empty.byteAt(-1));
  EXPECT_EQ(255, empty.byteAt(0));
  EXPECT_EQ(255, empty.byteAt(1));

  const unsigned char raw[] = {0x00, 0x7F, 0x80, 0xFE, 0xFF};
  Buffer b(raw, 5);
  EXPECT_EQ(0x00, b.byteAt(0));
  EXPECT_EQ(0x7F, b.byteAt(1));
  EXPECT_EQ(0x80, b.byteAt(2));  // never sign-extended
  EXPECT_EQ(0xFE, b.byteAt(3));
  EXPECT_EQ(0xFF, b.byteAt(4));  // a stored 255 reads as the outside answer
  EXPECT_EQ(255, b.byteAt(5));
  EXPECT_EQ(255, b.byteAt(-1));
  EXPECT_EQ(255, b.byteAt(INT_MIN));
  EXPECT_EQ(255, b.byteAt(INT_MAX));
}

TEST(Buffer, AppendAndPushGrowToTheExactLength) {
  Buffer b;
  EXPECT_EQ(3, b.append("abc", 3));
  EXPECT_EQ(5, b.append("de", 2));
  EXPECT_EQ(5, b.append("zz", 0));
  EXPECT_EQ(5, b.append("zz", -4));
  b.push('f');
  b.push(0);
  b.push(0xFF);
  EXPECT_EQ(std::string("abcdef\0\xFF", 8), bytesOf(b));
  EXPECT_TRUE(ownsExactBlock(b));

  Buffer pushed;
  pushed.push('x');  // a first push allocates one byte
  EXPECT_EQ("x", bytesOf(pushed));
  EXPECT_TRUE(ownsExactBlock(pushed));
}

TEST(Buffer, ManySmallGrowthsMoveTheBlockWithoutLosingBytes) {
  // Other blocks allocated in between keep the buffer from growing in place,
  // so its block has to move.
  Buffer b;
  Buffer others[64];
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    unsigned char byte = static_cast<unsigned char>(i * 7);
    b.push(byte);
    expected.push_back(static_cast<char>(byte));
    if (i % 300 == 0) others[(i / 300) % 64] = Buffer(16);
    if (i % 1000 == 0) {
      std::string chunk = pattern(static_cast<std::size_t>(i % 37 + 1));
      b.append(chunk.data(), static_cast<int>(chunk.size()));
      expected += chunk;
    }
  }
  EXPECT_EQ(static_cast<int>(expected.size()), int(b.length));
  EXPECT_TRUE(bytesOf(b) == expected);
  EXPECT_TRUE(ownsExactBlock(b));
}

TEST(Buffer, AppendFromItselfSurvivesTheBlockMoving) {
  Buffer b("0123456789", 10);
  Buffer spacer(8);  // allocated right after b's block
  EXPECT_EQ(20, b.append(b.data, b.length));
  EXPECT_EQ("01234567890123456789", bytesOf(b));
  char* inside = b.data;
  EXPECT_EQ(23, b.append(inside + 17, 3));
  EXPECT_EQ("01234567890123456789789", bytesOf(b));
}

TEST(Buffer, FailedAppendKeepsTheContent) {
  Buffer b("abcdef", 6);
  char* inside = b.data;
  EXPECT_EQ(-1, b.append(inside + 4, 5));  // would read past the block's end
  EXPECT_EQ(-1, b.append(nullptr, 3));
  EXPECT_EQ(-1, b.append("x", INT_MAX));  // the length would not fit
  EXPECT_EQ("abcdef", bytesOf(b));
  EXPECT_TRUE(ownsExactBlock(b));
}

TEST(Buffer, CopiesOwnTheirBlocks) {
  Buffer* original = new Buffer("hello", 5);
  Buffer copy(*original);
  Buffer assigned;
  assigned = *original;
  EXPECT_NE(static_cast<char*>(original->data), static_cast<char*>(copy.data));
  EXPECT_NE(static_cast<char*>(original->data), static_cast<char*>(assigned.data));
  static_cast<char*>(copy.data)[0] = 'j';
  EXPECT_EQ("hello", bytesOf(*original));
  EXPECT_EQ("jello", bytesOf(copy));
  delete original;  // frees only its own block
  EXPECT_EQ("jello", bytesOf(copy));
  EXPECT_EQ("hello", bytesOf(assigned));
  EXPECT_TRUE(ownsExactBlock(copy));
  EXPECT_TRUE(ownsExactBlock(assigned));
  // The properties of a copy read the copy.
  Buffer other("xy", 2);
  copy = other;
  EXPECT_EQ(2, int(copy.length));
  EXPECT_EQ(2, int(other.length));
}

TEST(Buffer, AssignReplacesAndReportsTheLength) {
  Buffer target("old content", 11);
  Buffer source("new", 3);
  EXPECT_EQ(3, target.assign(source));
  EXPECT_EQ("new", bytesOf(target));

  Buffer empty;
  EXPECT_EQ(0, target.assign(empty));
  EXPECT_EQ(0, int(target.length));
  EXPECT_EQ(nullptr, static_cast<char*>(target.data));

  Buffer self("keep", 4);
  EXPECT_EQ(4, self.assign(self));
  self = self;
  EXPECT_EQ("keep", bytesOf(self));

  Buffer fromEmpty(empty);
  EXPECT_EQ(0, int(fromEmpty.length));
}

TEST(Buffer, SliceTakesOnlyRangesInside) {
  Buffer b("abcdefgh", 8);
  Buffer whole = b.slice(0, 8);
  EXPECT_EQ("abcdefgh", bytesOf(whole));
  EXPECT_NE(static_cast<char*>(b.data), static_cast<char*>(whole.data));
  EXPECT_TRUE(ownsExactBlock(whole));
  EXPECT_EQ("cde", bytesOf(b.slice(2, 3)));
  EXPECT_EQ("h", bytesOf(b.slice(7, 1)));

  EXPECT_EQ(0, int(b.slice(3, 0).length));
  EXPECT_EQ(0, int(b.slice(3, -1).length));
  EXPECT_EQ(0, int(b.slice(6, 3).length));   // reaches past the end
  EXPECT_EQ(0, int(b.slice(8, 1).length));
  EXPECT_EQ(0, int(b.slice(-1, 2).length));
  EXPECT_EQ(0, int(b.slice(1, INT_MAX).length));  // start + count overflows
  EXPECT_EQ(0, int(b.slice(INT_MAX, 1).length));
  EXPECT_EQ(0, int(Buffer().slice(0, 1).length));
}

TEST(Buffer, TextEndsAtTheFirstZeroOrTheLength) {
  EXPECT_EQ("ab", Buffer("ab\0cd", 5).text());
  EXPECT_EQ("abc", Buffer("abc", 3).text());  // no zero byte stored after the content
  EXPECT_EQ("", Buffer("\0abc", 4).text());
  Buffer big(100000);
  std::memset(static_cast<char*>(big.data), 'q', 100000);
  EXPECT_EQ(100000, int(big.text().length));
}

TEST(Buffer, CopyToCopiesEveryByte) {
  Buffer b("a\0b\xFF", 4);
  char out[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
  b.copyTo(out);
  EXPECT_EQ(std::string("a\0b\xFFxx", 6), std::string(out, 6));
}

TEST(BufferFile, LoadsTheRawBytes) {
  TempFile file;
  std::string bytes("line\r\nnext\n\0\x1A\xFFtail", 17);
  ASSERT_TRUE(file.write(bytes));
  Buffer b("previous", 8);
  EXPECT_TRUE(b.loadFile(file.path()));
  EXPECT_TRUE(bytesOf(b) == bytes);
  EXPECT_TRUE(ownsExactBlock(b));
}

TEST(BufferFile, EmptyFileEmptiesTheBuffer) {
  TempFile file;
  ASSERT_TRUE(file.write(""));
  Buffer b("previous", 8);
  EXPECT_FALSE(b.loadFile(file.path()));
  EXPECT_EQ(0, int(b.length));
  EXPECT_EQ(nullptr, static_cast<char*>(b.data));
}

TEST(BufferFile, MissingFileKeepsTheContent) {
  TempFile missing;
  Buffer b("previous", 8);
  EXPECT_FALSE(b.loadFile(missing.path()));
  EXPECT_FALSE(b.loadFile(""));
  char tempDir[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, tempDir);
  EXPECT_FALSE(b.loadFile(tempDir));  // a folder
  EXPECT_EQ("previous", bytesOf(b));
}

TEST(BufferFile, LargeFileLoadsWhole) {
  TempFile file;
  std::string bytes = pattern(9 * 1024 * 1024 + 13);
  ASSERT_TRUE(file.write(bytes));
  Buffer b;
  ASSERT_TRUE(b.loadFile(file.path()));
  ASSERT_EQ(static_cast<int>(bytes.size()), int(b.length));
  EXPECT_TRUE(bytesOf(b) == bytes);
  EXPECT_TRUE(ownsExactBlock(b));
  EXPECT_EQ(static_cast<int>(bytes.size()), fileSize(file.path()));
}

TEST(BufferFile, SaveWritesLineFeedsAsPairs) {
  TempFile file;
  Buffer b("A\n", 2);
  EXPECT_TRUE(b.saveFile(file.path()));
  EXPECT_EQ("A\r\n", file.read());
  EXPECT_EQ(3, fileSize(file.path()));

  Buffer mixed("a\0b\nc\r\n\xFF", 8);
  EXPECT_TRUE(mixed.saveFile(file.path()));  // replaces the earlier file
  EXPECT_EQ(std::string("a\0b\r\nc\r\r\n\xFF", 10), file.read());
}

TEST(BufferFile, SaveOfEmptyBufferMakesAnEmptyFile) {
  TempFile file;
  ASSERT_TRUE(file.write("old"));
  EXPECT_TRUE(Buffer().saveFile(file.path()));
  EXPECT_EQ("", file.read());
}

TEST(BufferFile, SaveToAPlaceThatCannotBeWrittenFails) {
  TempFile file;
  EXPECT_FALSE(Buffer("x", 1).saveFile(file.path() + "\\no\\such\\folder.bin"));
  EXPECT_FALSE(Buffer("x", 1).saveFile(""));
}

TEST(FileSize, CountsBytesAndAnswers0WhenMissing) {
  TempFile file;
  EXPECT_EQ(0, fileSize(file.path()));
  ASSERT_TRUE(file.write(""));
  EXPECT_EQ(0, fileSize(file.path()));
  ASSERT_TRUE(file.write("ab\r\ncd\n"));  // bytes, not characters after translation
  EXPECT_EQ(7, fileSize(file.path()));
  EXPECT_EQ(0, fileSize(""));
}
