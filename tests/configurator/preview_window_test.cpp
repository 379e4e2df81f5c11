#include "configurator/fLumora9Preview.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTimer>

#include "tests/configurator/qt_test_support.h"

namespace lumora {
namespace {

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    database_.inventory[{2, 15}] = test::TTable{
        {"ITEM_SID", "UPC", "LOCAL_UPC", "OHQTY", "COMMITTEDQTY", "AVAILQTY"},
        {{DbValue::DriverText("1001"), DbValue::DriverText("012345678905"),
          DbValue::DriverText("012345678905"), DbValue::Float(12), DbValue::Float(2.5),
          DbValue::Float(9.5)},
         {DbValue::DriverText("1002"), DbValue::DriverText("036000291452"), DbValue::Null(),
          DbValue::Float(0), DbValue::Float(0), DbValue::Float(0)}}};
  }
  test::TRecordingMessages messages_;
  test::TFakeStoreDatabase database_;
};

TEST_F(PreviewTest, ShowsTheQueryColumnsReadOnlyUnderItsCaption) {
  TfrmPreview preview(database_);
  QString caption;
  int rows = 0;
  std::vector<std::string> titles;
  bool editable = true;
  std::vector<std::string> events_while_shown;
  QTimer::singleShot(0, &preview, [&] {
    caption = preview.windowTitle();
    rows = preview.DBGrid1->rowCount();
    for (int c = 0; c < preview.DBGrid1->columnCount(); ++c) {
      titles.push_back(preview.DBGrid1->horizontalHeaderItem(c)->text().toStdString());
    }
    editable = (preview.DBGrid1->item(0, 3)->flags() & Qt::ItemIsEditable) != 0;
    events_while_shown = messages_.events;
    preview.reject();
  });
  preview.Execute(2, 15);
  EXPECT_EQ(caption.toStdString(), "Subsidiary 2   Store 15");
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(titles, (std::vector<std::string>{"ITEM_SID", "UPC", "LOCAL_UPC", "OHQTY",
                                              "COMMITTEDQTY", "AVAILQTY"}));
  EXPECT_FALSE(editable);
  EXPECT_EQ(events_while_shown,
            (std::vector<std::string>{"wait: Loading preview, please wait...", "wait hidden"}));
  EXPECT_EQ(database_.sessions_held, 0);
}

TEST_F(PreviewTest, StoreWithoutInventoryShowsTheMessageAndNoGrid) {
  TfrmPreview preview(database_);
  preview.Execute(-999, 3);
  EXPECT_FALSE(preview.isVisible());
  EXPECT_EQ(messages_.events,
            (std::vector<std::string>{"wait: Loading preview, please wait...", "wait hidden",
                                      "message: No inventory found for that store"}));
  EXPECT_EQ(database_.sessions_held, 0);
}

TEST_F(PreviewTest, EscapeClosesButNotWithShift) {
  TfrmPreview preview(database_);
  int escapes_survived = -1;
  QTimer::singleShot(0, &preview, [&] {
    auto send = [&](Qt::KeyboardModifiers modifiers) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, modifiers);
      QCoreApplication::sendEvent(preview.DBGrid1, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, modifiers);
      QCoreApplication::sendEvent(preview.DBGrid1, &release);
    };
    send(Qt::ShiftModifier);
    escapes_survived = preview.isVisible() ? 1 : 0;
    send(Qt::NoModifier);
  });
  preview.Execute(2, 15);
  EXPECT_EQ(escapes_survived, 1);
  EXPECT_FALSE(preview.isVisible());
}

TEST_F(PreviewTest, DatabaseErrorReleasesNothingItDidNotTakeAndGoesOn) {
  database_.fail_session = true;
  TfrmPreview preview(database_);
  EXPECT_THROW(preview.Execute(2, 15), std::exception);
  EXPECT_EQ(database_.sessions_held, 0);
  EXPECT_FALSE(messages_.wait_visible);
}

}  // namespace
}  // namespace lumora
