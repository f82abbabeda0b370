#pragma once

#include <string>

// Marks a core text that people see, so that the translation catalogues list it under `context`
// (always "kirv" in the core); the text stays its French source. It is looked up where a window or
// command shows it, through a TextCatalogue.
#define KIRV_TEXT(context, text) text

namespace kirv {

// Where shown core texts are looked up in the user's language. The windows and commands hand in
// one backed by the program's translations; without one a text is its French source.
class TextCatalogue {
 public:
  virtual ~TextCatalogue() = default;
  // The text of `source` (context "kirv"), or `source` itself where there is no translation.
  virtual std::string Translate(const char* source) const = 0;
};

// `source` in the language of `catalogue`, or itself when there is no catalogue.
inline std::string Translated(const TextCatalogue* catalogue, const char* source) {
  return catalogue != nullptr ? catalogue->Translate(source) : std::string(source);
}

}  // namespace kirv
