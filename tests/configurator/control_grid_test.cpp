#include "configurator/uQzControlGrid.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "configurator/client_id_panel.h"
#include "tests/configurator/qt_test_support.h"

namespace lumora {
namespace {

class ControlGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    grid_.resize(555, 341);
    grid_.show();
  }
  TClientIDPanel* AddRow(int store) {
    auto* row = new TClientIDPanel("1", "Main", QString::number(store), "S" + QString::number(store),
                                   "Store", "");
    grid_.AddPanel(row);
    return row;
  }
  QApplication& app_ = test::App();  // before any widget
  TControlGrid grid_;
};

TEST_F(ControlGridTest, RowsStackWithTwoPixelsBetweenAndTakeTheFirstRowsSize) {
  for (int store = 1; store <= 4; ++store) AddRow(store);
  const TControlPanel* first = grid_.GetPanel(0);
  EXPECT_EQ(first->width(), grid_.ClientWidth());
  EXPECT_GT(first->height(), 17);
  for (int n = 0; n < grid_.PanelCount(); ++n) {
    const TControlPanel* row = grid_.GetPanel(n);
    EXPECT_EQ(row->y(), 1 + n * (first->height() + 2)) << "row " << n;
    EXPECT_EQ(row->size(), first->size()) << "row " << n;
    EXPECT_EQ(row->Tag(), n) << "row " << n;
  }
}

TEST_F(ControlGridTest, WideningTheGridWidensEveryRow) {
  for (int store = 1; store <= 3; ++store) AddRow(store);
  grid_.resize(800, 341);
  QCoreApplication::processEvents();
  for (int n = 0; n < grid_.PanelCount(); ++n) {
    EXPECT_EQ(grid_.GetPanel(n)->width(), grid_.ClientWidth()) << "row " << n;
  }
  EXPECT_GT(grid_.ClientWidth(), 700);
}

TEST_F(ControlGridTest, FocusHighlightsTheRowAndRestoresThePreviousOne) {
  std::vector<TClientIDPanel*> rows;
  for (int store = 1; store <= 4; ++store) rows.push_back(AddRow(store));
  grid_.activateWindow();
  rows[1]->edtClientID->setFocus();
  QCoreApplication::processEvents();
  rows[3]->edtClientID->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(grid_.CurrentPanel(), rows[3]);
  EXPECT_EQ(grid_.Selected(), 3);
  EXPECT_EQ(rows[3]->palette().color(QPalette::Window), kCurrentPanelColor);
  EXPECT_EQ(rows[1]->palette().color(QPalette::Window), grid_.GridColor());
}

TEST_F(ControlGridTest, RemovingARowClosesTheGapAndForgetsTheHighlight) {
  std::vector<TClientIDPanel*> rows;
  for (int store = 1; store <= 3; ++store) rows.push_back(AddRow(store));
  const int pitch = rows[0]->height() + 2;
  grid_.activateWindow();
  rows[1]->edtClientID->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(grid_.Selected(), 1);
  grid_.RemovePanel(rows[1]);
  ASSERT_EQ(grid_.PanelCount(), 2);
  EXPECT_EQ(grid_.CurrentPanel(), nullptr);
  EXPECT_EQ(grid_.Selected(), -1);
  EXPECT_EQ(grid_.GetPanel(1), rows[2]);
  EXPECT_EQ(rows[2]->y(), 1 + pitch);
  grid_.Clear();
  EXPECT_EQ(grid_.PanelCount(), 0);
}

}  // namespace
}  // namespace lumora
