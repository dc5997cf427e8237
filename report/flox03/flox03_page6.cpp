// Report page 6 of the general study: four free-text sections, each a
// word-wrapped box over ruled fill-in lines across the page, and the
// signature block of the author and of the approving fire service.
#include "report/flox03/flox03_report.h"
#include "report/page_elements.h"

using namespace rpt;

namespace {

constexpr int kTextLines = 7;  // a 255-character text with a few line breaks
constexpr int kSection = 50 + Lines(kTextLines) + 70;
constexpr int S(int n) { return n * kSection; }  // top of section n, 0 to 3
constexpr int T(int n) { return S(n) + 50; }     // top of its text box
constexpr int D(int n, int line) { return T(n) + Lines(line); }

constexpr int kSign = S(4) + 100;
constexpr int kSignX = 1200;
constexpr int kSignW = 700;

constexpr TElementDef kElements[] = {
    Text({0, S(0), 1900, kLine10}, "Δ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ", kArial10BoldItalic),
    Field("DTexnikes", {0, T(0), 1900, Lines(kTextLines)}),
    Dots(0, D(0, 1), 1900), Dots(0, D(0, 2), 1900), Dots(0, D(0, 3), 1900), Dots(0, D(0, 4), 1900),
    Dots(0, D(0, 5), 1900), Dots(0, D(0, 6), 1900), Dots(0, D(0, 7), 1900),

    Text({0, S(1), 1900, kLine10}, "Ε. ΟΡΓΑΝΩΣΗ ΚΑΙ ΕΚΠΑΙΔΕΥΣΗ ΠΡΟΣΩΠΙΚΟΥ-ΟΜΑΔΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ", kArial10BoldItalic),
    Field("EOrganwsh", {0, T(1), 1900, Lines(kTextLines)}),
    Dots(0, D(1, 1), 1900), Dots(0, D(1, 2), 1900), Dots(0, D(1, 3), 1900), Dots(0, D(1, 4), 1900),
    Dots(0, D(1, 5), 1900), Dots(0, D(1, 6), 1900), Dots(0, D(1, 7), 1900),

    Text({0, S(2), 1900, kLine10}, "ΣΤ. ΠΥΡΟΦΡΑΓΜΟΙ", kArial10BoldItalic),
    Field("STFloxfragmoi", {0, T(2), 1900, Lines(kTextLines)}),
    Dots(0, D(2, 1), 1900), Dots(0, D(2, 2), 1900), Dots(0, D(2, 3), 1900), Dots(0, D(2, 4), 1900),
    Dots(0, D(2, 5), 1900), Dots(0, D(2, 6), 1900), Dots(0, D(2, 7), 1900),

    Text({0, S(3), 1900, kLine10}, "Ζ. ΑΠΟΚΛΙΣΕΙΣ", kArial10BoldItalic),
    Field("ZApokliseis", {0, T(3), 1900, Lines(kTextLines)}),
    Dots(0, D(3, 1), 1900), Dots(0, D(3, 2), 1900), Dots(0, D(3, 3), 1900), Dots(0, D(3, 4), 1900),
    Dots(0, D(3, 5), 1900), Dots(0, D(3, 6), 1900), Dots(0, D(3, 7), 1900),

    // The author signs on the right; the fire service approves below him.
    Text({kSignX, kSign, kSignW, kLine10}, "Ο Συντάξας", kArial10, TAlign::Center),
    Dots(kSignX + 100, kSign + 230, kSignW - 200),
    Text({kSignX, kSign + 330, kSignW, kLine10}, "ΕΓΚΡΙΝΕΤΑΙ", kArial10, TAlign::Center),
    Text({kSignX, kSign + 380, kSignW, kLine10}, "Ο Διοικητής της Π.Υ.", kArial10, TAlign::Center),
    Dots(kSignX + 100, kSign + 610, kSignW - 200),
};


constexpr qr::TPageDef kPage{
    .formName = "TFlox03Page6Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox03::kPage6Preview = kPage;
