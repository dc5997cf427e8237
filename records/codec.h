// The component-stream codec: one page record as one component stream.
#pragma once

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
