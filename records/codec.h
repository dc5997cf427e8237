// The component-stream codec: one page record as one component stream, and
// a whole study as its records' streams back to back.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "records/page_record.h"
#include "records/stream.h"

// Writes "TPF0", the class name, the empty component name, the published
// properties in declaration order (empty texts skipped, characters always),
// then 00 00.
void WriteComponentStream(TStream& stream, const TPageRecord& record);

// Reads one component stream into the existing record, whatever class the
// stream names, and leaves the stream directly after it. Throws EReadError;
// every property read before the failure stays set.
void ReadComponentStream(TStream& stream, TPageRecord& record);

// The records one after the other, nothing before, between or after them.
void WriteStudy(TStream& stream, std::span<const TPageRecord> records);
std::vector<std::uint8_t> StudyBytes(std::span<const TPageRecord> records);
// Reads the records in order; the first that cannot be read stops the walk
// with its exception: the records before it keep what they read, the ones
// after it what they held.
void ReadStudy(TStream& stream, std::span<TPageRecord> records);
