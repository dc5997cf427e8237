// Report page 4 of the general study (and of the hotel study): the equipment
// table, items 1 to 19, under its two-line column headings. Items 1 to 11 are
// extinguishers with a fixed symbol, mode of operation and inspection
// interval; items 12 to 19 print all five fields from the record.
#include "report/equipment_grid.h"
#include "report/flox03/flox03_report.h"

using namespace rpt;

namespace {

constexpr auto kRows = WithExtinguishers<8>({{
    {Fixed("12"), Fixed("Αναπνευστικές συσκευές κλειστού", "κυκλώματος οξυγόνου"), Data("Symbol12"), Data("Poso12"), Data("Use12"), Data("Time12"), Data("Comments12")},
    {Fixed("13"), Fixed("Αναπνευστικές συσκευές ανοικτού", "κυκλώματος πεπιεσμένου αέρος"), Data("Symbol13"), Data("Poso13"), Data("Use13"), Data("Time13"), Data("Comments13")},
    {Fixed("14"), Fixed("Ατομικές προσωπίδες με φίλτρο"), Data("Symbol14"), Data("Poso14"), Data("Use14"), Data("Time14"), Data("Comments14")},
    {Fixed("15"), Fixed("Στολές αμιάντου προσέγγισης"), Data("Symbol15"), Data("Poso15"), Data("Use15"), Data("Time15"), Data("Comments15")},
    {Fixed("16"), Fixed("Στολές αμιάντου διέλευσης"), Data("Symbol16"), Data("Poso16"), Data("Use16"), Data("Time16"), Data("Comments16")},
    {Fixed("17"), Fixed("Στολές αμμωνίας"), Data("Symbol17"), Data("Poso17"), Data("Use17"), Data("Time17"), Data("Comments17")},
    {Fixed("18"), Fixed("Φτυάρια"), Data("Symbol18"), Data("Poso18"), Data("Use18"), Data("Time18"), Data("Comments18")},
    {Fixed("19"), Fixed("Σκαπάνες"), Data("Symbol19"), Data("Poso19"), Data("Use19"), Data("Time19"), Data("Comments19")},
}});

constexpr TGridLayout kLayout{.top = 0, .headHeight = Lines(2, 9) + 14, .rowHeight = 132};

constexpr auto kElements = BuildGrid<kRows, &kEquipmentHeading, kLayout>();

constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page4Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand2",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox03::kPage4Preview = kPage;
