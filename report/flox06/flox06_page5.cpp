// Report page 5 of the industry study: the equipment table, items 1 to 18,
// under its two-line column headings. Items 1 to 11 are extinguishers with a
// fixed symbol, mode of operation and inspection interval; items 12 to 18
// print all five fields from the record, and item 12 also the capacity of
// the powder vehicle inside its name. The record's fields of item 19 do not
// print here: item 19 is printed on page 6 from page 6's record.
#include "report/equipment_grid.h"
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"

using namespace rpt;

namespace {

constexpr auto kRows = WithExtinguishers<7>({{
    {Fixed("12"), Fixed("Οχημα σκόνης"), Data("Symbol12"), Data("Poso12"), Data("Use12"), Data("Time12"), Data("Comments12")},
    {Fixed("13"), Fixed("Οχημα πυροσβεστικό"), Data("Symbol13"), Data("Poso13"), Data("Use13"), Data("Time13"), Data("Comments13")},
    {Fixed("14"), Fixed("Αναπνευστικές συσκευές κλειστού", "κυκλώματος οξυγόνου"), Data("Symbol14"), Data("Poso14"), Data("Use14"), Data("Time14"), Data("Comments14")},
    {Fixed("15"), Fixed("Αναπνευστικές συσκευές ανοικτού", "κυκλώματος πεπιεσμένου αέρος"), Data("Symbol15"), Data("Poso15"), Data("Use15"), Data("Time15"), Data("Comments15")},
    {Fixed("16"), Fixed("Ατομικές προσωπίδες με φίλτρο"), Data("Symbol16"), Data("Poso16"), Data("Use16"), Data("Time16"), Data("Comments16")},
    {Fixed("17"), Fixed("Στολές αμιάντου προσέγγισης"), Data("Symbol17"), Data("Poso17"), Data("Use17"), Data("Time17"), Data("Comments17")},
    {Fixed("18"), Fixed("Στολές αμιάντου διέλευσης"), Data("Symbol18"), Data("Poso18"), Data("Use18"), Data("Time18"), Data("Comments18")},
}});

constexpr TGridLayout kLayout{.top = 0, .headHeight = Lines(2, 9) + 14, .rowHeight = 132};

// The second line of item 12's name: "χωρητικ." capacity "χλγ.".
constexpr int kCapacityTop = kLayout.top + kLayout.headHeight + 11 * kLayout.rowHeight + kGridPadY + kLine9;
constexpr int kKindLeft = kGridX[1] + kGridPadX;

constexpr auto kElements =
    Join(BuildGrid<kRows, &kEquipmentHeading, kLayout>(), Text({kKindLeft, kCapacityTop, 125, kLine9}, "χωρητικ.", kArial9),
         Filled("Xwritikotita", kKindLeft + 130, kCapacityTop, 80, kArial9, TAlign::Center),
         Text({kKindLeft + 220, kCapacityTop, 60, kLine9}, "χλγ.", kArial9));

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page5Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand2",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage5Preview = kPage;
