// Times the byte buffer, the text file and the spreadsheet writer on sizes a
// program meets: growth byte by byte (every push resizes the block to the
// exact length), whole files of several MB, and a sheet of 65,535 cells.
//
//   tarn_files_bench [megabytes]      (default 16)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "clock.h"
#include "temp_path.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

void report(const char* what, double secs, double megabytes) {
  if (megabytes > 0)
    std::printf("%-44s %9.3f s  %9.1f MB/s\n", what, secs, megabytes / secs);
  else
    std::printf("%-44s %9.3f s\n", what, secs);
}

}  // namespace

int main(int argc, char** argv) {
  int mb = argc > 1 ? std::atoi(argv[1]) : 16;
  if (mb <= 0) mb = 16;
  const int bytes = mb * 1024 * 1024;

  for (int n : {100000, 1000000, 4000000}) {
    Buffer grown;
    double t = seconds();
    for (int i = 0; i < n; ++i) grown.push(static_cast<unsigned char>(i));
    char label[64];
    std::snprintf(label, sizeof label, "push %d bytes one by one", n);
    report(label, seconds() - t, n / 1048576.0);
  }

  std::string lines;
  while (static_cast<int>(lines.size()) < bytes) lines += "a line of text for the benchmark, 48 bytes long\r\n";
  std::string path = tempPath("tarn_files_bench.txt");
  {
    Buffer source(lines.data(), static_cast<int>(lines.size()));
    double t = seconds();
    Buffer copy(source);
    report("copy a buffer", seconds() - t, lines.size() / 1048576.0);
    t = seconds();
    Buffer part = source.slice(1, static_cast<int>(lines.size()) - 2);
    report("slice all but two bytes", seconds() - t, lines.size() / 1048576.0);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(lines.data(), 1, lines.size(), f);
    std::fclose(f);
  }
  double mbs = lines.size() / 1048576.0;
  {
    Buffer loaded;
    double t = seconds();
    bool ok = loaded.loadFile(path);
    report(ok ? "Buffer::loadFile" : "Buffer::loadFile FAILED", seconds() - t, mbs);
  }
  {
    TextFile file(path);
    double t = seconds();
    String all = file.readAll();
    report("TextFile::readAll", seconds() - t, mbs);
    file.rewind();
    t = seconds();
    StringList list = file.readLines();
    report("TextFile::readLines", seconds() - t, mbs);
    std::printf("  (%d lines)\n", list.size());
  }
  DeleteFileA(path.c_str());

  // Language tables: lines without "=" ahead of the one entry.
  for (int n : {80000, 160000}) {
    std::string table;
    for (int i = 0; i < n; ++i) table += "a line without a key\n";
    table += "key=value\n";
    Buffer text(table.data(), static_cast<int>(table.size()));
    LanguageTable languages;
    double t = seconds();
    bool ok = languages.loadText(text);
    char label[64];
    std::snprintf(label, sizeof label, "LanguageTable::loadText, %d lines%s", n, ok ? "" : " FAILED");
    report(label, seconds() - t, table.size() / 1048576.0);
  }

  Spreadsheet sheet;
  for (int row = 0; row < 65535; ++row) sheet.addCell(row % 10, row, "cell text of some length");
  std::string sheetPath = tempPath("tarn_files_bench.xls");
  double t = seconds();
  bool ok = sheet.save(sheetPath);
  report(ok ? "Spreadsheet::save, 65535 cells" : "Spreadsheet::save FAILED", seconds() - t, 0);
  std::printf("  (%d bytes)\n", fileSize(sheetPath));
  DeleteFileA(sheetPath.c_str());
  return 0;
}
