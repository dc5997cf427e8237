// The shared report page instances: a form of a class is the current one of
// that class from its construction until it is freed, whoever creates it.
#include <vector>

#include <gtest/gtest.h>

#include "report/flox03/flox03_report.h"

namespace {

template <class Form>
void ExpectSharedInstanceLifecycle(Form*& instance) {
  ASSERT_EQ(instance, nullptr);
  {
    Form first;
    EXPECT_EQ(instance, &first);
    {
      // A second form of the class replaces the first while it lives...
      Form second;
      EXPECT_EQ(instance, &second);
    }
    // ...and freeing it leaves no reference to it behind.
    EXPECT_EQ(instance, nullptr);
    Form third;
    EXPECT_EQ(instance, &third);
    {
      auto* other = new Form();
      instance = &third;  // someone made the third current again
      delete other;       // freeing a form that is not current leaves the current one alone
      EXPECT_EQ(instance, &third);
    }
  }
  EXPECT_EQ(instance, nullptr);
}

TEST(SharedInstances, EachFormClassHasItsCurrentFormFromCreationToFreeing) {
  ExpectSharedInstanceLifecycle(Flox03Page1Preview);
  ExpectSharedInstanceLifecycle(Flox03Page2Preview);
  ExpectSharedInstanceLifecycle(Flox03Page3Preview);
  ExpectSharedInstanceLifecycle(Flox03Page4Preview);
  ExpectSharedInstanceLifecycle(Flox03Page5Preview);
  ExpectSharedInstanceLifecycle(Flox03Page6Preview);
  ExpectSharedInstanceLifecycle(Flox03Page7aPreview);
  ExpectSharedInstanceLifecycle(Flox03Page7bPreview);
}

TEST(SharedInstances, TheCompositeReportNeedsItsPageForms) {
  TFlox03Report report;
  TFlox03Pg1Data r1;
  TFlox03Pg2Data r2;
  TFlox03Pg3Data r3;
  TFlox03Pg4Data r4;
  TFlox03Pg5Data r5;
  TFlox03Pg6Data r6;
  // Without its page forms the composite report refuses, with a reason, instead of failing on a null form.
  const std::vector<TPageRecord*> records = {&r1, &r2, &r3, &r4, &r5, &r6};
  EXPECT_THROW(report.FillPages(records, 1), std::logic_error);
  qr::TQRCompositeReport sender;
  report.StudyType = 2;
  EXPECT_THROW(report.QRCompositeReport1AddReports(sender), std::logic_error);
}

}  // namespace
