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
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/font_faces.h"
#include "dialogs/flox03/flox03_help.h"
#include "dialogs/flox06/flox06_help.h"
#include "dialogs/flox07/flox07_help.h"
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

struct TDialogCase {
  const char* name;
  std::function<THelpForm*(QWidget*)> make;
  const char* caption;
  int width, height;
  bool centred;
  int left, top;
  const char* closeName;
  int labels;         // texts shown
  int headingPoints;  // size of the first heading
  bool ivory = true;        // the panel: light ivory, or the button face of the hotel study's dialogs
  bool bitmapClose = true;  // the close button: a picture button, or a plain one
};

void PrintTo(const TDialogCase& c, std::ostream* out) { *out << c.name; }

template <class Form>
std::function<THelpForm*(QWidget*)> Maker() {
  return [](QWidget* owner) -> THelpForm* { return new Form(owner); };
}

const char* const kGeneralCaption = "Οδηγίες συμπλήρωσης εντύπου";

const TDialogCase kDialogCases[] = {
    {"Help1", Maker<TFlox03Help1Form>(), kGeneralCaption, 537, 397, false, 179, 111, "BitBtn1", 14, 8},
    {"Help2", Maker<TFlox03Help2Form>(), kGeneralCaption, 544, 375, false, 205, 160, "BitBtn1", 15, 10},
    {"Help3", Maker<TFlox03Help3Form>(), kGeneralCaption, 544, 375, true, 0, 0, "BitBtn3", 12, 8},
    {"Help31", Maker<TFlox03Help31Form>(), "Ειδικά προληπτικά μέτρα", 544, 375, true, 0, 0, "BitBtn1", 8, 8},
    {"Help32", Maker<TFlox03Help32Form>(), "Κατασταλτικά μέτρα", 544, 375, true, 0, 0, "BitBtn1", 10, 8},
    {"Help6", Maker<TFlox03Help6Form>(), kGeneralCaption, 545, 372, false, 179, 111, "BitBtn1", 9, 8},
};

// The hotel study's three dialogs: the general study's caption instead of
// their class names, the button face, plain close buttons on the first two.
const TDialogCase kHotelCases[] = {
    {"Help1", Maker<TFlox07Help1Form>(), kGeneralCaption, 480, 318, false, 192, 106, "Button1", 10, 8, false, false},
    {"Help2", Maker<TFlox07Help2>(), kGeneralCaption, 425, 358, false, 192, 106, "Button1", 11, 8, false, false},
    {"Help3", Maker<TFlox07Help3>(), kGeneralCaption, 579, 426, false, 125, 101, "BitBtn1", 21, 8, false, true},
};

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

// Walks the dialog's table row by row against its labels: every text is
// shown once, in order, top to bottom, headings centred, continued lines
// indented past the item they continue or pushed to the right end.
TEST_P(GeneralHelpDialog, ShowsEveryTextOfItsTableInOrder) {
  const TDialogCase& c = GetParam();
  const QList<QLabel*>& labels = form->Labels();
  ASSERT_EQ(labels.size(), c.labels);
  ASSERT_EQ(form->Panel()->findChildren<QLabel*>().size(), labels.size()) << "no stray labels";
  const int panelCentre = form->Panel()->width() / 2;
  int itemLeft = -1;
  int previousTop = -1;
  bool firstHeading = true;
  qsizetype at = 0;
  for (const dlg::THelpRow& row : form->Table().rows) {
    ASSERT_LT(at, labels.size());
    const QLabel* label = labels[at++];
    SCOPED_TRACE(label->text().toStdString());
    EXPECT_EQ(label->text(), QString::fromUtf8(row.text.data(), row.text.size()));
    EXPECT_EQ(label->objectName(), QStringLiteral("Label%1").arg(at));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_GT(label->geometry().top(), previousTop) << "below the row above";
    previousTop = label->geometry().top();
    if (!row.then.empty()) {
      ASSERT_LT(at, labels.size());
      EXPECT_EQ(labels[at++]->text(), QString::fromUtf8(row.then.data(), row.then.size()));
    }
    switch (row.kind) {
      case dlg::TRowKind::Heading:
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        EXPECT_NEAR(label->geometry().center().x(), panelCentre, 2);
        if (firstHeading) {
          EXPECT_EQ(label->font().pointSize(), c.headingPoints);
        }
        firstHeading = false;
        break;
      case dlg::TRowKind::Item:
        itemLeft = TextLeft(label);
        EXPECT_EQ(label->font().pointSize(), 8);
        break;
      case dlg::TRowKind::Continued:
        ASSERT_GE(itemLeft, 0);
        EXPECT_GT(TextLeft(label), itemLeft) << "indented";
        break;
      case dlg::TRowKind::ContinuedRight:
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        EXPECT_GT(label->geometry().right() - label->fontMetrics().horizontalAdvance(label->text()),
                  form->Panel()->width() / 3)
            << "ends at the right";
        break;
    }
  }
  EXPECT_EQ(at, labels.size());
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
  EXPECT_EQ(DominantColour(panel), GetParam().ivory ? qRgb(255, 255, 240)
                                                    : (panel->palette().color(QPalette::Button).rgb() | 0xff000000u));
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
  EXPECT_EQ(close->icon().isNull(), !c.bitmapClose) << "a picture button or a plain one";
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

INSTANTIATE_TEST_SUITE_P(Flox03, GeneralHelpDialog, ::testing::ValuesIn(kDialogCases),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Flox07, GeneralHelpDialog, ::testing::ValuesIn(kHotelCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The industry study's six dialogs under the same checks.
const TDialogCase kFlox06DialogCases[] = {
    {"Help1", Maker<TFlox06Help1>(), kGeneralCaption, 537, 397, false, 179, 111, "BitBtn1", 19, 8},
    {"Help2", Maker<TFlox06Help2>(), kGeneralCaption, 544, 375, false, 205, 160, "BitBtn1", 12, 10},
    {"Help3", Maker<TFlox06Help3>(), "Οδηγίες συμπλήρωσης", 600, 375, true, 0, 0, "BitBtn1", 17, 8},
    {"Help4", Maker<TFlox06Help4>(), kGeneralCaption, 544, 375, true, 0, 0, "BitBtn3", 10, 8},
    {"Help41", Maker<TFlox06Help41>(), "Ειδικά προληπτικά μέτρα", 544, 375, true, 0, 0, "BitBtn1", 8, 8},
    {"Help42", Maker<TFlox06Help42>(), "Κατασταλτικά μέτρα", 544, 375, true, 0, 0, "BitBtn1", 10, 8},
};

INSTANTIATE_TEST_SUITE_P(Flox06, GeneralHelpDialog, ::testing::ValuesIn(kFlox06DialogCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The measures instructions and their two sub-dialogs.

struct TSubDialogCase {
  const char* name;
  std::function<THelpForm*(QWidget*)> make;  // the measures instructions
  QSize buttonSize;
  int buttonIndex;
  const char* buttonName;
  const char* beside;  // the item the button stands beside
  const char* caption;
  std::function<bool(QWidget*)> isSub;  // of the sub-dialog's class
};

template <class Form>
bool Is(QWidget* w) {
  return qobject_cast<Form*>(w) != nullptr;
}

void PrintTo(const TSubDialogCase& c, std::ostream* out) { *out << c.name; }

class MeasuresHelp : public ::testing::TestWithParam<TSubDialogCase> {};

TEST_P(MeasuresHelp, SmallButtonSitsBesideItsItem) {
  const TSubDialogCase& c = GetParam();
  std::unique_ptr<THelpForm> owned(c.make(nullptr));
  THelpForm& help = *owned;
  help.show();
  QApplication::processEvents();
  QPushButton* button = help.findChild<QPushButton*>(QString::fromLatin1(c.buttonName));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button, help.SmallButton(c.buttonIndex));
  EXPECT_EQ(button->size(), c.buttonSize);
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

// The whole stack: the measures instructions run modally, the small button
// opens the sub-dialog on top, closing it (by its button or its close box)
// returns to the measures instructions, which then close.
TEST_P(MeasuresHelp, SmallButtonOpensItsDialogOnTopAndFreesIt) {
  const TSubDialogCase& c = GetParam();
  for (bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox ? "close box" : "close button");
    std::unique_ptr<THelpForm> owned(c.make(nullptr));
    THelpForm& help = *owned;
    QPointer<QWidget> sub;
    QString subTitle;
    bool rightClass = false, ownedByHelp = false, helpStillOpen = false, backOnHelp = false;
    WhenModal([&](QWidget* modal) {
      if (modal != &help) return false;
      WhenModal([&](QWidget* top) {
        if (top == &help) return false;
        sub = top;
        subTitle = top->windowTitle();
        rightClass = c.isSub(top);
        ownedByHelp = top->parentWidget() == &help;
        helpStillOpen = help.isVisible();
        auto* form = qobject_cast<THelpForm*>(top);
        if (byCloseBox || !form)
          top->close();
        else
          form->CloseButton()->click();
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
}

// Through a click on the named button too; every opening makes a fresh dialog
// and leaves nothing behind.
TEST_P(MeasuresHelp, EachOpeningMakesAFreshDialog) {
  const TSubDialogCase& c = GetParam();
  std::unique_ptr<THelpForm> owned(c.make(nullptr));
  THelpForm& help = *owned;
  help.show();
  for (int round = 0; round < 3; ++round) {
    QPointer<QWidget> sub;
    bool opened = false;
    WhenModal([&](QWidget* top) {
      sub = top;
      opened = true;
      EXPECT_EQ(top->windowTitle(), Q(c.caption));
      top->close();
      return true;
    });
    QPushButton* button = help.findChild<QPushButton*>(QString::fromLatin1(c.buttonName));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(opened) << "round " << round;
    EXPECT_TRUE(sub.isNull()) << "round " << round;
    EXPECT_EQ(help.findChildren<QDialog*>().size(), 0) << "nothing left behind";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Flox03, MeasuresHelp,
    ::testing::Values(
        TSubDialogCase{"Special", Maker<TFlox03Help3Form>(), QSize(18, 15), 0, "BitBtn1",
                       "2. Ειδικά προληπτικά μέτρα.", "Ειδικά προληπτικά μέτρα", Is<TFlox03Help31Form>},
        TSubDialogCase{"Suppression", Maker<TFlox03Help3Form>(), QSize(18, 15), 1, "BitBtn2",
                       "3. Κατασταλτικά μέτρα", "Κατασταλτικά μέτρα", Is<TFlox03Help32Form>}),
    [](const auto& info) { return std::string(info.param.name); });

// The industry study's measures instructions open theirs the same way.
INSTANTIATE_TEST_SUITE_P(
    Flox06, MeasuresHelp,
    ::testing::Values(
        TSubDialogCase{"Special", Maker<TFlox06Help4>(), QSize(20, 15), 0, "BitBtn1",
                       "2. Ειδικά προληπτικά μέτρα.", "Ειδικά προληπτικά μέτρα", Is<TFlox06Help41>},
        TSubDialogCase{"Suppression", Maker<TFlox06Help4>(), QSize(20, 15), 1, "BitBtn2",
                       "3. Κατασταλτικά μέτρα", "Κατασταλτικά μέτρα", Is<TFlox06Help42>}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(ExecAndFree, FreesTheDialogWhenShowingItFails) {
  QPointer<QDialog> dialog = new TFailingDialog;
  EXPECT_THROW(dlg::ExecAndFree(dialog), std::runtime_error);
  EXPECT_TRUE(dialog.isNull());
  EXPECT_EQ(dlg::ExecAndFree(nullptr), -1);
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
    {.kind = Item, .text = "ΑΡΙΘΜΟΣ:", .then = "Συμπληρώνεται από την υπηρεσία.", .thenFace = "Times New Roman"},
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

class GenericHelpForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    QApplication::processEvents();
  }
  THelpForm form{kMixed, nullptr};
};

TEST_F(GenericHelpForm, ButtonFacePanelPlainCloseButtonAndTwoTextsOnARow) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("MixedHelp"));
  EXPECT_EQ(form.pos(), QPoint(10, 20));
  EXPECT_EQ(DominantColour(form.Panel()), form.palette().color(QPalette::Button).rgb());
  EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("Button1")), form.CloseButton());
  EXPECT_TRUE(form.CloseButton()->icon().isNull()) << "a plain button";

  ASSERT_EQ(form.Labels().size(), 5);
  const QLabel* caption = form.Labels()[1];
  const QLabel* sentence = form.Labels()[2];
  EXPECT_EQ(caption->text(), Q("ΑΡΙΘΜΟΣ:"));
  EXPECT_EQ(sentence->text(), Q("Συμπληρώνεται από την υπηρεσία."));
  EXPECT_GT(sentence->geometry().left(),
            caption->geometry().left() + caption->fontMetrics().horizontalAdvance(caption->text()));
  EXPECT_TRUE(sentence->geometry().top() < caption->geometry().bottom() &&
              caption->geometry().top() < sentence->geometry().bottom())
      << "on the same row";
  EXPECT_EQ(caption->font().family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(sentence->font().family(), QStringLiteral("Liberation Serif"));
}

TEST_F(GenericHelpForm, LongTextWrapsInANarrowDialogWithoutBeingCut) {
  EXPECT_EQ(form.size(), QSize(300, 260));
  const QLabel* longText = form.Labels()[3];
  EXPECT_GT(longText->height(), 2 * longText->fontMetrics().height()) << "spread over several lines";
  EXPECT_LE(longText->heightForWidth(longText->width()), longText->height());
  EXPECT_LE(longText->geometry().right(), form.Panel()->contentsRect().right());
}

TEST_F(GenericHelpForm, ASmallWindowScrollsItsTextsInsteadOfCuttingThem) {
  form.resize(220, 120);
  QApplication::processEvents();
  auto* scroll = form.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
  for (const QLabel* label : form.Labels()) {
    SCOPED_TRACE(label->text().toStdString());
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height());
    } else {
      EXPECT_LE(label->sizeHint().width(), label->width());
    }
    EXPECT_LE(label->geometry().right(), form.Panel()->contentsRect().right() + 1);
  }
  // Scrolled to the end, the close button is in sight.
  scroll->ensureWidgetVisible(form.CloseButton());
  QApplication::processEvents();
  const QRect close(form.CloseButton()->mapTo(scroll->viewport(), QPoint(0, 0)), form.CloseButton()->size());
  EXPECT_TRUE(scroll->viewport()->rect().contains(close));
}

TEST(HelpFormFaces, DesignedMapToTheirLiberationCounterparts) {
  const std::pair<const char*, const char*> faces[] = {
      {"MS Sans Serif", "Liberation Sans"}, {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"},
      {"DejaVu Sans", "DejaVu Sans"}};
  for (const auto& [designed, screen] : faces)
    EXPECT_EQ(platform::ScreenFontFamily(designed), QString::fromLatin1(screen)) << designed;
}

}  // namespace
