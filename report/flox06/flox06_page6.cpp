// Report page 6 of the industry study: the equipment table continued, items
// 19 to 30, without repeating the column headings. The last three rows are
// free rows: their number and kind come from aa27/Eidos27 to aa29/Eidos29,
// beside the fields of items 28 to 30.
#include "report/equipment_grid.h"
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"

using namespace rpt;

namespace {

constexpr std::array<TGridRow, 12> kRows = {{
    {Fixed("19"), Fixed("Στολές αμμωνίας"), Data("Symbol19"), Data("Poso19"), Data("Use19"), Data("Time19"), Data("Comments19")},
    {Fixed("20"), Fixed("Φτυάρια"), Data("Symbol20"), Data("Poso20"), Data("Use20"), Data("Time20"), Data("Comments20")},
    {Fixed("21"), Fixed("Σκαπάνες"), Data("Symbol21"), Data("Poso21"), Data("Use21"), Data("Time21"), Data("Comments21")},
    {Fixed("22"), Fixed("Τσεκούρια"), Data("Symbol22"), Data("Poso22"), Data("Use22"), Data("Time22"), Data("Comments22")},
    {Fixed("23"), Fixed("Σκεπάρνια"), Data("Symbol23"), Data("Poso23"), Data("Use23"), Data("Time23"), Data("Comments23")},
    {Fixed("24"), Fixed("Λοστοί διάρρηξης"), Data("Symbol24"), Data("Poso24"), Data("Use24"), Data("Time24"), Data("Comments24")},
    {Fixed("25"), Fixed("Προστατευτικά κράνη"), Data("Symbol25"), Data("Poso25"), Data("Use25"), Data("Time25"), Data("Comments25")},
    {Fixed("26"), Fixed("Κουβέρτες διάσωσης", "δύσφλεκτες"), Data("Symbol26"), Data("Poso26"), Data("Use26"), Data("Time26"), Data("Comments26")},
    {Fixed("27"), Fixed("Ηλεκτρικοί φανοί χειρός"), Data("Symbol27"), Data("Poso27"), Data("Use27"), Data("Time27"), Data("Comments27")},
    {Data("aa27"), Data("Eidos27"), Data("Symbol28"), Data("Poso28"), Data("Use28"), Data("Time28"), Data("Comments28")},
    {Data("aa28"), Data("Eidos28"), Data("Symbol29"), Data("Poso29"), Data("Use29"), Data("Time29"), Data("Comments29")},
    {Data("aa29"), Data("Eidos29"), Data("Symbol30"), Data("Poso30"), Data("Use30"), Data("Time30"), Data("Comments30")},
}};

constexpr TGridLayout kLayout{.top = 0, .headHeight = 0, .rowHeight = 132};
constexpr int kNoteTop = GridBottom(kLayout, kRows.size()) + 40;

constexpr auto kElements = Join(
    BuildGrid<kRows, nullptr, kLayout>(),
    Text({0, kNoteTop, 1900, kLine10}, "Συμπληρώνεται και από τυχόν επιπλέον υλικά που δεν αναφέρονται στον πίνακα"));

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page6Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage6Preview = kPage;
