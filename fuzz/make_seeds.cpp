// Writes the seed studies of the fuzz target into a folder: new studies of
// each type, a study with Greek text in every record, a full one, and the
// forms other writers use (prefix byte, long texts, names in other case).
#include <cstdio>
#include <fstream>
#include <string>

#include "records/codec.h"
#include "records/study_slots.h"
#include "records/cp1253.h"

namespace {

using Study = std::vector<TPageRecord>;
using Bytes = std::vector<std::uint8_t>;

void Write(const std::string& folder, const std::string& name, const Bytes& bytes) {
  std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + name);
}

std::string Cp(const char* utf8) {
  std::string out;
  if (!Utf8ToCp1253(utf8, out)) throw std::runtime_error("not code page 1253");
  return out;
}

void Append(Bytes& out, std::initializer_list<Bytes> parts) {
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
}

Bytes Short(const std::string& s) {
  Bytes b{static_cast<std::uint8_t>(s.size())};
  b.insert(b.end(), s.begin(), s.end());
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  try {
    Study study = NewStudyRecords();
    Write(folder, "new-type4.flx", StudyBytes(study));
    study[0].Set("Suntaxh", Cp("την 3/81 Π.Δ."));
    Write(folder, "new-type1.flx", StudyBytes(study));
    study = NewStudyRecords();
    study[6].Set("Suntaxh", Cp("  Π.Δ. 71/88  Αρθρο11  και Απόφ. 5905/Φ15/839  ΦΕΚ611/12/7/95"));
    Write(folder, "new-type3.flx", StudyBytes(study));

    // Some Greek text in the first field of every record, a yes in the
    // second where it is a text, and a choice in every character.
    study = NewStudyRecords();
    for (TPageRecord& record : study) {
      record.Set(0, Cp("Πυροσβεστήρας ξηράς κόνεως"));
      for (std::size_t i = 0; i < record.PropCount(); ++i)
        if (record.Class().props[i].kind == TPropKind::Char) record.Set(i, Cp("Α"));
    }
    Write(folder, "greek.flx", StudyBytes(study));

    // One record each in the forms the reader accepts from other writers.
    const Bytes sig = {'T', 'P', 'F', '0'};
    Bytes other;
    Append(other, {sig, {0xF2, 0x02, 0x00}, Short("TFlox03Pg6Data"), {0x00}});
    Append(other, {Short("dtexnikes"), {0x0C, 0x03, 0x00, 0x00, 0x00, 0xC1, 0xC2, 0xC3}});
    Append(other, {Short("Tag"), {0x02, 0x00}, Short("Left"), {0x03, 0x10, 0x00}, Short("Top"), {0x04, 1, 0, 0, 0}});
    Append(other, {Short("ZApokliseis"), {0x06, 0x02, 'o', 'k'}, {0x00, 0x00}});
    Write(folder, "other-writer-record.flx", other);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
