// Language tables: key-to-text tables read from files, resources and buffers.
#include <algorithm>

#include "tarn/text/language_text.h"
#include "tarn/language_table.h"
#include "tarn/system.h"

namespace tarn {

namespace {

using Entry = std::pair<std::string, std::string>;

bool keyBefore(const Entry& entry, const std::string& key) { return entry.first < key; }

}  // namespace

LanguageTable::LanguageTable() : resourceNumber(-1) { count.bind(this, &LanguageTable::getCount); }

LanguageTable::LanguageTable(const String& path) : LanguageTable() { loadFile(path); }

LanguageTable::LanguageTable(int number) : LanguageTable() {
  resourceNumber = number;
  loadResource(number);
}

LanguageTable::LanguageTable(const Buffer& buffer) : LanguageTable() { loadText(buffer); }

int LanguageTable::getCount() const { return static_cast<int>(entries.size()); }

bool LanguageTable::loadBytes(const char* bytes, std::size_t size) {
  entries = languagetext::parse(bytes, size);
  return !entries.empty();
}

bool LanguageTable::loadText(const Buffer& buffer) {
  int size = buffer.length;
  const char* bytes = buffer.data;
  if (size <= 0 || bytes == nullptr) return false;
  resourceNumber = -1;
  return loadBytes(bytes, static_cast<std::size_t>(size));
}

bool LanguageTable::loadFile(const String& path) {
  if (!fileExists(path)) return false;
  Buffer file;
  if (!file.loadFile(path)) return false;
  return loadText(file);
}

bool LanguageTable::loadResource(int number) {
  HMODULE module = GetModuleHandleA(NULL);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(number & 0xFFFF), "TRN_LANG");
  if (found == NULL) return false;
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == NULL) return false;
  const char* bytes = static_cast<const char*>(LockResource(loaded));
  DWORD size = SizeofResource(module, found);
  if (bytes == nullptr || size == 0) return false;
  // Resource memory is read-only and lives as long as the module: it is
  // parsed where it lies.
  resourceNumber = number;
  return loadBytes(bytes, size);
}

String LanguageTable::get(const String& key) {
  auto at = std::lower_bound(entries.begin(), entries.end(), key.str(), keyBefore);
  if (at == entries.end() || at->first != key.str())
    at = entries.insert(at, Entry(key.str(), std::string()));
  return String(at->second);
}

bool LanguageTable::contains(const String& key) const {
  auto at = std::lower_bound(entries.begin(), entries.end(), key.str(), keyBefore);
  return at != entries.end() && at->first == key.str();
}

StringList LanguageTable::keys() const {
  StringList result;
  for (const Entry& entry : entries) result.add(String(entry.first));
  return result;
}

}  // namespace tarn
