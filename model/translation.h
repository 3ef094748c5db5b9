#pragma once
// The language of the texts a user meets.
//
// Every text is written in Russian in the source, which is also what a program
// shows until it installs a lookup. The editor and the command-line tool
// install one backed by the toolkit's translation files (.ts in
// `translations/`, built to .qm by lrelease); the core itself never depends on
// the toolkit.
//
// Mark a text where it is written:
//   ZW_TR("Context", "Текст")          the text in the current language, now
//   ZW_TR_NOOP("Context", "Текст")     the Russian text itself (a constant), to
//                                      be passed through translated() later
// lupdate finds both (see translations/CMakeLists.txt). Texts with numbers or
// names in them use %1..%9 and withArguments(), so a translation can reorder
// them.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zw {

// Returns the translation of `source` in `context`, or an empty string when
// there is none (the Russian source is shown then).
using TranslationLookup = std::function<std::string(const char* context, const char* source)>;

// Installs the lookup for the whole program; an empty one restores Russian.
void setTranslationLookup(TranslationLookup lookup);

// `source` (UTF-8 Russian) in the current language.
std::string translated(const char* context, const char* source);
std::string translated(const char* context, std::string_view source);

// translated() for texts handed out as views (constants returned by callers
// that keep a std::string_view): the view stays valid for the rest of the
// program, as the constant's own did. `source` must be a literal or live as
// long.
std::string_view translatedView(const char* context, std::string_view source);

// A text with a count, in the form the count asks for: `one`, `few` and `many`
// are Russian patterns with the count as %1 (ZW_TR_NOOP), chosen by Russian
// rules (one: 1, 21, 31 …; few: 2–4, 22–24 …; many: the rest, 11–14 included).
// A translation is chosen by English rules instead: `one` for 1, `many` for
// any other count (a translation of `few` is never shown, but the entry
// exists). The same Russian text may stand in two forms only where its
// translation suits both.
std::string countedText(const char* context, int64_t n, const char* one, const char* few,
                        const char* many);

// Replaces %1..%9 in `pattern` by the arguments in order; a % not followed by
// a digit that names an argument stays as written.
std::string withArguments(std::string_view pattern,
                          std::initializer_list<std::string_view> arguments);

} // namespace zw

#define ZW_TR(context, source) ::zw::translated(context, source)
#define ZW_TR_NOOP(context, source) source
