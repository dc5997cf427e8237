// A page record: one value per published property of its class table, and
// nothing else. Values are code page 1253 bytes; a text never holds more
// than its maximum, a character is always exactly one byte. Records are
// plain values: copying one copies its values.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/properties.h"

class TPageRecord {
 public:
  // Every text empty, every character a blank.
  explicit TPageRecord(const TRecordClass& cls);

  const TRecordClass& Class() const { return *class_; }
  std::size_t PropCount() const { return values_.size(); }

  // Raw value (code page 1253 bytes). Unknown names throw std::out_of_range.
  const std::string& Get(std::size_t index) const { return values_.at(index); }
  const std::string& Get(std::string_view name) const;
  // A text keeps at most its maximum leading bytes; a character keeps the
  // first byte, and an empty value stores a blank.
  void Set(std::size_t index, std::string_view bytes);
  void Set(std::string_view name, std::string_view bytes);

  // Back to the constructed state: every text empty, every character a blank.
  void Clear();

  // Copies every value of a record of the same class; a record of another
  // class (or none) is ignored.
  void Assign(const TPageRecord* source);

  // Of the same class, with the same values.
  friend bool operator==(const TPageRecord&, const TPageRecord&) = default;

 private:
  const TRecordClass* class_;
  std::vector<std::string> values_;
};

// The seventeen record classes: each a page record bound to its own table.
#define FLOX_DECLARE_RECORD(Name)           \
  class Name : public TPageRecord {          \
   public:                                   \
    Name();                                  \
    static const TRecordClass& ClassInfo();  \
  };

FLOX_DECLARE_RECORD(TFlox03Pg1Data)
FLOX_DECLARE_RECORD(TFlox03Pg2Data)
FLOX_DECLARE_RECORD(TFlox03Pg3Data)
FLOX_DECLARE_RECORD(TFlox03Pg4Data)
FLOX_DECLARE_RECORD(TFlox03Pg5Data)
FLOX_DECLARE_RECORD(TFlox03Pg6Data)
FLOX_DECLARE_RECORD(TFlox06Pg1Data)
FLOX_DECLARE_RECORD(TFlox06Pg2Data)
FLOX_DECLARE_RECORD(TFlox06Pg3Data)
FLOX_DECLARE_RECORD(TFlox06Pg4Data)
FLOX_DECLARE_RECORD(TFlox06Pg5Data)
FLOX_DECLARE_RECORD(TFlox06Pg6Data)
FLOX_DECLARE_RECORD(TFlox06Pg7Data)
FLOX_DECLARE_RECORD(TFlox07Pg1Data)
FLOX_DECLARE_RECORD(TFlox07Pg2Data)
FLOX_DECLARE_RECORD(TFlox07Pg3Data)
FLOX_DECLARE_RECORD(TFlox07Pg6Data)

#undef FLOX_DECLARE_RECORD

// Every record class, and a look-up by class name (exact letters).
std::span<const TRecordClass* const> AllRecordClasses();
const TRecordClass* FindRecordClass(std::string_view className);
