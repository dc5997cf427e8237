// The help dialogs: every family's help dialogs walked from their tables
// (captions, sizes, positions, every text in order, the panel, nothing
// clipped, closing, the small buttons and the dialogs they open) and the
// generic table-driven help form under them.
#include <QApplication>
#include <QFontDatabase>
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
#include <set>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/font_faces.h"
#include "dialogs/flox03/flox03_help.h"
#include "dialogs/help_form.h"
#include "entry/study_families.h"

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
// Every help dialog of every family, walked from the family table: the help
// of each tab and the dialogs their small buttons open.

struct THelpCase {
  std::string name;
  const dlg::THelpFormTable* table;
};

void PrintTo(const THelpCase& c, std::ostream* out) { *out << c.name; }

std::vector<THelpCase> AllHelp() {
  std::vector<THelpCase> all;
  std::set<const dlg::THelpFormTable*> seen;
  std::function<void(const std::string&, const dlg::THelpFormTable*)> add = [&](const std::string& name,
                                                                               const dlg::THelpFormTable* table) {
    if (table == nullptr || !seen.insert(table).second) return;
    all.push_back({name, table});
    for (std::size_t b = 0; b < table->buttons.size(); ++b) add(name + "Button" + std::to_string(b), table->buttons[b].opens);
  };
  for (const TStudyFamily& family : StudyFamilies()) {
    std::string prefix = family.name;
    std::erase(prefix, ' ');
    for (std::size_t t = 0; t < family.dialog.tabs.size(); ++t) add(prefix + "_Tab" + std::to_string(t), family.dialog.tabs[t].help);
  }
  return all;
}

std::string HelpName(const testing::TestParamInfo<THelpCase>& info) { return info.param.name; }

class GeneralHelpDialog : public ::testing::TestWithParam<THelpCase> {
 protected:
  const dlg::THelpFormTable& Table() const { return *GetParam().table; }
  void SetUp() override {
    form = std::make_unique<THelpForm>(Table(), nullptr);
    form->show();
    QApplication::processEvents();
  }
  void TearDown() override { form.reset(); }

  std::unique_ptr<THelpForm> form;
};

TEST_P(GeneralHelpDialog, CaptionSizeAndPosition) {
  const dlg::THelpFormTable& t = Table();
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8(t.caption.data(), static_cast<qsizetype>(t.caption.size())));
  // The layout may not have grown the dialog: everything fits the design size.
  EXPECT_EQ(form->size(), QSize(t.width, t.height));
  if (t.placement == dlg::TPlacement::ScreenCentre) {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->pos(), QPoint(desktop.x() + (desktop.width() - t.width) / 2,
                                  desktop.y() + (desktop.height() - t.height) / 2));
  } else {
    EXPECT_EQ(form->pos(), QPoint(t.left, t.top));
  }
  EXPECT_GT(form->maximumSize().width(), t.width) << "the dialog keeps the ordinary sizeable border";
}

// Walks the dialog's table row by row against its labels: every text is
// shown once, in order, top to bottom, headings centred, continued lines
// indented past the item they continue or pushed to the right end.
TEST_P(GeneralHelpDialog, ShowsEveryTextOfItsTableInOrder) {
  const QList<QLabel*>& labels = form->Labels();
  qsizetype texts = 0;
  for (const dlg::THelpRow& row : Table().rows) texts += row.then.empty() ? 1 : 2;
  ASSERT_EQ(labels.size(), texts);
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
          EXPECT_EQ(label->font().pointSize(), row.pointSize > 0 ? row.pointSize : Table().pointSize);
        }
        firstHeading = false;
        break;
      case dlg::TRowKind::Item:
        itemLeft = TextLeft(label);
        EXPECT_EQ(label->font().pointSize(), row.pointSize > 0 ? row.pointSize : Table().pointSize);
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
  EXPECT_EQ(DominantColour(panel), Table().colour == dlg::TPanelColour::Ivory
                                       ? qRgb(255, 255, 240)
                                       : (panel->palette().color(QPalette::Button).rgb() | 0xff000000u));
  EXPECT_EQ(form->font().family(), platform::ScreenFontFamily(Table().face));
  EXPECT_EQ(form->font().pointSize(), Table().pointSize);
}

TEST_P(GeneralHelpDialog, CloseButtonAndCloseBoxEndTheModalRun) {
  QPushButton* close = form->CloseButton();
  ASSERT_NE(close, nullptr);
  const QString name = QString::fromLatin1(Table().closeName.data(), static_cast<qsizetype>(Table().closeName.size()));
  EXPECT_EQ(close->objectName(), name);
  EXPECT_EQ(form->findChild<QPushButton*>(name), close);
  EXPECT_EQ(close->text(), Q("Εξοδος"));
  EXPECT_EQ(close->icon().isNull(), Table().closeKind == dlg::TCloseKind::Plain) << "a picture button or a plain one";
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

INSTANTIATE_TEST_SUITE_P(Families, GeneralHelpDialog, ::testing::ValuesIn(AllHelp()), HelpName);

// ---------------------------------------------------------------------------
// The measures instructions and their two sub-dialogs.

// A small button of a help dialog and the dialog it opens.
struct TSubDialogCase {
  std::string name;
  const dlg::THelpFormTable* table;  // the dialog that has the button
  int buttonIndex;
  const dlg::THelpButton& Button() const { return table->buttons[static_cast<std::size_t>(buttonIndex)]; }
  QString ButtonName() const { return QString::fromLatin1(Button().name.data(), static_cast<qsizetype>(Button().name.size())); }
  // The text of the row the button stands on.
  QString Beside() const {
    for (const dlg::THelpRow& row : table->rows) {
      if (row.button == buttonIndex) return QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
    }
    return {};
  }
  QString Caption() const {
    const std::string_view c = Button().opens->caption;
    return QString::fromUtf8(c.data(), static_cast<qsizetype>(c.size()));
  }
};

std::vector<TSubDialogCase> AllSmallButtons() {
  std::vector<TSubDialogCase> all;
  for (const THelpCase& help : AllHelp()) {
    for (std::size_t b = 0; b < help.table->buttons.size(); ++b) {
      all.push_back({help.name + "Button" + std::to_string(b), help.table, static_cast<int>(b)});
    }
  }
  return all;
}

void PrintTo(const TSubDialogCase& c, std::ostream* out) { *out << c.name; }

class MeasuresHelp : public ::testing::TestWithParam<TSubDialogCase> {};

TEST_P(MeasuresHelp, SmallButtonSitsBesideItsItem) {
  const TSubDialogCase& c = GetParam();
  THelpForm help(*c.table, nullptr);
  help.show();
  QApplication::processEvents();
  QPushButton* button = help.findChild<QPushButton*>(c.ButtonName());
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button, help.SmallButton(c.buttonIndex));
  EXPECT_EQ(button->size(), QSize(c.Button().width, c.Button().height));
  EXPECT_TRUE(button->text().isEmpty());
  EXPECT_EQ(button->iconSize(), QSize(16, 3));
  EXPECT_EQ(button->icon().pixmap(QSize(16, 3)).size(), QSize(16, 3));

  const QLabel* item = nullptr;
  for (const QLabel* label : help.Labels())
    if (label->text() == c.Beside()) item = label;
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
    THelpForm help(*c.table, nullptr);
    QPointer<QWidget> sub;
    QString subTitle;
    bool rightClass = false, ownedByHelp = false, helpStillOpen = false, backOnHelp = false;
    WhenModal([&](QWidget* modal) {
      if (modal != &help) return false;
      WhenModal([&](QWidget* top) {
        if (top == &help) return false;
        sub = top;
        subTitle = top->windowTitle();
        auto* form = qobject_cast<THelpForm*>(top);
        rightClass = form != nullptr && &form->Table() == c.Button().opens;
        ownedByHelp = top->parentWidget() == &help;
        helpStillOpen = help.isVisible();
        if (byCloseBox || !form)
          top->close();
        else
          form->CloseButton()->click();
        return true;
      });
      help.findChild<QPushButton*>(c.ButtonName())->click();
      backOnHelp = QApplication::activeModalWidget() == &help;
      help.CloseButton()->click();
      return true;
    });
    help.exec();

    EXPECT_EQ(subTitle, c.Caption());
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
  THelpForm help(*c.table, nullptr);
  help.show();
  for (int round = 0; round < 3; ++round) {
    QPointer<QWidget> sub;
    bool opened = false;
    WhenModal([&](QWidget* top) {
      sub = top;
      opened = true;
      EXPECT_EQ(top->windowTitle(), c.Caption());
      top->close();
      return true;
    });
    QPushButton* button = help.findChild<QPushButton*>(c.ButtonName());
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(opened) << "round " << round;
    EXPECT_TRUE(sub.isNull()) << "round " << round;
    EXPECT_EQ(help.findChildren<QDialog*>().size(), 0) << "nothing left behind";
  }
}

INSTANTIATE_TEST_SUITE_P(Families, MeasuresHelp, ::testing::ValuesIn(AllSmallButtons()),
                         [](const auto& info) { return info.param.name; });

TEST(MeasuresHelpHandlers, OutOfRangeButtonOpensNothing) {
  THelpForm help(flox03::kHelp3, nullptr);
  EXPECT_EQ(help.OpenSubDialog(-1), -1);
  EXPECT_EQ(help.OpenSubDialog(2), -1);
  EXPECT_EQ(help.SmallButton(2), nullptr);
  THelpForm plain(flox03::kHelp1, nullptr);
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
  QPointer<QDialog> dialog = new THelpForm(flox03::kHelp2, owner);
  WhenModal([&](QWidget* top) {
    if (top != dialog) return false;
    top->close();
    delete owner;  // frees the dialog with it, before exec() returns
    return true;
  });
  dlg::ExecAndFree(dialog);
  EXPECT_TRUE(dialog.isNull());
}


TEST(ShowHelp, CreatesTheTablesDialogOwnedAndFreesIt) {
  QWidget owner;
  QPointer<QWidget> seen;
  WhenModal([&](QWidget* top) {
    seen = top;
    EXPECT_EQ(top->parentWidget(), &owner);
    auto* help = qobject_cast<THelpForm*>(top);
    EXPECT_TRUE(help != nullptr && &help->Table() == &flox03::kHelp1);
    top->close();
    return true;
  });
  dlg::ShowHelp(flox03::kHelp1, &owner);
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
      {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};
  for (const auto& [designed, screen] : faces)
    EXPECT_EQ(platform::ScreenFontFamily(designed), QString::fromLatin1(screen)) << designed;
  // Any other face stays itself where it is installed, else Liberation Sans.
  const QString other = QStringLiteral("DejaVu Sans");
  EXPECT_EQ(platform::ScreenFontFamily("DejaVu Sans"),
            QFontDatabase::hasFamily(other) ? other : QStringLiteral("Liberation Sans"));
}

}  // namespace
