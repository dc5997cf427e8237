#include "entry/study_json.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <set>
#include <unordered_set>

#include "records/cp1253.h"

namespace {

using ordered_json = nlohmann::ordered_json;
using json = nlohmann::json;

// A study nests three deep (array, slot object, fields object); anything
// much deeper is refused while parsing, before it can cost stack or time.
constexpr int kMaxJsonDepth = 8;

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// A value for a message: scalars as written (cut short), never a whole
// array or object.
std::string Describe(const json& value) {
  if (value.is_array()) return "an array";
  if (value.is_object()) return "an object";
  std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
  if (text.size() > 40) text = text.substr(0, 37) + "...";
  return text;
}

// A name for a message, in quotes; a long one is cut short (a message never
// carries a whole value of the text).
std::string Quoted(std::string_view s) {
  if (s.size() <= 60) return "\"" + std::string(s) + "\"";
  std::size_t cut = 57;
  while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
  return "\"" + std::string(s.substr(0, cut)) + "...\"";
}

std::string SlotName(const TFlox03Pages& shape, int slot) {
  return "slot " + std::to_string(slot) + " (" + shape.Slot(slot).Class().className + ")";
}

std::string FieldName(const TFlox03Pages& shape, int slot, std::string_view field) {
  return SlotName(shape, slot) + ", field " + Quoted(field);
}

// The code point of the UTF-8 sequence at offset, for the error message; -1
// when the bytes there are no valid sequence.
long CodePointAt(std::string_view s, std::size_t offset) {
  if (offset >= s.size()) return -1;
  const auto b0 = static_cast<unsigned char>(s[offset]);
  int len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || offset + len > s.size()) return -1;
  long cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (int i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[offset + i]);
    if ((b & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (b & 0x3F);
  }
  return cp;
}

std::string UnmappableMessage(std::string_view utf8, std::size_t offset) {
  const long cp = CodePointAt(utf8, offset);
  if (cp < 0) return "the text is not valid UTF-8 at byte " + std::to_string(offset);
  char hex[24];
  std::snprintf(hex, sizeof hex, "U+%04lX", cp);
  const std::size_t len = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
  return "the character '" + std::string(utf8.substr(offset, len)) + "' (" + hex +
         ") cannot be held in code page 1253";
}

// nlohmann's messages start with "[json.exception.parse_error.101] " and
// may quote a whole token ("last read: '...'"), which is cut short here.
std::string PlainParseMessage(const std::string& what) {
  const auto close = what.find("] ");
  std::string text = close != std::string::npos && !what.empty() && what[0] == '[' ? what.substr(close + 2) : what;
  const auto lastRead = text.find("last read: '");
  if (lastRead != std::string::npos) {
    const auto start = lastRead + 12;
    const auto end = text.find("'", start);
    if (end != std::string::npos && end - start > 40) text.replace(start, end - start, text.substr(start, 37) + "...");
  }
  return text.size() > 300 ? text.substr(0, 297) + "..." : text;
}

// Builds the document from the reader's events and checks on the way what
// must never reach the document: nesting deeper than a study has, a member
// given twice in one object (in any letter case), more array elements than
// a study has slots. Every event costs constant time, whatever the text
// holds. It also notes for each array element its slot number and the field
// names of its "fields" in the order of the text.
class TStudyReader : public nlohmann::json_sax<json> {
 public:
  json& Document() { return root_; }
  const std::string& Problem() const { return problem_; }
  const std::vector<std::string>& FieldOrder(std::size_t position) const { return fieldOrder_[position - 1]; }

  bool null() override { return Add(nullptr); }
  bool boolean(bool value) override { return Add(value); }
  bool number_integer(number_integer_t value) override {
    NoteSlot(value);
    return Add(value);
  }
  bool number_unsigned(number_unsigned_t value) override {
    NoteSlot(value > static_cast<number_unsigned_t>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(value));
    return Add(value);
  }
  bool number_float(number_float_t value, const string_t& /*text*/) override { return Add(value); }
  bool string(string_t& value) override { return Add(std::move(value)); }
  bool binary(binary_t& value) override { return Add(json::binary(std::move(value))); }

  bool start_object(std::size_t /*elements*/) override { return Open(json::object()); }
  bool start_array(std::size_t /*elements*/) override { return Open(json::array()); }
  bool end_object() override {
    keys_.pop_back();
    open_.pop_back();
    return true;
  }
  bool end_array() override {
    open_.pop_back();
    return true;
  }

  bool key(string_t& name) override {
    const std::size_t depth = open_.size();
    if (!keys_.back().insert(AsciiLower(name)).second) {
      const std::string where = depth == 3 && elementSlot_ > 0 ? "slot " + std::to_string(elementSlot_)
                                : depth >= 2 ? "element " + std::to_string(position_) + " of the array"
                                             : "the JSON text";
      return Stop(where + ": the member " + Quoted(name) + " is given more than once (letter case does not count)");
    }
    if (depth == 2) memberKey_ = name;
    if (depth == 3 && memberKey_ == "fields" && !fieldOrder_.empty()) fieldOrder_.back().push_back(name);
    key_ = std::move(name);
    return true;
  }

  bool parse_error(std::size_t /*position*/, const std::string& /*lastToken*/,
                   const nlohmann::detail::exception& e) override {
    return Stop("the JSON text cannot be read: " + PlainParseMessage(e.what()));
  }

 private:
  bool Stop(std::string message) {
    if (problem_.empty()) problem_ = std::move(message);
    return false;
  }

  // A new element of the top-level array starts with its first event.
  bool Begin() {
    if (open_.size() != 1 || !open_.back()->is_array()) return true;
    if (++position_ > static_cast<std::size_t>(TFlox03Pages::kSlotCount)) {
      return Stop("the array has more than " + std::to_string(TFlox03Pages::kSlotCount) +
                  " elements; a study has that many slots, each given at most once");
    }
    elementSlot_ = 0;
    memberKey_.clear();
    fieldOrder_.emplace_back();
    return true;
  }

  json* Place(json&& value) {
    if (open_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    json& parent = *open_.back();
    if (parent.is_array()) {
      parent.push_back(std::move(value));
      return &parent.back();
    }
    json& member = parent[key_];
    member = std::move(value);
    return &member;
  }

  bool Add(json&& value) {
    if (!Begin()) return false;
    Place(std::move(value));
    return true;
  }

  bool Open(json&& container) {
    if (open_.size() >= static_cast<std::size_t>(kMaxJsonDepth)) {
      return Stop("the JSON text nests deeper than " + std::to_string(kMaxJsonDepth) + " levels; a study nests three");
    }
    if (!Begin()) return false;
    const bool object = container.is_object();
    open_.push_back(Place(std::move(container)));
    if (object) keys_.emplace_back();
    return true;
  }

  void NoteSlot(std::int64_t value) {
    if (open_.size() == 2 && open_.back()->is_object() && memberKey_ == "slot") elementSlot_ = value;
  }

  json root_;
  // The containers being read, outermost first. Only the innermost one
  // grows, so the pointers to the others stay valid.
  std::vector<json*> open_;
  std::vector<std::unordered_set<std::string>> keys_;  // of each open object, compared like field names
  std::string key_;        // the member whose value comes next
  std::string memberKey_;  // the last member name of the current slot object
  std::size_t position_ = 0;  // of the current top-level element, from 1
  std::int64_t elementSlot_ = 0;
  std::vector<std::vector<std::string>> fieldOrder_;  // per top-level element
  std::string problem_;
};

class TChecker {
 public:
  TChecker(const TFlox03Pages& shape, std::vector<TStudyEdit>* edits, TStudyJsonError* error)
      : shape_(shape), edits_(edits), error_(error) {}

  bool Check(std::string_view text) {
    if (text.size() > kMaxStudyJsonBytes) {
      return Fail(TStudyJsonError::Json, "the JSON text is larger than " + std::to_string(kMaxStudyJsonBytes >> 20) +
                                             " MB; no study is anywhere near that size");
    }
    if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
      return Fail(TStudyJsonError::Json, "the JSON text holds a NUL byte at offset " +
                                             std::to_string(static_cast<const char*>(nul) - text.data()));
    }
    TStudyReader reader;
    if (!json::sax_parse(text.begin(), text.end(), &reader)) {
      return Fail(TStudyJsonError::Json, reader.Problem().empty() ? "the JSON text cannot be read" : reader.Problem());
    }
    const json& doc = reader.Document();
    reader_ = &reader;
    if (!doc.is_array()) {
      return Fail(TStudyJsonError::Json, "the JSON text must be an array of slot objects");
    }
    std::set<int> seen;
    for (std::size_t i = 0; i < doc.size(); ++i) {
      if (!CheckSlot(doc[i], i + 1, seen)) return false;
    }
    return true;
  }

 private:
  bool Fail(TStudyJsonError::Kind kind, std::string message) {
    edits_->clear();
    error_->kind = kind;
    error_->message = std::move(message);
    return false;
  }

  bool CheckSlot(const json& item, std::size_t position, std::set<int>& seen) {
    const std::string where = "element " + std::to_string(position) + " of the array";
    if (!item.is_object()) return Fail(TStudyJsonError::Json, where + " is not an object");
    const auto slotIt = item.find("slot");
    if (slotIt == item.end()) return Fail(TStudyJsonError::Json, where + " has no \"slot\"");
    if (!slotIt->is_number_integer() || slotIt->get<long long>() < 1 ||
        slotIt->get<long long>() > TFlox03Pages::kSlotCount) {
      return Fail(TStudyJsonError::Json, where + ": \"slot\" must be a whole number from 1 to 19, not " +
                                             Describe(*slotIt));
    }
    const int slot = static_cast<int>(slotIt->get<long long>());
    if (!seen.insert(slot).second) {
      return Fail(TStudyJsonError::Json, "slot " + std::to_string(slot) + " is given more than once");
    }
    const TRecordClass& cls = shape_.Slot(slot).Class();
    for (const auto& [key, value] : item.items()) {
      if (key == "slot" || key == "fields") continue;
      if (key == "class") {
        if (!value.is_string() || value.get<std::string>() != cls.className) {
          return Fail(TStudyJsonError::Json, "slot " + std::to_string(slot) + ": class " + Describe(value) +
                                                 " is not the class of that slot, " + cls.className);
        }
        continue;
      }
      return Fail(TStudyJsonError::Json, SlotName(shape_, slot) + ": unknown member " + Quoted(key));
    }
    const auto fieldsIt = item.find("fields");
    if (fieldsIt == item.end()) return true;
    if (!fieldsIt->is_object()) {
      return Fail(TStudyJsonError::Json, SlotName(shape_, slot) + ": \"fields\" must be an object");
    }
    std::set<std::size_t> given;
    // In the order of the text, so that the first problem is the first one named.
    for (const std::string& name : reader_->FieldOrder(position)) {
      if (!CheckField(slot, cls, name, fieldsIt->at(name), given)) return false;
    }
    return true;
  }

  bool CheckField(int slot, const TRecordClass& cls, const std::string& name, const json& value,
                  std::set<std::size_t>& given) {
    const std::string where = FieldName(shape_, slot, name);
    const int index = cls.IndexOf(name);
    if (index < 0) return Fail(TStudyJsonError::Json, where + ": the record has no such field");
    if (!given.insert(static_cast<std::size_t>(index)).second) {
      return Fail(TStudyJsonError::Json, where + ": the field is given more than once");
    }
    if (!value.is_string()) {
      return Fail(TStudyJsonError::Json, where + ": the value must be a string, not " + Describe(value));
    }
    const std::string& utf8 = value.get_ref<const std::string&>();
    std::string bytes;
    std::size_t bad = 0;
    if (!Utf8ToCp1253(utf8, bytes, &bad)) {
      return Fail(TStudyJsonError::Encoding, where + ": " + UnmappableMessage(utf8, bad));
    }
    const TPropInfo& prop = cls.props[static_cast<std::size_t>(index)];
    if (prop.kind == TPropKind::Char) {
      if (bytes.empty()) {
        bytes = " ";  // no selection
      } else if (bytes.size() != 1) {
        return Fail(TStudyJsonError::Json, where + ": a single-character field takes one character, not " +
                                               std::to_string(bytes.size()));
      }
    } else if (bytes.size() > prop.maxLen) {
      bytes.resize(prop.maxLen);  // cut like the study file cuts it
    }
    edits_->push_back({slot, static_cast<std::size_t>(index), std::move(bytes)});
    return true;
  }

  const TFlox03Pages& shape_;
  const TStudyReader* reader_ = nullptr;
  std::vector<TStudyEdit>* edits_;
  TStudyJsonError* error_;
};

}  // namespace

std::string StudyToJson(const TFlox03Pages& study, int indent) {
  ordered_json doc = ordered_json::array();
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
    const TPageRecord& record = study.Slot(slot);
    const TRecordClass& cls = record.Class();
    ordered_json fields = ordered_json::object();
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      fields[cls.props[i].name] = Cp1253ToUtf8(record.Get(i));
    }
    ordered_json item = ordered_json::object();
    item["slot"] = slot;
    item["class"] = cls.className;
    item["fields"] = std::move(fields);
    doc.push_back(std::move(item));
  }
  // A C1 control (a byte the code page leaves undefined) is written as an
  // escape like the other control characters, so the text shows no raw
  // terminal control. In valid UTF-8 the byte C2 only ever starts U+0080..U+00BF.
  const std::string text = doc.dump(indent, ' ', false, ordered_json::error_handler_t::replace);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
    if (text[i] == '\xC2' && next >= 0x80 && next <= 0x9F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", next);
      out += escape;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool ParseStudyJson(std::string_view json, const TFlox03Pages& shape, std::vector<TStudyEdit>* edits,
                    TStudyJsonError* error) {
  edits->clear();
  *error = TStudyJsonError{};
  return TChecker(shape, edits, error).Check(json);
}

void ApplyStudyEdits(TFlox03Pages& study, const std::vector<TStudyEdit>& edits) {
  for (const TStudyEdit& edit : edits) study.Slot(edit.slot).Set(edit.property, edit.bytes);
}
