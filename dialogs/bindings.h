// Binding tables: which control of an entry page edits which field of its
// page record, and how. One generic loader and one generic storer walk a
// page's table; no page has load or store lines of its own.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class QWidget;
class TPageRecord;

namespace dlg {

// One item of a radio group and the character it stands for. The code of an
// item that stores a blank (U+0020) is never chosen when loading.
struct TCodeItem {
  const char* text;  // UTF-8 caption of the item
  char32_t code;     // a character of code page 1253
};

// A radio group's code table: store maps the selected item to its code (a
// blank when no item is selected); load maps a code back to its item and
// every other character to the default item.
struct TCodeTable {
  std::span<const TCodeItem> items;
  int defaultItem;
};

enum class TBindKind : std::uint8_t {
  Text,   // edit or memo <-> text field
  Radio,  // radio group <-> one-character field, by a code table
  YesNo,  // check box <-> "Ναι" / "Οχι"
  Mark,   // check box <-> "X" / blank
};

// A control may appear in more than one row: load sets it from each row in
// turn (the last row wins) and store writes it into each row's field.
struct TBinding {
  const char* control;  // designer name of the control
  const char* field;    // property name of the record
  TBindKind kind;
  const TCodeTable* codes = nullptr;  // Radio only
};

// The two texts of a yes/no field and the two characters of a mark field, as
// code page 1253 bytes.
inline constexpr std::string_view kYes = "\xCD\xE1\xE9";  // Ναι
inline constexpr std::string_view kNo = "\xCF\xF7\xE9";   // Οχι
inline constexpr char kMark = 'X';
inline constexpr char kNoMark = ' ';

// The item a stored character selects.
int ItemForCode(const TCodeTable& table, char byte);
// The character stored for an item index (a blank for -1 or out of range).
char CodeForItem(const TCodeTable& table, int index);

// What a text binding writes: the bytes cut to 255, then to the field's
// maximum. A cut never leaves half of a CR LF line break behind.
std::string CutToField(std::string_view bytes, std::size_t fieldMax);

// Tells every edit and memo under root the maximum length of the field it
// is bound to (the shortest, when it is bound to several), so that the user
// cannot type more than the field stores. LoadBindings does it first.
void FitControlsToFields(QWidget* root, std::span<const TBinding> table, const TPageRecord& record);
// Sets every bound control under root from the record.
void LoadBindings(QWidget* root, std::span<const TBinding> table, const TPageRecord& record);
// Writes every bound control under root into the record; fields no row names
// keep their values.
void StoreBindings(const QWidget* root, std::span<const TBinding> table, TPageRecord& record);

// Throws std::logic_error when a row names a control that is missing under
// root or of the wrong kind, a field the record class lacks, a text binding
// on a one-character field, or a radio row without a code table.
void CheckBindings(const QWidget* root, std::span<const TBinding> table, const TPageRecord& record);

}  // namespace dlg
