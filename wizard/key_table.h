// Tables of settings keys: one entry per key of a section, naming the record
// member it fills, so that the load and the save of a section walk the same
// list and cannot drift apart. A record's default-constructed value supplies
// each key's default.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "platform/profile.h"
#include "wizard/limits.h"
#include "wizard/profile_values.h"

namespace wizard {

// Whether the save writes a key back; read-only keys keep what the file holds.
enum class KeyUse { saved, read_only };

// A key's field description: the key of a section, the record member it
// fills, and how its value is read and written.
template <class Record>
struct KeyField {
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
constexpr KeyField<Record> number_key(std::string_view key, int Record::*member,
                                     KeyUse use = KeyUse::saved) {
  KeyField<Record> field{key};
  field.number = member;
  field.use = use;
  return field;
}

template <class Record>
constexpr KeyField<Record> text_key(std::string_view key, std::string Record::*member,
                                   std::size_t cut, KeyUse use = KeyUse::saved) {
  KeyField<Record> field{key};
  field.text = member;
  field.cut = cut;
  field.use = use;
  return field;
}

template <class Record>
constexpr KeyField<Record> formatted_key(std::string_view key,
                                        void (*parse)(std::string_view, Record&),
                                        std::string (*format)(const Record&), std::size_t cut,
                                        KeyUse use = KeyUse::saved) {
  KeyField<Record> field{key};
  field.parse = parse;
  field.format = format;
  field.cut = cut;
  field.use = use;
  return field;
}

// Reads every key of the table from section into record (defaults from Record{}).
template <class Record>
void read_keys(std::string_view section, std::span<const KeyField<Record>> table,
               Record& record, std::string_view file) {
  platform::ProfileReading reading(file);  // the whole table from one look at the file
  const Record defaults{};
  for (const KeyField<Record>& field : table) {
    if (field.number) {
      record.*field.number = read_number(section, field.key, defaults.*field.number, file);
    } else if (field.text) {
      record.*field.text = read_text(section, field.key, defaults.*field.text, field.cut, file);
    } else if (field.parse) {
      field.parse(read_text(section, field.key, "", field.cut, file), record);
    }
  }
}

// Writes every saved key of the table; false when a write failed.
template <class Record>
bool write_keys(std::string_view section, std::span<const KeyField<Record>> table,
                const Record& record, std::string_view file) {
  bool ok = true;
  for (const KeyField<Record>& field : table) {
    if (field.use == KeyUse::read_only) continue;
    if (field.number) {
      ok = write_number(section, field.key, record.*field.number, file) && ok;
    } else if (field.text) {
      ok = write_text(section, field.key, record.*field.text, file) && ok;
    } else if (field.format) {
      ok = write_text(section, field.key, field.format(record), file) && ok;
    }
  }
  return ok;
}

}  // namespace wizard
