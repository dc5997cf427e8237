// The component stream of one page record.
//
// A record is "TPF0", the class name, the component name, then one entry per
// written property (name, then a value with its tag) and two 00 bytes: one
// ending the property list and one ending the (always empty) list of child
// components. Texts go as short texts (06, length byte, bytes), written only
// when not empty; a single character always goes as a short text of length 1.
//
// The reader also takes what other writers may put there: a prefix byte
// F0..FF before the class name (with an integer after it when its flag 2 is
// set), long texts (0C, four-byte little-endian length), names in any letter
// case, texts longer than the field (cut), and the inherited integer
// properties Tag, Left and Top, which are accepted and ignored.
#include "records/codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace {

constexpr std::array<std::uint8_t, 4> kSignature = {'T', 'P', 'F', '0'};
constexpr std::uint8_t kValueInt8 = 0x02;
constexpr std::uint8_t kValueInt16 = 0x03;
constexpr std::uint8_t kValueInt32 = 0x04;
constexpr std::uint8_t kValueString = 0x06;
constexpr std::uint8_t kValueLString = 0x0C;
constexpr std::uint8_t kPrefixFlagHasIndex = 0x02;
constexpr std::size_t kBlockSize = 4096;

const char* const kIgnoredIntegerProps[] = {"Tag", "Left", "Top"};

// ------------------------------------------------------------------ writer

// Collects the record in a 4096-byte block, handing each full block and the
// last one to the stream, so the record is complete when the writer is done.
class TBlockWriter {
 public:
  explicit TBlockWriter(TStream& stream) : stream_(stream) {}

  void Bytes(const void* data, std::size_t count) {
    const auto* in = static_cast<const std::uint8_t*>(data);
    while (count > 0) {
      const std::size_t n = std::min(count, kBlockSize - used_);
      std::memcpy(block_.data() + used_, in, n);
      used_ += n;
      in += n;
      count -= n;
      if (used_ == kBlockSize) Flush();
    }
  }
  void Byte(std::uint8_t b) {
    block_[used_++] = b;
    if (used_ == kBlockSize) Flush();
  }
  // A length byte and the bytes; every name and short text is at most 255.
  void ShortString(std::string_view s) {
    Byte(static_cast<std::uint8_t>(s.size()));
    Bytes(s.data(), s.size());
  }
  void Flush() {
    if (used_ == 0) return;
    stream_.Write(block_.data(), used_);
    used_ = 0;
  }

 private:
  TStream& stream_;
  std::array<std::uint8_t, kBlockSize> block_;  // only the bytes up to used_/len_ count
  std::size_t used_ = 0;
};

// ------------------------------------------------------------------ reader

// Takes the stream's bytes in blocks of up to 4096 and, when done, moves the
// stream back by what it took but did not use.
class TBlockReader {
 public:
  explicit TBlockReader(TStream& stream) : stream_(stream) {}

  std::uint8_t Byte() {
    if (pos_ == len_ && !Fill()) throw EReadError("the record ends early");
    return block_[pos_++];
  }
  std::uint8_t PeekByte() {
    if (pos_ == len_ && !Fill()) throw EReadError("the record ends early");
    return block_[pos_];
  }
  // Reads count bytes, appending the first keep of them to out and
  // skipping the rest. The count was checked against Remaining() before.
  void Bytes(std::size_t count, std::string* out, std::size_t keep) {
    while (count > 0) {
      if (pos_ == len_ && !Fill()) throw EReadError("the record ends early");
      const std::size_t n = std::min(count, len_ - pos_);
      if (out && keep > 0) {
        const std::size_t k = std::min(n, keep);
        out->append(reinterpret_cast<const char*>(block_.data() + pos_), k);
        keep -= k;
      }
      pos_ += n;
      count -= n;
    }
  }
  std::string ShortString() {
    const std::size_t len = Byte();
    std::string s;
    Bytes(len, &s, len);
    return s;
  }
  std::uint32_t LittleEndian(std::size_t width) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < width; ++i) v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return v;
  }
  // Bytes left: what is buffered plus what the stream still holds.
  std::uint64_t Remaining() {
    if (streamLeft_ < 0) {
      const std::int64_t here = stream_.Position();
      streamLeft_ = std::max<std::int64_t>(0, stream_.Size() - here);
    }
    return (len_ - pos_) + static_cast<std::uint64_t>(streamLeft_);
  }
  // Puts the stream on the first byte not used.
  void GiveBack() {
    if (pos_ < len_) stream_.Seek(-static_cast<std::int64_t>(len_ - pos_), TSeekOrigin::Current);
    pos_ = len_ = 0;
  }

 private:
  bool Fill() {
    pos_ = 0;
    len_ = stream_.Read(block_.data(), block_.size());
    if (streamLeft_ >= 0) streamLeft_ = std::max<std::int64_t>(0, streamLeft_ - static_cast<std::int64_t>(len_));
    return len_ > 0;
  }

  TStream& stream_;
  std::array<std::uint8_t, kBlockSize> block_;  // only the bytes up to used_/len_ count
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  std::int64_t streamLeft_ = -1;  // unknown until first asked
};

bool IsIgnoredIntegerProp(std::string_view name) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  for (const char* p : kIgnoredIntegerProps) {
    const std::string_view known(p);
    if (known.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) same = lower(name[i]) == lower(known[i]);
    if (same) return true;
  }
  return false;
}

void SkipInteger(TBlockReader& in, std::uint8_t tag, const std::string& what) {
  switch (tag) {
    case kValueInt8: in.LittleEndian(1); break;
    case kValueInt16: in.LittleEndian(2); break;
    case kValueInt32: in.LittleEndian(4); break;
    default: throw EReadError(what + ": value tag " + std::to_string(tag) + " is not an integer");
  }
}

// Reads a short or long text, keeping at most keep bytes of it.
std::string ReadText(TBlockReader& in, std::uint8_t tag, std::size_t keep, const std::string& name) {
  std::uint64_t len = 0;
  if (tag == kValueString) {
    len = in.Byte();
  } else if (tag == kValueLString) {
    len = in.LittleEndian(4);
  } else {
    throw EReadError("property " + name + ": value tag " + std::to_string(tag) + " is not a text");
  }
  // A length that runs past the data fails the record at once, and nothing
  // of that size is ever allocated: only the kept bytes are.
  if (len > in.Remaining()) throw EReadError("property " + name + ": text runs past the end of the data");
  std::string value;
  value.reserve(std::min<std::uint64_t>(len, keep));
  in.Bytes(static_cast<std::size_t>(len), &value, keep);
  return value;
}

void ReadRecord(TBlockReader& in, TPageRecord& record) {
  for (std::uint8_t expected : kSignature)
    if (in.Byte() != expected) throw EReadError("not a component stream: the signature is not TPF0");

  if ((in.PeekByte() & 0xF0) == 0xF0) {
    const std::uint8_t flags = in.Byte() & 0x0F;
    if (flags & kPrefixFlagHasIndex) SkipInteger(in, in.Byte(), "prefix");
  }

  in.ShortString();  // class name: the data goes into this record whatever it says
  in.ShortString();  // component name: a record has none of its own

  const TRecordClass& cls = record.Class();
  std::size_t hint = 0;  // files list the properties in declaration order
  while (in.PeekByte() != 0) {
    const std::string name = in.ShortString();
    int index = -1;
    if (hint < cls.props.size() && name == cls.props[hint].name)
      index = static_cast<int>(hint);
    else
      index = cls.IndexOf(name);
    const std::uint8_t tag = in.Byte();
    if (index < 0) {
      if (!IsIgnoredIntegerProp(name))
        throw EReadError(std::string(cls.className) + " has no property " + name);
      SkipInteger(in, tag, "property " + name);
      continue;
    }
    const TPropInfo& prop = cls.props[static_cast<std::size_t>(index)];
    if (prop.kind == TPropKind::Char) {
      // Read whole (up to 2 bytes tells "one" from "more than one").
      const std::string value = ReadText(in, tag, 2, name);
      if (value.size() != 1)
        throw EReadError("property " + name + ": a single character must be exactly one byte");
      record.Set(static_cast<std::size_t>(index), value);
    } else {
      record.Set(static_cast<std::size_t>(index), ReadText(in, tag, prop.maxLen, name));
    }
    hint = static_cast<std::size_t>(index) + 1;
  }
  in.Byte();  // end of the property list
  if (in.Byte() != 0) throw EReadError("a page record has no child components");
}

}  // namespace

void WriteComponentStream(TStream& stream, const TPageRecord& record) {
  TBlockWriter out(stream);
  const TRecordClass& cls = record.Class();
  out.Bytes(kSignature.data(), kSignature.size());
  out.ShortString(cls.className);
  out.Byte(0);  // the component name, empty in every study file
  for (std::size_t i = 0; i < cls.props.size(); ++i) {
    const TPropInfo& prop = cls.props[i];
    const std::string& value = record.Get(i);
    if (prop.kind == TPropKind::Text && value.empty()) continue;
    out.ShortString(prop.name);
    out.Byte(kValueString);
    out.ShortString(prop.kind == TPropKind::Char ? std::string_view(value).substr(0, 1) : std::string_view(value).substr(0, 255));
  }
  out.Byte(0);
  out.Byte(0);
  out.Flush();
}

void ReadComponentStream(TStream& stream, TPageRecord& record) {
  TBlockReader in(stream);
  try {
    ReadRecord(in, record);
  } catch (...) {
    try {
      in.GiveBack();
    } catch (...) {
      // The record failed already; that failure is the one to report.
    }
    throw;
  }
  in.GiveBack();
}

void WriteStudy(TStream& stream, std::span<const TPageRecord> records) {
  for (const TPageRecord& record : records) WriteComponentStream(stream, record);
}

std::vector<std::uint8_t> StudyBytes(std::span<const TPageRecord> records) {
  TMemoryStream stream;
  WriteStudy(stream, records);
  return stream.Bytes();
}

void ReadStudy(TStream& stream, std::span<TPageRecord> records) {
  for (TPageRecord& record : records) ReadComponentStream(stream, record);
}
