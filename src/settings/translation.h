#pragma once
// The process-wide translation table: interface texts in English are looked up whole and replaced by the
// chosen language's text. Built once, before any window is made; every caption, hint and label goes
// through translate().
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// A ".lng" file is a short list of interface texts; anything larger is not one and loads no table.
inline constexpr std::size_t kLngFileLimit = 4u << 20;
// Lines longer than this are skipped: no interface text comes near it.
inline constexpr std::size_t kLngLineLimit = 4096;

// One entry per line, split at the first "|" into source and translation (a line without "|" maps to
// itself). The bytes are kept as they are. A text larger than kLngFileLimit leaves no table.
void setTranslation(std::string_view lngText);
void clearTranslation();
bool hasTranslation();
// The translation of the first entry whose source is the whole text (exact bytes), else the text.
std::string translate(std::string_view text);

// Reads "localization"/"language" from the folder's "lumenrig.ini" and loads the "*.lng" file of its
// "localization" subfolder named so (case-sensitive, without extension). Anything missing leaves no
// table and says nothing. True when a table was loaded.
bool loadTranslation(std::string_view programFolder);

// For tests: while one is alive, every text asked of translate() is recorded, in order, once each.
class TranslationWatch {
  public:
    TranslationWatch();
    ~TranslationWatch();
    TranslationWatch(const TranslationWatch&) = delete;
    TranslationWatch& operator=(const TranslationWatch&) = delete;

    const std::vector<std::string>& texts() const { return texts_; }

  private:
    friend std::string translate(std::string_view text);
    void record(std::string_view text);

    TranslationWatch* previous_;
    std::vector<std::string> texts_;
    std::set<std::string, std::less<>> seen_;
};

}  // namespace settings
