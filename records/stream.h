// Byte streams for the study file: an abstract stream with a position, and
// the in-memory stream. Files are streams too (records/file_system.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/errors.h"

enum class TSeekOrigin { Begin, Current, End };

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to count bytes; returns how many were read (fewer at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes all count bytes or throws EStreamError.
  virtual void Write(const void* buffer, std::size_t count) = 0;
  // Moves the position and returns the new one.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  // Forces written bytes to stable storage (files); nothing elsewhere.
  virtual void Flush() {}

  std::int64_t Position() { return Seek(0, TSeekOrigin::Current); }
  std::int64_t Size();
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  TMemoryStream(const void* data, std::size_t size);

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  void Clear() { bytes_.clear(); pos_ = 0; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};
