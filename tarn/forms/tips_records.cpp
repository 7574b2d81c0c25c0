// Tips files and their text form for programs: String tips over the byte
// functions of text/tips_file.h.
#include "tarn/tips.h"
#include "tarn/forms/tips_file.h"

namespace tarn {

namespace {

std::vector<tipsfile::Record> records(const std::vector<Tip>& tips) {
  std::vector<tipsfile::Record> out;
  out.reserve(tips.size());
  for (const Tip& tip : tips) out.push_back({tip.title.str(), tip.body.str()});
  return out;
}

std::vector<Tip> tipsOf(const std::vector<tipsfile::Record>& records) {
  std::vector<Tip> out;
  out.reserve(records.size());
  for (const tipsfile::Record& r : records) out.push_back({String(r.title), String(r.body)});
  return out;
}

}  // namespace

std::string tipsFileBytes(const std::vector<Tip>& tips, int startTip) {
  return tipsfile::fileBytes(records(tips), startTip);
}

bool parseTipsFile(const std::string& bytes, std::vector<Tip>& tips, int& startTip) {
  tipsfile::Contents contents = tipsfile::parse(bytes);
  if (contents.status == tipsfile::Status::tooShort) return false;
  tips = tipsOf(contents.tips);
  startTip = contents.startTip;
  return true;
}

std::vector<Tip> readTipsText(const String& text) {
  return tipsOf(tipsfile::parseText(text.str()));
}

String writeTipsText(const std::vector<Tip>& tips) {
  return String(tipsfile::toText(records(tips)));
}

}  // namespace tarn
