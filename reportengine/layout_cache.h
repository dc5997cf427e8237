// The laid-out text of each element of a page report, kept between paints.
// An entry is built the first time its element is painted or measured and
// dropped when the element's caption changes.
#pragma once

#include <memory>
#include <vector>

#include <QRectF>
#include <QTextLayout>

#include "reportengine/quickrep.h"

namespace qr {

struct TQuickRep::Cache {
  struct Entry {
    bool valid = false;
    // The element's box on the sheet in renderer units, already cut to the
    // child band; empty when nothing of it lies on the band.
    QRectF box;
    // Where the text's first line starts: the element's own top-left corner,
    // which may lie outside the cut box.
    QPointF textOrigin;
    // Text laid out from the box's top-left corner; null for elements
    // without text and for empty captions.
    std::unique_ptr<QTextLayout> text;
  };

  explicit Cache(std::size_t elementCount) : entries(elementCount) {}
  void Drop(std::size_t index) {
    entries[index].valid = false;
    entries[index].text.reset();
  }

  std::vector<Entry> entries;
};

}  // namespace qr
