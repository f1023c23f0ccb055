// Tables of settings keys: one entry per key of a section, naming the record
// member it fills, so that the load and the save of a section walk the same
// list and cannot drift apart. A record's default-constructed value supplies
// each key's default.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "wizard/limits.h"
#include "wizard/profile_values.h"

namespace wizard {

// Whether the save writes a key back; read-only keys keep what the file holds.
enum class KeyUse { saved, read_only };

// One key of a section and the record member it fills.
template <class Record>
struct KeySpec {
  std::string_view key;
  int Record::*number = nullptr;        // a number key ("%d")
  std::string Record::*text = nullptr;  // a text key
  // A key with its own format: parse from the stored value, format for saving.
  void (*parse)(std::string_view value, Record& record) = nullptr;
  std::string (*format)(const Record& record) = nullptr;
  std::size_t cut = kTextCut;
  KeyUse use = KeyUse::saved;
};

// Key helpers, so that tables read as lists of keys.
template <class Record>
constexpr KeySpec<Record> number_key(std::string_view key, int Record::*member,
                                     KeyUse use = KeyUse::saved) {
  KeySpec<Record> spec{key};
  spec.number = member;
  spec.use = use;
  return spec;
}

template <class Record>
constexpr KeySpec<Record> text_key(std::string_view key, std::string Record::*member,
                                   std::size_t cut, KeyUse use = KeyUse::saved) {
  KeySpec<Record> spec{key};
  spec.text = member;
  spec.cut = cut;
  spec.use = use;
  return spec;
}

template <class Record>
constexpr KeySpec<Record> formatted_key(std::string_view key,
                                        void (*parse)(std::string_view, Record&),
                                        std::string (*format)(const Record&), std::size_t cut,
                                        KeyUse use = KeyUse::saved) {
  KeySpec<Record> spec{key};
  spec.parse = parse;
  spec.format = format;
  spec.cut = cut;
  spec.use = use;
  return spec;
}

// Reads every key of the table from section into record (defaults from Record{}).
template <class Record>
void read_keys(std::string_view section, std::span<const KeySpec<Record>> table,
               Record& record, std::string_view file) {
  const Record defaults{};
  for (const KeySpec<Record>& spec : table) {
    if (spec.number) {
      record.*spec.number = read_number(section, spec.key, defaults.*spec.number, file);
    } else if (spec.text) {
      record.*spec.text = read_text(section, spec.key, defaults.*spec.text, spec.cut, file);
    } else if (spec.parse) {
      spec.parse(read_text(section, spec.key, "", spec.cut, file), record);
    }
  }
}

// Writes every saved key of the table; false when a write failed.
template <class Record>
bool write_keys(std::string_view section, std::span<const KeySpec<Record>> table,
                const Record& record, std::string_view file) {
  bool ok = true;
  for (const KeySpec<Record>& spec : table) {
    if (spec.use == KeyUse::read_only) continue;
    if (spec.number) {
      ok = write_number(section, spec.key, record.*spec.number, file) && ok;
    } else if (spec.text) {
      ok = write_text(section, spec.key, record.*spec.text, file) && ok;
    } else if (spec.format) {
      ok = write_text(section, spec.key, spec.format(record), file) && ok;
    }
  }
  return ok;
}

}  // namespace wizard
