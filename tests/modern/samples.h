// Texts in several scripts for the UTF-8 round trips: each as the UTF-8 bytes a
// program hands to the toolkit and as the UTF-16 the system stores. A control
// that carries text gets its round trip by looping over `samples`.
#ifndef TARN_TESTS_MODERN_SAMPLES_H
#define TARN_TESTS_MODERN_SAMPLES_H

#include <string>

namespace modern_samples {

struct Sample {
  const char* script;  // for failure messages
  std::string utf8;
  std::wstring wide;
};

// Two-, three- and four-byte sequences; the last needs a UTF-16 surrogate pair.
inline const Sample samples[] = {
    {"latin", u8"Grüße, Señor", L"Grüße, Señor"},
    {"greek", u8"Καλημέρα", L"Καλημέρα"},
    {"cyrillic", u8"Привет мир", L"Привет мир"},
    {"hebrew", u8"שלום", L"שלום"},
    {"japanese", u8"日本語のテキスト", L"日本語のテキスト"},
    {"astral", u8"Tarn \U0001F3D4 \U0001D11E", L"Tarn \U0001F3D4 \U0001D11E"},
};

// Lower-cases ASCII letters only, leaving every byte of other characters alone
// (the system may change the case of a path's folder part, nothing else).
inline std::string lowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace modern_samples

#endif
