// tarn-tips: turns a plain text file of tips into a tips file for TipsDialog,
// and a tips file back into text.
//
//   tarn-tips make <text file> <tips file> [starting tip]
//   tarn-tips text <tips file> <text file>
//
// The text form: a line "# title" starts each tip; the lines up to the next
// title line are its body, in the toolkit's markup (<B>, <I>, <U>, <BR>,
// <CENTER>, <RIGHT>). Lines before the first title are comments.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <tarn/tarn.h>

using namespace tarn;

namespace {

constexpr int usageError = 1;
constexpr int fileError = 2;
constexpr int formatError = 3;
constexpr int longestField = 999;

int usage() {
  std::fprintf(stderr,
               "usage: tarn-tips make <text file> <tips file> [starting tip]\n"
               "       tarn-tips text <tips file> <text file>\n");
  return usageError;
}

bool readFile(const char* path, std::string& bytes) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  bytes.clear();
  char chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

bool writeFile(const char* path, const std::string& bytes) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

void warnIfCut(std::size_t number, const char* what, const String& text) {
  if (text.str().size() > static_cast<std::size_t>(longestField))
    std::fprintf(stderr, "tarn-tips: tip %u: %s cut to %d characters\n",
                 static_cast<unsigned>(number), what, longestField);
}

int make(const char* textPath, const char* tipsPath, int startTip) {
  std::string text;
  if (!readFile(textPath, text)) {
    std::fprintf(stderr, "tarn-tips: cannot read %s\n", textPath);
    return fileError;
  }
  std::vector<Tip> tips = readTipsText(text);
  if (tips.empty()) {
    std::fprintf(stderr, "tarn-tips: no \"# title\" line in %s\n", textPath);
    return formatError;
  }
  for (std::size_t i = 0; i < tips.size(); ++i) {
    warnIfCut(i + 1, "title", tips[i].title);
    warnIfCut(i + 1, "body", tips[i].body);
  }
  if (!writeFile(tipsPath, tipsFileBytes(tips, startTip))) {
    std::fprintf(stderr, "tarn-tips: cannot write %s\n", tipsPath);
    return fileError;
  }
  std::printf("%u tips written to %s\n", static_cast<unsigned>(tips.size()), tipsPath);
  return 0;
}

int text(const char* tipsPath, const char* textPath) {
  std::string bytes;
  if (!readFile(tipsPath, bytes)) {
    std::fprintf(stderr, "tarn-tips: cannot read %s\n", tipsPath);
    return fileError;
  }
  std::vector<Tip> tips;
  int startTip = 0;
  if (!parseTipsFile(bytes, tips, startTip)) {
    std::fprintf(stderr, "tarn-tips: %s is too short for a tips file\n", tipsPath);
    return formatError;
  }
  if (!writeFile(textPath, writeTipsText(tips).str())) {
    std::fprintf(stderr, "tarn-tips: cannot write %s\n", textPath);
    return fileError;
  }
  std::printf("%u tips written to %s (starting tip %d)\n", static_cast<unsigned>(tips.size()),
              textPath, startTip);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return usage();
  std::string command = argv[1];
  if (command == "make" && argc <= 5) {
    int startTip = 1;
    if (argc == 5) {
      char* end = nullptr;
      long n = std::strtol(argv[4], &end, 10);
      if (end == argv[4] || *end != '\0' || n < -2147483647L - 1 || n > 2147483647L) return usage();
      startTip = static_cast<int>(n);
    }
    return make(argv[2], argv[3], startTip);
  }
  if (command == "text" && argc == 4) return text(argv[2], argv[3]);
  return usage();
}
