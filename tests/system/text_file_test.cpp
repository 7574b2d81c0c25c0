// TextFile: opening and closing, reading by line, character, number, block and
// whole, line ends on disk, writing at the position, rewrite and create, and
// every operation on a closed object.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/support.h"
#include <tarn/tarn.h>
#include "tarn/system/file_text.h"

using namespace tarn;
using testing_support::TempFile;

namespace {

std::string s(const String& v) { return v.str(); }

std::vector<std::string> items(const StringList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.size(); ++i) out.push_back(list[i].str());
  return out;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(TextFileClosed, EveryOperationAnswersEmpty) {
  TextFile file;
  EXPECT_FALSE(bool(file.isOpen));
  EXPECT_FALSE(bool(file.eof));
  EXPECT_EQ(0, file.close());
  EXPECT_EQ(0, file.rewind());
  EXPECT_EQ(0, file.size());
  EXPECT_EQ(0, file.readChar());
  EXPECT_EQ(0, file.readInt());
  EXPECT_EQ("", s(file.readLine()));
  EXPECT_EQ(0, file.readLines().size());
  EXPECT_EQ(0, file.readLines(3).size());
  EXPECT_EQ("", s(file.read(10)));
  EXPECT_EQ("", s(file.readAll()));
  EXPECT_FALSE(file.write("text"));
  EXPECT_FALSE(bool(file.isOpen));
  // No path was ever given: there is no file to make.
  EXPECT_FALSE(file.create());
  EXPECT_FALSE(file.rewrite("text"));
  EXPECT_FALSE(bool(file.isOpen));
}

TEST(TextFileClosed, AfterCloseNothingTouchesTheFile) {
  TempFile temp;
  ASSERT_TRUE(temp.write("one\ntwo\n"));
  TextFile file(temp.path());
  ASSERT_TRUE(bool(file.isOpen));
  EXPECT_EQ(0, file.close());
  EXPECT_FALSE(bool(file.isOpen));
  EXPECT_EQ("", s(file.readLine()));
  EXPECT_EQ(0, file.size());
  EXPECT_FALSE(file.write("changed"));
  EXPECT_EQ(0, file.close());
  EXPECT_EQ("one\ntwo\n", temp.read());
}

TEST(TextFileOpen, MissingFileThenCreateMakesIt) {
  TempFile temp;
  TextFile file;
  EXPECT_FALSE(file.open(temp.path()));
  EXPECT_FALSE(bool(file.isOpen));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(temp.path().c_str()));  // open makes nothing
  EXPECT_TRUE(file.create());
  EXPECT_TRUE(bool(file.isOpen));
  EXPECT_TRUE(file.write("made\n"));
  file.close();
  EXPECT_EQ("made\r\n", temp.read());
}

TEST(TextFileOpen, OpenClosesThePreviousStreamEvenWhenItFails) {
  TempFile first, missing;
  ASSERT_TRUE(first.write("x"));
  TextFile file(first.path());
  ASSERT_TRUE(bool(file.isOpen));
  EXPECT_FALSE(file.open(missing.path()));
  EXPECT_FALSE(bool(file.isOpen));
  // The first file is no longer held: it can be replaced.
  EXPECT_TRUE(first.write("replaced"));
  EXPECT_EQ("replaced", first.read());
  // create() uses the new path.
  EXPECT_TRUE(file.create());
  file.close();
  EXPECT_EQ("", missing.read());
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missing.path().c_str()));
}

TEST(TextFileOpen, DestructorClosesTheStream) {
  TempFile temp;
  ASSERT_TRUE(temp.write("a"));
  {
    TextFile file(temp.path());
    ASSERT_TRUE(bool(file.isOpen));
    EXPECT_TRUE(file.write("b"));
  }
  EXPECT_EQ("b", temp.read());  // flushed on destruction
}

TEST(TextFileRead, ReadLinesWithoutLimitEndsWithEmptyElement) {
  TempFile temp;
  ASSERT_TRUE(temp.write("alpha\nbeta\ngamma\n"));
  TextFile file(temp.path());
  EXPECT_EQ((Lines{"alpha", "beta", "gamma", ""}), items(file.readLines(0)));
  EXPECT_TRUE(bool(file.eof));
  EXPECT_EQ(0, file.readLines(0).size());  // at the end: nothing more

  ASSERT_TRUE(temp.write("alpha\nbeta"));
  TextFile noLastEnd(temp.path());
  EXPECT_EQ((Lines{"alpha", "beta"}), items(noLastEnd.readLines()));

  ASSERT_TRUE(temp.write(""));
  TextFile empty(temp.path());
  EXPECT_EQ((Lines{""}), items(empty.readLines()));
}

TEST(TextFileRead, ReadLinesWithLimitStopsAtTheNextLine) {
  TempFile temp;
  ASSERT_TRUE(temp.write("1\r\n2\r\n3\r\n4\r\n5\r\n"));
  TextFile file(temp.path());
  EXPECT_EQ((Lines{"1", "2"}), items(file.readLines(2)));
  EXPECT_FALSE(bool(file.eof));
  EXPECT_EQ("3", s(file.readLine()));
  EXPECT_EQ((Lines{"4", "5", ""}), items(file.readLines(10)));
}

TEST(TextFileRead, LineEndsOfEveryKind) {
  TempFile temp;
  ASSERT_TRUE(temp.write("abc\r\nlf\nlone\rcr\r\r\n\r\nend\r"));
  TextFile file(temp.path());
  EXPECT_EQ("abc", s(file.readLine()));
  EXPECT_EQ("lf", s(file.readLine()));
  EXPECT_EQ("lone\rcr\r", s(file.readLine()));  // only the pair is a line end
  EXPECT_EQ("", s(file.readLine()));
  EXPECT_FALSE(bool(file.eof));
  // A last, lone carriage return is stripped; the line was ended by the end of the file.
  EXPECT_EQ("end", s(file.readLine()));
  EXPECT_TRUE(bool(file.eof));
  EXPECT_EQ("", s(file.readLine()));

  ASSERT_TRUE(temp.write("x\ry\r"));
  TextFile chars(temp.path());
  EXPECT_EQ((Lines{"x\ry"}), items(chars.readLines()));
}

TEST(TextFileRead, LongLinesComeInPiecesOf1023) {
  TempFile temp;
  std::string line;
  for (int i = 0; i < 2500; ++i) line.push_back(static_cast<char>('a' + i % 26));
  ASSERT_TRUE(temp.write(line + "\r\nnext\r\n"));
  TextFile file(temp.path());
  EXPECT_EQ(line.substr(0, 1023), s(file.readLine()));
  EXPECT_EQ(line.substr(1023, 1023), s(file.readLine()));
  EXPECT_EQ(line.substr(2046), s(file.readLine()));
  EXPECT_EQ("next", s(file.readLine()));

  // Exactly 1023 characters: the line end comes as a line of its own.
  ASSERT_TRUE(temp.write(std::string(1023, 'q') + "\nz"));
  TextFile exact(temp.path());
  EXPECT_EQ(std::string(1023, 'q'), s(exact.readLine()));
  EXPECT_EQ("", s(exact.readLine()));
  EXPECT_EQ("z", s(exact.readLine()));
}

TEST(TextFileRead, ZeroBytesDoNotCutLines) {
  TempFile temp;
  ASSERT_TRUE(temp.write(std::string("a\0b\nc", 5)));
  TextFile file(temp.path());
  EXPECT_EQ("a b", s(file.readLine()));
  EXPECT_EQ("c", s(file.readLine()));
}

TEST(TextFileRead, CharactersAndNumbers) {
  TempFile temp;
  ASSERT_TRUE(temp.write("ab\r\nc"));
  TextFile chars(temp.path());
  EXPECT_EQ('a', chars.readChar());
  EXPECT_EQ('b', chars.readChar());
  EXPECT_EQ('\n', chars.readChar());  // the pair arrives as one line feed
  EXPECT_EQ('c', chars.readChar());
  EXPECT_EQ(0, chars.readChar());
  EXPECT_TRUE(bool(chars.eof));

  ASSERT_TRUE(temp.write("12 -7\r\n  42\tx 5"));
  TextFile numbers(temp.path());
  EXPECT_EQ(12, numbers.readInt());
  EXPECT_EQ(-7, numbers.readInt());
  EXPECT_EQ(42, numbers.readInt());
  EXPECT_EQ(0, numbers.readInt());  // "x" is no number
  EXPECT_EQ('x', numbers.readChar());
  EXPECT_EQ(5, numbers.readInt());
  EXPECT_EQ(0, numbers.readInt());
}

TEST(TextFileRead, SizeKeepsThePosition) {
  for (const char* text : {"first\nsecond\nthird\n", "first\r\nsecond\r\nthird\r\n"}) {
    TempFile temp;
    ASSERT_TRUE(temp.write(text));
    TextFile file(temp.path());
    EXPECT_EQ("first", s(file.readLine()));
    EXPECT_EQ(static_cast<int>(std::string(text).size()), file.size());
    EXPECT_EQ("second", s(file.readLine()));
    EXPECT_EQ('t', file.readChar());
    EXPECT_EQ(static_cast<int>(std::string(text).size()), file.size());
    EXPECT_EQ("hird", s(file.readLine()));
  }
}

TEST(TextFileRead, ReadGivesOnlyWhatWasRead) {
  TempFile temp;
  ASSERT_TRUE(temp.write(std::string("abc\0ef", 6)));
  TextFile file(temp.path());
  EXPECT_EQ("ab", s(file.read(2)));
  EXPECT_EQ("c e", s(file.read(3)));
  EXPECT_EQ("f", s(file.read(100)));  // no padding
  EXPECT_EQ("", s(file.read(5)));
  EXPECT_TRUE(bool(file.eof));
  file.rewind();
  EXPECT_FALSE(bool(file.eof));
  EXPECT_EQ("", s(file.read(0)));
  EXPECT_EQ("", s(file.read(-1)));
  EXPECT_EQ("", s(file.read(INT_MIN)));
  if (sizeof(void*) == 4) {
    // No block of 2 GB exists for a 32-bit program that is not
    // large-address-aware: the empty string and the stream where it was.
    EXPECT_EQ("", s(file.read(INT_MAX)));
  } else {
    // A 64-bit program has the block and gets what there is.
    EXPECT_EQ("abc ef", s(file.read(INT_MAX)));
    file.rewind();
  }
  EXPECT_EQ("abc", s(file.read(3)));
}

TEST(TextFileRead, ReadCountsCharactersAfterLineEndTranslation) {
  TempFile temp;
  ASSERT_TRUE(temp.write("a\r\nb\r\nc\r\nd\r\n"));
  TextFile file(temp.path());
  EXPECT_EQ("a\nb", s(file.read(3)));
  // Five characters: the last pair is split between two rounds of reading.
  EXPECT_EQ("\nc\nd\n", s(file.read(5)));
  EXPECT_EQ("", s(file.read(5)));
  // A carriage return at the end of the file stays as it is.
  ASSERT_TRUE(temp.write("ab\r"));
  TextFile lone(temp.path());
  EXPECT_EQ("ab\r", s(lone.read(3)));
  EXPECT_FALSE(bool(lone.eof));  // looking past the return does not count as reaching the end
  EXPECT_EQ("", s(lone.read(3)));
  EXPECT_TRUE(bool(lone.eof));
}

TEST(TextFileRead, ReadAllTakesTheWholeFileFromTheStart) {
  TempFile temp;
  ASSERT_TRUE(temp.write(std::string("one\r\ntwo\0\nthree", 15)));
  TextFile file(temp.path());
  EXPECT_EQ("one", s(file.readLine()));
  EXPECT_EQ("one\ntwo \nthree", s(file.readAll()));  // fewer characters than size(): no padding
  EXPECT_EQ("", s(file.readLine()));                // left at the end
  EXPECT_TRUE(bool(file.eof));
  EXPECT_EQ("one\ntwo \nthree", s(file.readAll()));

  ASSERT_TRUE(temp.write(""));
  TextFile empty(temp.path());
  EXPECT_EQ("", s(empty.readAll()));
}

TEST(TextFileRead, LargeFileReadsWhole) {
  TempFile temp;
  std::string text;
  std::string expected;
  for (int i = 0; i < 200000; ++i) {
    text += "line " + std::to_string(i) + "\r\n";
    expected += "line " + std::to_string(i) + "\n";
  }
  ASSERT_TRUE(temp.write(text));
  TextFile file(temp.path());
  String all = file.readAll();
  EXPECT_EQ(static_cast<int>(expected.size()), int(all.length));
  EXPECT_TRUE(all.str() == expected);
  file.rewind();
  StringList lines = file.readLines();
  ASSERT_EQ(200001, lines.size());
  EXPECT_EQ("line 199999", s(lines[199999]));
  EXPECT_EQ("", s(lines[200000]));
}

TEST(TextFileWrite, WritesAtTheCurrentPosition) {
  for (const char* lineEnd : {"\n", "\r\n"}) {
    TempFile temp;
    std::string e(lineEnd);
    ASSERT_TRUE(temp.write("one" + e + "two" + e + "three" + e));
    TextFile file(temp.path());
    EXPECT_EQ("one", s(file.readLine()));
    EXPECT_TRUE(file.write("TW"));
    EXPECT_EQ("o", s(file.readLine()));  // reading goes on after the written text
    EXPECT_EQ("three", s(file.readLine()));
    file.close();
    EXPECT_EQ("one" + e + "TWo" + e + "three" + e, temp.read()) << "line end " << e.size();
  }
}

TEST(TextFileWrite, LineFeedsAreStoredAsPairs) {
  TempFile temp;
  ASSERT_TRUE(temp.write(""));
  TextFile file(temp.path());
  EXPECT_TRUE(file.write("a\nb"));
  EXPECT_TRUE(file.write(""));
  EXPECT_EQ(4, file.size());  // counts what is still buffered
  file.rewind();
  EXPECT_EQ("a\nb", s(file.readAll()));
  file.close();
  EXPECT_EQ("a\r\nb", temp.read());
}

TEST(TextFileWrite, RewriteLeavesExactlyTheText) {
  TempFile temp;
  ASSERT_TRUE(temp.write("a much longer old content\r\nwith lines\r\n"));
  TextFile file(temp.path());
  EXPECT_EQ("a much longer old content", s(file.readLine()));
  EXPECT_TRUE(file.rewrite("new\ntext"));
  EXPECT_TRUE(bool(file.isOpen));
  EXPECT_TRUE(file.write("!"));  // still open for writing, at the end
  // Open for writing only: reading gives nothing, and never loops.
  EXPECT_EQ("", s(file.readLine()));
  EXPECT_EQ(0, file.readLines().size());
  file.close();
  EXPECT_EQ("new\r\ntext!", temp.read());

  TextFile reopened(temp.path());
  EXPECT_TRUE(reopened.rewrite(""));
  reopened.close();
  EXPECT_EQ("", temp.read());
}

TEST(TextFileWrite, CreateEmptiesTheFile) {
  TempFile temp;
  ASSERT_TRUE(temp.write("old"));
  TextFile file(temp.path());
  EXPECT_TRUE(file.create());
  EXPECT_EQ(0, file.size());
  file.close();
  EXPECT_EQ("", temp.read());
}

TEST(FileText, LineEndTranslationStaysInsideTheBytes) {
  EXPECT_EQ("a\r\r\n", filetext::lineFeedsAsPairs("a\r\n"));  // as a text-mode stream writes it
  std::string text = "kept";
  filetext::appendAsText(text, "x\r\n", 2);
  EXPECT_EQ("keptx\r", text);
  filetext::appendAsText(text, nullptr, 4);
  EXPECT_EQ("keptx\r", text);
}

TEST(FileText, PairsAndZeroBytesInOnePass) {
  std::string text;
  const char bytes[] = "a\r\n\0b\r\r\n\0\0\rc\r";
  filetext::appendAsText(text, bytes, sizeof bytes - 1);
  EXPECT_EQ("a\n b\r\n  \rc\r", text);
}

// create(path) makes a new file or empties an old one and keeps it open for
// writing and reading; where no file can be made it answers false, closed.
TEST(TextFileCreate, MakesOrEmptiesTheFileOpenForWritingAndReading) {
  TempFile made(".txt");
  TempFile old(".txt");
  ASSERT_TRUE(old.write("old content\r\n"));
  for (const TempFile* file : {&made, &old}) {
    SCOPED_TRACE(file->path());
    TextFile text;
    ASSERT_TRUE(text.create(file->path()));
    EXPECT_TRUE(text.isOpen.get());
    EXPECT_EQ(0, text.size());
    EXPECT_TRUE(text.write("first\nsecond\n"));
    text.rewind();
    EXPECT_EQ("first", text.readLine().str());
    EXPECT_EQ("second", text.readLine().str());
    text.close();
    EXPECT_EQ("first\r\nsecond\r\n", file->read());
  }
  TextFile nowhere;
  std::string missing = made.path() + ".missing\\inner.txt";
  EXPECT_FALSE(nowhere.create(missing));
  EXPECT_FALSE(nowhere.isOpen.get());
  EXPECT_FALSE(nowhere.write("lost"));
}
