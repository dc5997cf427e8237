// Report page 5 of the general study (and of the hotel study): the equipment
// table continued, items 20 to 28, without repeating the column headings.
// Items 26 to 28 are free rows whose number and kind come from the record;
// item 25 keeps its fixed number and kind, so Eidos25 and aa25 do not print.
#include "report/equipment_grid.h"
#include "report/flox03/flox03_report.h"

using namespace rpt;

namespace {

constexpr std::array<TGridRow, 9> kRows = {{
    {Fixed("20"), Fixed("Τσεκούρια"), Data("Symbol20"), Data("Poso20"), Data("Use20"), Data("Time20"), Data("Comments20")},
    {Fixed("21"), Fixed("Σκεπάρνια"), Data("Symbol21"), Data("Poso21"), Data("Use21"), Data("Time21"), Data("Comments21")},
    {Fixed("22"), Fixed("Λοστοί διάρρηξης"), Data("Symbol22"), Data("Poso22"), Data("Use22"), Data("Time22"), Data("Comments22")},
    {Fixed("23"), Fixed("Προστατευτικά κράνη"), Data("Symbol23"), Data("Poso23"), Data("Use23"), Data("Time23"), Data("Comments23")},
    {Fixed("24"), Fixed("Κουβέρτες διάσωσης", "δύσφλεκτες"), Data("Symbol24"), Data("Poso24"), Data("Use24"), Data("Time24"), Data("Comments24")},
    {Fixed("25"), Fixed("Ηλεκτρικοί φανοί χειρός"), Data("Symbol25"), Data("Poso25"), Data("Use25"), Data("Time25"), Data("Comments25")},
    {Data("aa26"), Data("Eidos26"), Data("Symbol26"), Data("Poso26"), Data("Use26"), Data("Time26"), Data("Comments26")},
    {Data("aa27"), Data("Eidos27"), Data("Symbol27"), Data("Poso27"), Data("Use27"), Data("Time27"), Data("Comments27")},
    {Data("aa28"), Data("Eidos28"), Data("Symbol28"), Data("Poso28"), Data("Use28"), Data("Time28"), Data("Comments28")},
}};

constexpr TGridLayout kLayout{.top = 0, .headHeight = 0, .rowHeight = 132};
constexpr int kNoteTop = GridBottom(kLayout, kRows.size()) + 40;

constexpr auto kGrid = BuildGrid<kRows, nullptr, kLayout>();

// The grid, then the note under it.
constexpr auto MakeElements() {
  std::array<TElementDef, kGrid.size() + 1> out{};
  for (std::size_t i = 0; i < kGrid.size(); ++i) out[i] = kGrid[i];
  out[kGrid.size()] =
      Text({0, kNoteTop, 1900, kLine10}, "Συμπληρώνεται και από τυχόν επιπλέον υλικά που δεν αναφέρονται στον πίνακα");
  return out;
}

constexpr auto kElements = MakeElements();

constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page5Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox03::kPage5Preview = kPage;
