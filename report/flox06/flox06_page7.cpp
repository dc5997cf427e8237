// Report page 7 of the industry study: annex Α, the table of the
// fire-protection group. Head and deputy, then three sub-groups, each with
// its section and four names for each of the three eight-hour shifts under
// grey column headings, and the duties of the members in brief. The
// record's Texnikes prints on page 8, not here.
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"

using namespace rpt;

namespace {

// 9 lines.
constexpr const char kDuties[] =
    "α) Αρχηγού ομάδος πυροπροστασίας.\n"
    "   Οργανώνει και διευθύνει την ομάδα, μεριμνά για την εκπαίδευσή της και για\n"
    "   την ετοιμότητα των μέσων πυροπροστασίας (Παράρτημα Β', παράγραφος Γ).\n"
    "β) Υπαρχηγού ομάδος πυροπροστασίας.\n"
    "   Βοηθά τον Αρχηγό στο έργο του και τον αναπληρώνει όταν απουσιάζει.\n"
    "γ) Μελών ομάδος πυροπροστασίας.\n"
    "   Ενεργούν σύμφωνα με τις εντολές του Αρχηγού και τις οδηγίες του Παραρτήματος\n"
    "   Δ', ελέγχουν τα μέσα του τμήματός τους και επεμβαίνουν πρώτοι σε κάθε αρχή\n"
    "   πυρκαγιάς (Παράρτημα Β', παράγραφος Ε).";

constexpr TElementDef GreyHeading(TRectDef rect, const char* caption) {
  TElementDef e = Text(rect, caption, kArial10Bold, TAlign::Center);
  e.transparent = false;
  e.greyBackground = true;
  return e;
}

// One sub-group: its heading line, then a ruled table of three shifts with
// four numbered names each.
constexpr int kColW = 1900 / 3;
constexpr int kHeadRow = kLine10 + 16;
constexpr int kNameRow = Lines(2, 9) + 10;
constexpr int kGroupHeight = 60 + kHeadRow + 4 * kNameRow + 40;

constexpr const char* kNumbers[] = {"1.", "2.", "3.", "4."};
constexpr const char* kShifts[] = {"Α' 8ωρο", "Β' 8ωρο", "Γ' 8ωρο"};

constexpr auto SubGroup(int top, const char* heading, const char* section,
                        const std::array<std::array<const char*, 4>, 3>& names) {
  const int table = top + 60;
  const int rows = table + kHeadRow;
  const int bottom = rows + 4 * kNameRow;
  std::array<TElementDef, 7 + 3 * (1 + 4 * 2)> cells{};
  std::size_t at = 0;
  cells[at++] = Box({0, table, 1900, bottom - table});
  cells[at++] = HRule(0, rows, 1900);
  cells[at++] = VRule(kColW, table, bottom - table);
  cells[at++] = VRule(2 * kColW, table, bottom - table);
  for (int r = 1; r < 4; ++r) cells[at++] = Dots(0, rows + r * kNameRow, 1900);
  for (int s = 0; s < 3; ++s) {
    cells[at++] = GreyHeading({s * kColW + 6, table + 6, kColW - 12, kLine10}, kShifts[s]);
    for (int n = 0; n < 4; ++n) {
      const int y = rows + n * kNameRow + 5;
      cells[at++] = Text({s * kColW + 12, y, 40, kLine9}, kNumbers[n], kArial9);
      cells[at++] = Field(names[s][n], {s * kColW + 55, y, kColW - 67, Lines(2, 9)}, kArial9);
    }
  }
  return Join(Text({0, top, 360, kLine10}, heading), Filled(section, 370, top, 790),
              Text({1180, top, 720, kLine10}, "ή (Τμήματα κατά περίπτωση)"), cells);
}

constexpr int yGroup1 = 560;
constexpr int yGroup2 = yGroup1 + kGroupHeight;
constexpr int yGroup3 = yGroup2 + kGroupHeight;
constexpr int yDuties = yGroup3 + kGroupHeight + 20;

constexpr auto kElements = Join(
    Text({0, 0, 500, kLine10}, "Τίτλος Επιχείρησης"),
    Text({1400, 0, 500, kLine12}, "ΠΑΡΑΡΤΗΜΑ \"Α\"", kArial12, TAlign::Right),
    Text({1100, 60, 800, kLine10}, "Συνημμένο στη μελέτη Πυροπροστασίας", kArial10, TAlign::Right),
    Text({0, 150, 1900, kLine14}, "ΠΙΝΑΚΑΣ", TFontDef{.family = "Arial", .points = 14, .style = qr::fsBold | qr::fsItalic},
         TAlign::Center),
    Text({0, 215, 1900, kLine10}, "Σύνθεσης Ομάδος Πυροπροστασίας", kArial10BoldItalic, TAlign::Center),

    Text({0, 300, 480, kLine10}, "Αρχηγός Πυροπροστασίας:"),
    Filled("Arxhgos", 490, 300, 1410),
    Text({0, 360, 480, kLine10}, "Υπαρχηγός Πυροπροστασίας:"),
    Filled("Yparxhgos", 490, 360, 1410),
    Text({0, 440, 900, kLine10}, "Προσωπικό Ομάδας Πυροπροστασίας:", kArial10Bold),

    SubGroup(yGroup1, "1η ΥΠΟΟΜΑΔΑ Τμήμα", "Ypoomada1",
                {{{"Omada1OrarioAOnoma1", "Omada1OrarioAOnoma2", "Omada1OrarioAOnoma3", "Omada1OrarioAOnoma4"},
                  {"Omada1OrarioBOnoma1", "Omada1OrarioBOnoma2", "Omada1OrarioBOnoma3", "Omada1OrarioBOnoma4"},
                  {"Omada1OrarioCOnoma1", "Omada1OrarioCOnoma2", "Omada1OrarioCOnoma3", "Omada1OrarioCOnoma4"}}}),
    SubGroup(yGroup2, "2η ΥΠΟΟΜΑΔΑ Τμήμα", "Ypoomada2",
                {{{"Omada2OrarioAOnoma1", "Omada2OrarioAOnoma2", "Omada2OrarioAOnoma3", "Omada2OrarioAOnoma4"},
                  {"Omada2OrarioBOnoma1", "Omada2OrarioBOnoma2", "Omada2OrarioBOnoma3", "Omada2OrarioBOnoma4"},
                  {"Omada2OrarioCOnoma1", "Omada2OrarioCOnoma2", "Omada2OrarioCOnoma3", "Omada2OrarioCOnoma4"}}}),
    SubGroup(yGroup3, "3η ΥΠΟΟΜΑΔΑ Τμήμα", "Ypoomada3",
                {{{"Omada3OrarioAOnoma1", "Omada3OrarioAOnoma2", "Omada3OrarioAOnoma3", "Omada3OrarioAOnoma4"},
                  {"Omada3OrarioBOnoma1", "Omada3OrarioBOnoma2", "Omada3OrarioBOnoma3", "Omada3OrarioBOnoma4"},
                  {"Omada3OrarioCOnoma1", "Omada3OrarioCOnoma2", "Omada3OrarioCOnoma3", "Omada3OrarioCOnoma4"}}}),

    Text({0, yDuties, 1900, kLine10}, "Καθήκοντα και υποχρεώσεις μελών ομάδας πυροπροστασίας.", kArial10Bold),
    Block({0, yDuties + 55, 1900, 9 * kCourierLine10}, kDuties));

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page7Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage7Preview = kPage;
