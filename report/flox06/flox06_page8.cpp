// Report page 8 of the industry study: the technical descriptions of the
// fixed systems, typed on the seventh entry page, in a ruled box of 160 by
// 19 mm that never grows (a long text wraps and is cut at the box), then the
// general instructions lettered α to ε and the author's place.
//
// It is filled from the seventh record, as page 7 is, and shows nothing of
// it but Texnikes.
#include "report/flox06/flox06_report.h"
#include "report/flox06/page_parts.h"

using namespace rpt;

namespace {

// 13 lines.
constexpr const char kInstructions[] =
    "α. Είναι αναγκαία η προμήθεια των απαραιτήτων μέσων προστασίας του προσωπικού\n"
    "   (κράνη, γάντια, προσωπίδες) και η διατήρησή τους σε καλή κατάσταση.\n"
    "β. Τα πυροσβεστικά μέσα τοποθετούνται σε εμφανή και εύκολα προσιτά σημεία, κοντά\n"
    "   στις εξόδους και στους χώρους αυξημένου κινδύνου, και σημαίνονται με πινακίδες.\n"
    "γ. Οι πυροσβεστήρες ελέγχονται και αναγομώνονται από αναγνωρισμένο συνεργείο στα\n"
    "   χρονικά διαστήματα του πίνακα εξοπλισμού. Κάθε έλεγχος καταχωρείται στο βιβλίο\n"
    "   επιθεωρήσεων της επιχείρησης.\n"
    "δ. Τα μόνιμα συστήματα πυρανίχνευσης και πυρόσβεσης συντηρούνται από ειδικευμένο\n"
    "   τεχνικό και δοκιμάζονται τουλάχιστον μία φορά κάθε έξι μήνες.\n"
    "ε. Κάθε μεταβολή των χώρων, των εγκαταστάσεων ή της παραγωγικής διαδικασίας που\n"
    "   επηρεάζει την πυροπροστασία γνωστοποιείται στην Πυροσβεστική Υπηρεσία και η\n"
    "   μελέτη συμπληρώνεται ανάλογα, πριν αρχίσουν να λειτουργούν οι νέοι χώροι ή\n"
    "   οι νέες εγκαταστάσεις.";

// The box of the technical descriptions: 160 by 19 mm; the label inside it
// holds four whole lines and cuts the rest.
constexpr int kBoxTop = 60;
constexpr int kBoxHeight = 190;
constexpr int kHeadTop = kBoxTop + kBoxHeight + 50;
constexpr int kBlockTop = kHeadTop + 60;
constexpr int kSignTop = kBlockTop + 13 * kCourierLine10 + 120;

constexpr TElementDef kElements[] = {
    Text({0, 0, 1600, kLine10}, "Ι. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ", kArial10Italic),
    Box({0, kBoxTop, 1600, kBoxHeight}),
    FieldOf("QRLabel3", "Texnikes", {12, kBoxTop + 12, 1576, Lines(4)}),
    Text({0, kHeadTop, 1600, kLine10}, "ΙΑ. ΓΕΝΙΚΕΣ ΟΔΗΓΙΕΣ", kArial10Italic),
    Block({0, kBlockTop, 1900, 13 * kCourierLine10}, kInstructions),
    Text({1300, kSignTop, 400, kLine10}, "Ο Συντάξας", kArial10, TAlign::Center),
};

constexpr qr::TPageDef kPage{
    .formName = "TFlox06Page8Preview",
    .titleBandHeight = 29,
    .childBandName = "QRChildBand1",
    .childBandHeight = 2728,
    .elements = kElements,
};

}  // namespace

const qr::TPageDef flox06::kPage8Preview = kPage;
