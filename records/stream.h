// Byte streams for the study file: an abstract stream with position, an
// in-memory stream and a file stream that holds the file for exclusive use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "records/errors.h"

// A failure of a stream or a file, with the problem the user is told about.
class EStreamError : public std::runtime_error {
 public:
  explicit EStreamError(const std::string& what, TFileProblem problem = TFileProblem::Other)
      : std::runtime_error(what), problem_(problem) {}
  TFileProblem Problem() const { return problem_; }

 private:
  TFileProblem problem_;
};

// A record that cannot be read: bad signature, data ending early, unknown
// property, wrong value tag, a single character of another length.
class EReadError : public EStreamError {
 public:
  explicit EReadError(const std::string& what) : EStreamError(what, TFileProblem::Damaged) {}
};

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
  // Forces written bytes to stable storage (file streams); no-op elsewhere.
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

// A file opened for exclusive use: a second opener (another TFileStream, in
// this or another process) is refused with EStreamError while it is open.
class TFileStream : public TStream {
 public:
  enum class Mode { OpenRead, Create };
  TFileStream(const std::string& fileName, Mode mode);  // throws EStreamError
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void Flush() override;

 private:
  int fd_ = -1;
};
