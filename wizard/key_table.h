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
  KeySpec<Record> key_spec{key};
  key_spec.number = member;
  key_spec.use = use;
  return key_spec;
}

template <class Record>
constexpr KeySpec<Record> text_key(std::string_view key, std::string Record::*member,
                                   std::size_t cut, KeyUse use = KeyUse::saved) {
  KeySpec<Record> key_spec{key};
  key_spec.text = member;
  key_spec.cut = cut;
  key_spec.use = use;
  return key_spec;
}

template <class Record>
constexpr KeySpec<Record> formatted_key(std::string_view key,
                                        void (*parse)(std::string_view, Record&),
                                        std::string (*format)(const Record&), std::size_t cut,
                                        KeyUse use = KeyUse::saved) {
  KeySpec<Record> key_spec{key};
  key_spec.parse = parse;
  key_spec.format = format;
  key_spec.cut = cut;
  key_spec.use = use;
  return key_spec;
}

// Reads every key of the table from section into record (defaults from Record{}).
template <class Record>
void read_keys(std::string_view section, std::span<const KeySpec<Record>> table,
               Record& record, std::string_view file) {
  const Record defaults{};
  for (const KeySpec<Record>& key_spec : table) {
    if (key_spec.number) {
      record.*key_spec.number = read_number(section, key_spec.key, defaults.*key_spec.number, file);
    } else if (key_spec.text) {
      record.*key_spec.text = read_text(section, key_spec.key, defaults.*key_spec.text, key_spec.cut, file);
    } else if (key_spec.parse) {
      key_spec.parse(read_text(section, key_spec.key, "", key_spec.cut, file), record);
    }
  }
}

// Writes every saved key of the table; false when a write failed.
template <class Record>
bool write_keys(std::string_view section, std::span<const KeySpec<Record>> table,
                const Record& record, std::string_view file) {
  bool ok = true;
  for (const KeySpec<Record>& key_spec : table) {
    if (key_spec.use == KeyUse::read_only) continue;
    if (key_spec.number) {
      ok = write_number(section, key_spec.key, record.*key_spec.number, file) && ok;
    } else if (key_spec.text) {
      ok = write_text(section, key_spec.key, record.*key_spec.text, file) && ok;
    } else if (key_spec.format) {
      ok = write_text(section, key_spec.key, key_spec.format(record), file) && ok;
    }
  }
  return ok;
}

}  // namespace wizard
