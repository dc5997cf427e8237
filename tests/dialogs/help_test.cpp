// The help dialogs: the general study's six dialogs (captions, sizes,
// positions, every text in order, the ivory panel, nothing clipped, closing)
// and the generic table-driven help form under them.
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/flox03/flox03_help.h"
#include "dialogs/help_form.h"

namespace {

using dlg::THelpForm;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// Waits for a modal dialog for which `act` returns true; polls every 10 ms and,
// after about five seconds, closes whatever is modal so that a broken dialog
// fails the test instead of hanging it.
void WhenModal(std::function<bool(QWidget*)> act, int triesLeft = 500) {
  QTimer::singleShot(10, [act = std::move(act), triesLeft]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && act(modal)) return;
    if (triesLeft > 0) {
      WhenModal(std::move(act), triesLeft - 1);
    } else if (modal) {
      ADD_FAILURE() << "gave up waiting on " << modal->windowTitle().toStdString();
      modal->close();
    }
  });
}

// The most frequent colour of a widget as drawn.
QRgb DominantColour(QWidget* widget) {
  const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  QRgb best = 0;
  int most = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) most = it.value(), best = it.key();
  return best;
}

// Where a label's text starts horizontally.
int TextLeft(const QLabel* label) {
  return label->geometry().x() + label->contentsMargins().left();
}

// ---------------------------------------------------------------------------
// The six dialogs of the general study, as a user sees them.

// Kinds of line: heading, item, continued line, continued at the right end.
enum class L { H, I, C, R };
struct TLine {
  L kind;
  const char* text;
};

struct TDialogCase {
  const char* name;
  std::function<THelpForm*(QWidget*)> make;
  const char* caption;
  int width, height;
  bool centred;
  int left, top;
  const char* closeName;
  int headingPoints;  // size of the first heading
  std::vector<TLine> lines;
};

void PrintTo(const TDialogCase& c, std::ostream* out) { *out << c.name; }

template <class Form>
std::function<THelpForm*(QWidget*)> Maker() {
  return [](QWidget* owner) -> THelpForm* { return new Form(owner); };
}

const char* const kGeneralCaption = "Οδηγίες συμπλήρωσης εντύπου";

std::vector<TDialogCase> DialogCases() {
  return {
      {"Help1", Maker<TFlox03Help1Form>(), kGeneralCaption, 537, 397, false, 179, 111, "BitBtn1", 8,
       {{L::H, "ΜΕΛΕΤΗ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
        {L::I, "Αναγράφεται η νομοθεσία σύμφωνα με την οποία συντάχθηκε η μελέτη."},
        {L::I, "Αναγράφονται τα πλήρη στοιχεία του συντάξοντα τη μελέτη"},
        {L::H, "Α. ΣΤΟΙΧΕΙΑ ΕΠΙΧΕΙΡΗΣΗΣ"},
        {L::I, "1. Αναγράφεται η δραστηριότητα της επιχείρησης."},
        {L::I, "2. Αναγράφεται η πλήρης διεύθυνση των εγκαταστάσεων της επιχεόρησης."},
        {L::I, "3. Αναγράφεται ο ιδιοκτήτης της επιχείρησης."},
        {L::I, "4. Αναγράφεται ο ιδιοκτήτης του ακινήτου."},
        {L::I, "5. Αναγράφεται ο υπεύθυνος διευθυντής της επιχείρησης."},
        {L::I, "6. Αναγράφεται το απασχολούμενο προσωπικό σε άνδρες και γυναίκες."},
        {L::I, "7. Αναγράφεται το ωράριο εργασίας."},
        {L::I, "8. Αναγράφεται ο υπεύθυνος αρχηγός πυροπροστασίας."},
        {L::I, "9. Αναγράφεται ο υπεύθυνος υπαρχηγός πυροπροστασίας."},
        {L::I, "10. Αναγράφεται το προσωπικό πυροπροστασίας [αριθμός ατόμων]."}}},
      {"Help2", Maker<TFlox03Help2Form>(), kGeneralCaption, 544, 375, false, 205, 160, "BitBtn1", 10,
       {{L::H, "Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ"},
        {L::I, "1. Αναγράφεται ο αριθμός ορόφων ολοκλήρου του κτίσματος."},
        {L::I, "2. Αναγράφονται οι όροφοι που καταλαμβάνει η επιχείρηση [π.χ. υπόγειο, ισόγειο και Α' όροφος]."},
        {L::I, "3. Αναγράφεται η συνολική στεγασμένη επιφάνεα της επιχείρησης σε τετραγωνικά μέτρα."},
        {L::I, "4. Αναγράφονται οι χώροι που αφαιρούνται από τον υπολογισμό πληθυσμού."},
        {L::I, "5. Αναγράφεται η ωφέλιμη επιφάνεια η οποία βγαίνουν με την διαίρεση "},
        {L::C, "της ωφέλιμης επιφάνειας με τον συντελεστή υπολογισμού του χώρου."},
        {L::I, "6. Αναγράφονται τα άτομα της αίθουσας τα οποία βγαίνουν με την διαίρεση "},
        {L::C, "της ωφέλιμης επιφάνειας με τον συντελεστή υπολογισμού του χώρου."},
        {L::I, "7. Συμπληρώνεται σύμφωνα με τις επεξηγήσεις."},
        {L::I, "8. Περιγράφεται τυχόν ύπαρξη ευφλέκτων επικαλύψεων."},
        {L::I, "9. Αναγράφεται ο αριθμός των εξόδων κινδύνου και σε ποιό σημείο ευρίσκονται."},
        {L::C, "Γίνεται περιγραφή τους (κατασκευή-πλάτος-φορά ανοίγματος κ.λ.π.)."},
        {L::I, "10. Συμπληρώνεται αν υπάρχει φωτισμός ασφαλείας και γίνεται περιγραφή του."},
        {L::I, "11. Αναγράφονται οι χώροι με τους οποίους γειτνιάζει η επιχείρηση."}}},
      {"Help3", Maker<TFlox03Help3Form>(), kGeneralCaption, 544, 375, true, 0, 0, "BitBtn3", 8,
       {{L::H, "Β. ΟΙΚΟΔΟΜΙΚΗ ΣΥΣΤΑΣΗ"},
        {L::I, "12. Αναγράφονται οι οδοί με τις οποίες μπορεί να γίνει η προσπέλαση των πυρ/κών"},
        {L::C, "οχημάτων στις εγκαταστάσεις της επιχείρησης."},
        {L::I, "13. Αναγράφονται τα υδροστόμια που βρίσκονται κοντά στην επιχείρηση."},
        {L::I, "14. Περιγράφεται σε ποιό σημείο βρίσκεται ο ηλεκτρικός πίνακας."},
        {L::I, "15. Αναγράφεται αν χρησιμοποιείται υγραέριο και πόση ποσότητα."},
        {L::I, "16. Αναγράφεται αν χρησιμοποιείται φωταέριο."},
        {L::H, "Γ. ΜΕΤΡΑ ΠΥΡΟΠΡΟΣΤΑΣΙΑΣ"},
        {L::I, "1. Ανάλογα με την νομοθεσία που συντάσσεται η μελέτη αναγράφονται "},
        {L::C, "και τα προληπτικά μέτρα που προβλέποντα"},
        {L::I, "2. Ειδικά προληπτικά μέτρα."},
        {L::I, "3. Κατασταλτικά μέτρα"}}},
      {"Help31", Maker<TFlox03Help31Form>(), "Ειδικά προληπτικά μέτρα", 544, 375, true, 0, 0, "BitBtn1", 8,
       {{L::H, "Ειδικά προληπτικά μέτρα"},
        {L::I, "Συμπληρώνεται"},
        {L::I, "- αν υπάρχει αυτόματο σύστημ απυρανίχνευσης καθώς και η περιοχή που καλύπτει."},
        {L::I, "- αν υπάρχει αυτόματο σύστημα ανίχνευσης εκρηκτικών μειγμάτων."},
        {L::I, "- αν υπάρχει απλός ανιχνευτής εκρηκτικών μειγμάτων."},
        {L::I, "- αν υπάρχει ψύξη δεξαμενών [υγραερίο, καυσίμων κ.λ.π.]"},
        {L::I, "- αν υπάρχει χειροκίνητο σύστημα αναγγελίας πυρκαγιάς."},
        {L::I, "Αναγράφεται κάθε επί πλέον μέτρο που δεν αναφέρεται στο υπόδειγμα της μελέτης."}}},
      {"Help32", Maker<TFlox03Help32Form>(), "Κατασταλτικά μέτρα", 544, 375, true, 0, 0, "BitBtn1", 8,
       {{L::H, "Κατασταλτικά μέτρα."},
        {L::I, "Συμπληρώνεται :"},
        {L::I, "- αν υπάρχει αυτόματο σύστημα καταιονισμού, ο τύπος του "},
        {L::R, "καθώς και η περιοχή που καλύπτει."},
        {L::I, "- αν υπάρχει μόνιμο υδροδοτικό πυροσβεστικό δίκτυο, ο τύπος του, "},
        {L::C, "η παροχή του καθώς και ο αριθμός των πυροσβεστικών φωλιών."},
        {L::I, "- αν υπάρχει απλό υδροδοτικό πυροσβεστικό δίκτυο "},
        {L::C, "καθώς και ο αριθμός των πυροσβεστικών ερμαρίων."},
        {L::I, "- αν υπάρχει σύστημα κατάσβεσης τοπικής εφαρμογής."},
        {L::I, "- ο αριθμός των πυρ/ρων και των λοιπών μέσων."}}},
      {"Help6", Maker<TFlox03Help6Form>(), kGeneralCaption, 545, 372, false, 179, 111, "BitBtn1", 8,
       {{L::H, "Δ. ΤΕΧΝΙΚΕΣ ΠΕΡΙΓΡΑΦΕΣ ΜΟΝΙΜΩΝ ΣΥΣΤΗΜΑΤΩΝ"},
        {L::I, "Αναγράφονται τεχνικές περιγραφές τυχόν υπαρχόντων μονίμων συστημάτων."},
        {L::H, "Ε. ΟΡΓΑΝΩΣΗ ΕΚΠΑΙΔΕΥΣΗ ΠΡΟΣΩΠΙΚΟΥ"},
        {L::I, "Γίνεται συγκρότηση ομάδας πυροπροστασίας και αναγράφεται "},
        {L::C, "το αντίστοιχο παράρτημα των πυροσβεστικών διατάξεων."},
        {L::H, "ΣΤ. ΠΥΡΟΦΡΑΓΜΟΙ"},
        {L::I, "Συμπληρώνεται όταν υπάρχει απαίτηση για πυροφραγμούς και γίνεται περιγραφή τους"},
        {L::H, "Ζ. ΑΠΟΚΛΙΣΕΙΣ"},
        {L::I, "Αναγράφονται αναλυτικά τυχόν ζητούμενες αποκλίσεις."}}},
  };
}

class GeneralHelpDialog : public ::testing::TestWithParam<TDialogCase> {
 protected:
  void SetUp() override {
    form.reset(GetParam().make(nullptr));
    form->show();
    QApplication::processEvents();
  }
  void TearDown() override { form.reset(); }

  std::unique_ptr<THelpForm> form;
};

TEST_P(GeneralHelpDialog, CaptionSizeAndPosition) {
  const TDialogCase& c = GetParam();
  EXPECT_EQ(form->windowTitle(), Q(c.caption));
  // The layout may not have grown the dialog: everything fits the design size.
  EXPECT_EQ(form->size(), QSize(c.width, c.height));
  EXPECT_EQ(form->Table().width, c.width);
  EXPECT_EQ(form->Table().height, c.height);
  if (c.centred) {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->pos(), QPoint(desktop.x() + (desktop.width() - c.width) / 2,
                                  desktop.y() + (desktop.height() - c.height) / 2));
  } else {
    EXPECT_EQ(form->pos(), QPoint(c.left, c.top));
  }
  EXPECT_GT(form->maximumSize().width(), c.width)
      << "the dialog keeps the ordinary sizeable border";
}

TEST_P(GeneralHelpDialog, ShowsEveryTextInOrderAndNothingElse) {
  const TDialogCase& c = GetParam();
  const QList<QLabel*> labels = form->Panel()->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), static_cast<qsizetype>(c.lines.size()));
  ASSERT_EQ(form->Labels().size(), labels.size());
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    const QLabel* label = form->Labels()[static_cast<qsizetype>(i)];
    EXPECT_EQ(label->text(), Q(c.lines[i].text)) << "line " << i + 1;
    EXPECT_EQ(label->objectName(), QStringLiteral("Label%1").arg(i + 1));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    if (i > 0) {
      EXPECT_GT(label->geometry().top(), form->Labels()[static_cast<qsizetype>(i) - 1]->geometry().top())
          << "line " << i + 1 << " lies below line " << i;
    }
  }
}

TEST_P(GeneralHelpDialog, HeadingsCentredAndContinuationsIndented) {
  const TDialogCase& c = GetParam();
  const int panelCentre = form->Panel()->width() / 2;
  int lastItemLeft = -1;
  bool firstHeading = true;
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    const QLabel* label = form->Labels()[static_cast<qsizetype>(i)];
    const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
    switch (c.lines[i].kind) {
      case L::H: {
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << "line " << i + 1;
        EXPECT_NEAR(label->geometry().center().x(), panelCentre, 2) << "line " << i + 1;
        if (firstHeading) {
          EXPECT_EQ(label->font().pointSize(), c.headingPoints);
        }
        firstHeading = false;
        break;
      }
      case L::I:
        lastItemLeft = TextLeft(label);
        EXPECT_EQ(label->font().pointSize(), 8) << "line " << i + 1;
        break;
      case L::C:
        ASSERT_GE(lastItemLeft, 0);
        EXPECT_GT(TextLeft(label), lastItemLeft) << "line " << i + 1 << " is indented";
        break;
      case L::R:
        EXPECT_TRUE(label->alignment() & Qt::AlignRight) << "line " << i + 1;
        EXPECT_GT(label->geometry().right() - textWidth, form->Panel()->width() / 3)
            << "line " << i + 1 << " ends at the right";
        break;
    }
  }
}

TEST_P(GeneralHelpDialog, EveryTextFitsAndNothingOverlaps) {
  const QRect inside = form->Panel()->contentsRect();
  EXPECT_EQ(form->Panel()->geometry(), form->rect()) << "Panel1 fills the client area";
  const QList<QLabel*>& labels = form->Labels();
  for (qsizetype i = 0; i < labels.size(); ++i) {
    const QLabel* label = labels[i];
    SCOPED_TRACE(label->text().toStdString());
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(inside.contains(label->geometry())) << "inside the panel";
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "wrapped text not cut";
    } else {
      EXPECT_LE(label->sizeHint().width(), label->width());
      EXPECT_LE(label->sizeHint().height(), label->height());
    }
    for (qsizetype j = i + 1; j < labels.size(); ++j)
      EXPECT_FALSE(label->geometry().intersects(labels[j]->geometry()))
          << "overlaps " << labels[j]->text().toStdString();
    EXPECT_LT(label->geometry().bottom(), form->CloseButton()->geometry().top());
  }
  QPushButton* close = form->CloseButton();
  EXPECT_TRUE(inside.contains(close->geometry()));
  EXPECT_NEAR(close->geometry().center().x(), form->Panel()->width() / 2, 1);
  EXPECT_GE(close->width(), close->sizeHint().width());
}

TEST_P(GeneralHelpDialog, IvoryPanelInTheDialogFont) {
  QFrame* panel = form->Panel();
  EXPECT_EQ(panel->objectName(), QStringLiteral("Panel1"));
  EXPECT_TRUE(panel->autoFillBackground());
  EXPECT_EQ(DominantColour(panel), qRgb(255, 255, 240));
  EXPECT_EQ(form->font().family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(form->font().pointSize(), 8);
}

TEST_P(GeneralHelpDialog, CloseButtonAndCloseBoxEndTheModalRun) {
  const TDialogCase& c = GetParam();
  QPushButton* close = form->CloseButton();
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->objectName(), QString::fromLatin1(c.closeName));
  EXPECT_EQ(form->findChild<QPushButton*>(QString::fromLatin1(c.closeName)), close);
  EXPECT_EQ(close->text(), Q("Εξοδος"));
  EXPECT_FALSE(close->icon().isNull()) << "a picture button";
  form->hide();

  for (bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox ? "close box" : "close button");
    bool sawIt = false;
    THelpForm* target = form.get();
    WhenModal([&](QWidget* modal) {
      if (modal != target) return false;
      sawIt = true;
      if (byCloseBox)
        modal->close();
      else
        target->CloseButton()->click();
      return true;
    });
    form->exec();
    EXPECT_TRUE(sawIt);
    EXPECT_FALSE(form->isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(Flox03, GeneralHelpDialog, ::testing::ValuesIn(DialogCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GeneralHelpDialogOwner, OwnedDialogStaysAboveItsOwner) {
  QWidget owner;
  owner.show();
  auto* help = new TFlox03Help1Form(&owner);
  EXPECT_EQ(help->parentWidget(), &owner);
  EXPECT_TRUE(help->isWindow());
  EXPECT_EQ(help->windowType(), Qt::Dialog);
  delete help;
}

// ---------------------------------------------------------------------------
// The measures instructions and their two sub-dialogs.

struct TSubDialogCase {
  const char* name;
  int buttonIndex;
  const char* buttonName;
  const char* beside;  // the item the button stands beside
  const char* caption;
  bool isSpecial;  // TFlox03Help31Form, else TFlox03Help32Form
  bool byCloseBox;
};

void PrintTo(const TSubDialogCase& c, std::ostream* out) { *out << c.name; }

class MeasuresHelp : public ::testing::TestWithParam<TSubDialogCase> {};

TEST_P(MeasuresHelp, SmallButtonSitsBesideItsItem) {
  const TSubDialogCase& c = GetParam();
  TFlox03Help3Form help(nullptr);
  help.show();
  QApplication::processEvents();
  QPushButton* button = help.findChild<QPushButton*>(QString::fromLatin1(c.buttonName));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button, help.SmallButton(c.buttonIndex));
  EXPECT_EQ(button->size(), QSize(18, 15));
  EXPECT_TRUE(button->text().isEmpty());
  EXPECT_EQ(button->iconSize(), QSize(16, 3));
  EXPECT_EQ(button->icon().pixmap(QSize(16, 3)).size(), QSize(16, 3));

  const QLabel* item = nullptr;
  for (const QLabel* label : help.Labels())
    if (label->text() == Q(c.beside)) item = label;
  ASSERT_NE(item, nullptr);
  const int textRight = TextLeft(item) + item->fontMetrics().horizontalAdvance(item->text());
  EXPECT_GT(button->geometry().left(), textRight) << "after the text";
  EXPECT_LT(button->geometry().left(), textRight + 30) << "right beside it";
  EXPECT_TRUE(button->geometry().top() < item->geometry().bottom() &&
              item->geometry().top() < button->geometry().bottom())
      << "on the same row";
}

TEST_P(MeasuresHelp, SmallButtonOpensItsDialogOnTopAndFreesIt) {
  const TSubDialogCase& c = GetParam();
  TFlox03Help3Form help(nullptr);

  QPointer<QWidget> sub;
  QString subTitle;
  bool rightClass = false, ownedByHelp = false, helpStillOpen = false;
  bool backOnHelp = false;
  WhenModal([&](QWidget* modal) {
    if (modal != &help) return false;
    // Once the sub-dialog shows: note what it is, then close it.
    WhenModal([&](QWidget* top) {
      if (top == &help) return false;
      sub = top;
      subTitle = top->windowTitle();
      rightClass = c.isSpecial ? qobject_cast<TFlox03Help31Form*>(top) != nullptr
                               : qobject_cast<TFlox03Help32Form*>(top) != nullptr;
      ownedByHelp = top->parentWidget() == &help;
      helpStillOpen = help.isVisible();
      if (c.byCloseBox) {
        top->close();
      } else if (auto* form = qobject_cast<THelpForm*>(top)) {
        form->CloseButton()->click();
      }
      return true;
    });
    help.findChild<QPushButton*>(QString::fromLatin1(c.buttonName))->click();
    backOnHelp = QApplication::activeModalWidget() == &help;
    help.CloseButton()->click();
    return true;
  });
  help.exec();

  EXPECT_EQ(subTitle, Q(c.caption));
  EXPECT_TRUE(rightClass);
  EXPECT_TRUE(ownedByHelp);
  EXPECT_TRUE(helpStillOpen) << "the measures instructions stay open underneath";
  EXPECT_TRUE(backOnHelp) << "closing the sub-dialog returns to the measures instructions";
  EXPECT_TRUE(sub.isNull()) << "the sub-dialog is freed when it closes";
}

TEST_P(MeasuresHelp, EachOpeningMakesAFreshDialog) {
  const TSubDialogCase& c = GetParam();
  TFlox03Help3Form help(nullptr);
  help.show();
  for (int round = 0; round < 3; ++round) {
    QPointer<QWidget> sub;
    WhenModal([&](QWidget* top) {
      sub = top;
      top->close();
      return true;
    });
    EXPECT_EQ(help.OpenSubDialog(c.buttonIndex), QDialog::Rejected);
    EXPECT_TRUE(sub.isNull()) << "round " << round;
    EXPECT_EQ(help.findChildren<QDialog*>().size(), 0) << "nothing left behind";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Flox03, MeasuresHelp,
    ::testing::Values(
        TSubDialogCase{"SpecialByButton", 0, "BitBtn1", "2. Ειδικά προληπτικά μέτρα.",
                       "Ειδικά προληπτικά μέτρα", true, false},
        TSubDialogCase{"SpecialByCloseBox", 0, "BitBtn1", "2. Ειδικά προληπτικά μέτρα.",
                       "Ειδικά προληπτικά μέτρα", true, true},
        TSubDialogCase{"SuppressionByButton", 1, "BitBtn2", "3. Κατασταλτικά μέτρα",
                       "Κατασταλτικά μέτρα", false, false},
        TSubDialogCase{"SuppressionByCloseBox", 1, "BitBtn2", "3. Κατασταλτικά μέτρα",
                       "Κατασταλτικά μέτρα", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MeasuresHelpHandlers, NamedHandlersOpenTheirDialogsAndClose) {
  TFlox03Help3Form help(nullptr);
  help.show();
  const std::vector<std::pair<void (TFlox03Help3Form::*)(), const char*>> handlers = {
      {&TFlox03Help3Form::BitBtn1Click, "Ειδικά προληπτικά μέτρα"},
      {&TFlox03Help3Form::BitBtn2Click, "Κατασταλτικά μέτρα"},
  };
  for (const auto& [handler, caption] : handlers) {
    QString seen;
    WhenModal([&](QWidget* top) {
      seen = top->windowTitle();
      top->close();
      return true;
    });
    (help.*handler)();
    EXPECT_EQ(seen, Q(caption));
  }
  help.BitBtn3Click();
  EXPECT_FALSE(help.isVisible());
}

TEST(MeasuresHelpHandlers, OutOfRangeButtonOpensNothing) {
  TFlox03Help3Form help(nullptr);
  EXPECT_EQ(help.OpenSubDialog(-1), -1);
  EXPECT_EQ(help.OpenSubDialog(2), -1);
  EXPECT_EQ(help.SmallButton(2), nullptr);
  TFlox03Help1Form plain(nullptr);
  EXPECT_EQ(plain.OpenSubDialog(0), -1);
  EXPECT_EQ(plain.SmallButton(0), nullptr);
}

// ---------------------------------------------------------------------------
// Showing and freeing.

// A dialog whose modal run fails.
class TFailingDialog : public QDialog {
 public:
  int exec() override { throw std::runtime_error("cannot show"); }
};

TEST(ExecAndFree, FreesTheDialogAfterItCloses) {
  QPointer<QDialog> dialog = new TFlox03Help6Form(nullptr);
  WhenModal([&](QWidget* top) {
    if (top != dialog) return false;
    top->close();
    return true;
  });
  EXPECT_EQ(dlg::ExecAndFree(dialog), QDialog::Rejected);
  EXPECT_TRUE(dialog.isNull());
}

TEST(ExecAndFree, FreesTheDialogWhenShowingItFails) {
  QPointer<QDialog> dialog = new TFailingDialog;
  EXPECT_THROW(dlg::ExecAndFree(dialog), std::runtime_error);
  EXPECT_TRUE(dialog.isNull());
}

TEST(ExecAndFree, CopesWithADialogItsOwnerFreedMeanwhile) {
  auto* owner = new QWidget;
  QPointer<QDialog> dialog = new TFlox03Help2Form(owner);
  WhenModal([&](QWidget* top) {
    if (top != dialog) return false;
    top->close();
    delete owner;  // frees the dialog with it, before exec() returns
    return true;
  });
  dlg::ExecAndFree(dialog);
  EXPECT_TRUE(dialog.isNull());
}

TEST(ExecAndFree, NoDialogIsNoRun) { EXPECT_EQ(dlg::ExecAndFree(nullptr), -1); }

TEST(ShowModalHelp, CreatesOwnedDialogAndFreesIt) {
  QWidget owner;
  QPointer<QWidget> seen;
  WhenModal([&](QWidget* top) {
    seen = top;
    EXPECT_EQ(top->parentWidget(), &owner);
    EXPECT_NE(qobject_cast<TFlox03Help1Form*>(top), nullptr);
    top->close();
    return true;
  });
  dlg::ShowModalHelp<TFlox03Help1Form>(&owner);
  EXPECT_TRUE(seen.isNull());
  EXPECT_TRUE(owner.findChildren<QDialog*>().isEmpty());
}

// ---------------------------------------------------------------------------
// The generic form with the parts the general study does not use: the
// button-face panel, a plain close button, two texts on one row in two faces.

using enum dlg::TRowKind;
constexpr dlg::THelpRow kMixedRows[] = {
    {Heading, "ΤΙΤΛΟΣ"},
    {.kind = Item, .text = "ΑΡΙΘΜΟΣ:", .then = "Συμπληρώνεται από την υπηρεσία.", .thenFace = "Arial"},
    {.kind = Item, .text = "Μια πολύ μεγάλη πρόταση που δεν χωρά σε μία γραμμή ενός στενού παραθύρου "
                           "και πρέπει να αναδιπλωθεί χωρίς να κοπεί τίποτα από το κείμενό της.",
     .face = "Arial"},
    {ContinuedRight, "τέλος."},
};
constexpr dlg::THelpFormTable kMixed{
    .caption = "MixedHelp", .width = 300, .height = 260,
    .placement = dlg::TPlacement::Designed, .left = 10, .top = 20,
    .colour = dlg::TPanelColour::ButtonFace,
    .rows = kMixedRows, .closeName = "Button1", .closeKind = dlg::TCloseKind::Plain};

TEST(GenericHelpForm, ButtonFacePanelAndPlainCloseButton) {
  THelpForm form(kMixed, nullptr);
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("MixedHelp"));
  EXPECT_EQ(DominantColour(form.Panel()), form.palette().color(QPalette::Button).rgb());
  ASSERT_NE(form.findChild<QPushButton*>(QStringLiteral("Button1")), nullptr);
  EXPECT_TRUE(form.CloseButton()->icon().isNull());
  EXPECT_EQ(form.CloseButton()->text(), Q("Εξοδος"));
}

TEST(GenericHelpForm, TwoTextsShareARowInTheirOwnFaces) {
  THelpForm form(kMixed, nullptr);
  form.show();
  QApplication::processEvents();
  ASSERT_EQ(form.Labels().size(), 5);
  const QLabel* caption = form.Labels()[1];
  const QLabel* sentence = form.Labels()[2];
  EXPECT_EQ(caption->text(), Q("ΑΡΙΘΜΟΣ:"));
  EXPECT_EQ(sentence->text(), Q("Συμπληρώνεται από την υπηρεσία."));
  EXPECT_GT(sentence->geometry().left(), caption->geometry().left() + caption->fontMetrics().horizontalAdvance(caption->text()));
  EXPECT_TRUE(sentence->geometry().top() < caption->geometry().bottom() &&
              caption->geometry().top() < sentence->geometry().bottom());
  EXPECT_EQ(caption->font().family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(sentence->font().family(), QStringLiteral("Liberation Sans"));
}

TEST(GenericHelpForm, LongTextWrapsInANarrowDialogWithoutBeingCut) {
  THelpForm form(kMixed, nullptr);
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.size(), QSize(300, 260));
  const QLabel* longText = form.Labels()[3];
  EXPECT_TRUE(longText->wordWrap());
  EXPECT_GT(longText->height(), 2 * longText->fontMetrics().height()) << "spread over several lines";
  EXPECT_LE(longText->heightForWidth(longText->width()), longText->height());
  EXPECT_LE(longText->geometry().right(), form.Panel()->contentsRect().right());
  EXPECT_EQ(form.pos(), QPoint(10, 20));
}

struct TFaceCase {
  const char* designed;
  const char* screen;
};
class ScreenFontFamilyTest : public ::testing::TestWithParam<TFaceCase> {};
TEST_P(ScreenFontFamilyTest, MapsTheDesignedFace) {
  EXPECT_EQ(dlg::ScreenFontFamily(GetParam().designed), QString::fromLatin1(GetParam().screen));
}
INSTANTIATE_TEST_SUITE_P(Faces, ScreenFontFamilyTest,
                         ::testing::Values(TFaceCase{"MS Sans Serif", "Liberation Sans"},
                                           TFaceCase{"Arial", "Liberation Sans"},
                                           TFaceCase{"Times New Roman", "Liberation Serif"},
                                           TFaceCase{"Courier New", "Liberation Mono"},
                                           TFaceCase{"DejaVu Sans", "DejaVu Sans"}));

}  // namespace
