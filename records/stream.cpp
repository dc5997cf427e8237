// Byte streams: the size of any stream, and the memory stream.
#include "records/stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

std::int64_t TStream::Size() {
  const std::int64_t here = Seek(0, TSeekOrigin::Current);
  const std::int64_t end = Seek(0, TSeekOrigin::End);
  Seek(here, TSeekOrigin::Begin);
  return end;
}

// ---------------------------------------------------------------- memory

TMemoryStream::TMemoryStream(const void* data, std::size_t size)
    : bytes_(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (pos_ >= bytes_.size()) return 0;
  const std::size_t n = std::min(count, bytes_.size() - pos_);
  std::memcpy(buffer, bytes_.data() + pos_, n);
  pos_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  if (count > bytes_.max_size() - pos_) throw EStreamError("memory stream: write too large");
  if (pos_ + count > bytes_.size()) bytes_.resize(pos_ + count);
  std::memcpy(bytes_.data() + pos_, buffer, count);
  pos_ += count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  switch (origin) {
    case TSeekOrigin::Begin: base = 0; break;
    case TSeekOrigin::Current: base = static_cast<std::int64_t>(pos_); break;
    case TSeekOrigin::End: base = static_cast<std::int64_t>(bytes_.size()); break;
  }
  if ((offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset) || base + offset < 0)
    throw EStreamError("memory stream: seek out of range");
  pos_ = static_cast<std::size_t>(base + offset);
  return base + offset;
}
