#include "configurator/fLumora9About.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "tests/configurator/qt_test_support.h"

namespace lumora {
namespace {

TEST(AboutVersion, SplitsVersionAndRelease) {
  struct Row {
    const char* file_version;
    const char* version;
    const char* release;  // nullptr: the release label is hidden
  } const rows[] = {
      {.file_version = "1.2.4.4", .version = "Version: 1.2", .release = "Release: 4"},
      {.file_version = "10.20.30.40", .version = "Version: 10.20", .release = "Release: 30"},
      {.file_version = "", .version = "Version: ", .release = nullptr},
      {.file_version = "1.2", .version = "Version: 1.2", .release = nullptr},
      {.file_version = "1.2.3", .version = "Version: 1", .release = "Release: 2"},
  };
  for (const Row& row : rows) {
    const TVersionLabels labels = SplitVersion(row.file_version);
    EXPECT_EQ(labels.version, row.version) << row.file_version;
    EXPECT_EQ(labels.release.has_value(), row.release != nullptr) << row.file_version;
    if (row.release && labels.release) {
      EXPECT_EQ(*labels.release, row.release) << row.file_version;
    }
  }
}

class AboutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    TfrmLumoraAbout::SetUrlOpener([this](const QString& url) { opened_.push_back(url); });
  }
  void TearDown() override { TfrmLumoraAbout::SetUrlOpener(nullptr); }
  std::vector<QString> opened_;
};

TEST_F(AboutWindowTest, ShowsTheSplitVersionOfTheProgram) {
  TfrmLumoraAbout about("1.2.4.4");
  EXPECT_EQ(about.lblVersion->text().toStdString(), "Version: 1.2");
  EXPECT_EQ(about.lblRelease->text().toStdString(), "Release: 4");
  EXPECT_TRUE(about.lblRelease->isVisibleTo(&about));
  TfrmLumoraAbout unversioned("");
  EXPECT_FALSE(unversioned.lblRelease->isVisibleTo(&unversioned));
}

TEST_F(AboutWindowTest, AnyKeyReleasedClosesIt) {
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_A, Qt::Key_Space}) {
    TfrmLumoraAbout about("1.2.4.4");
    QTimer::singleShot(0, &about, [&about, key] {
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
      QCoreApplication::sendEvent(&about, &release);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted) << "key " << key;
  }
}

TEST_F(AboutWindowTest, LabelsOpenTheMakersPageButThePictureDoesNot) {
  TfrmLumoraAbout about("1.2.4.4");
  about.show();
  auto click = [](QWidget* target) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
  };
  click(about.findChild<QLabel*>("Image1"));
  EXPECT_TRUE(opened_.empty());
  click(about.Label3);
  click(about.lblVersion);
  ASSERT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[0].toStdString(), kMakerWebAddress);
  EXPECT_TRUE(about.isVisible());
}

}  // namespace
}  // namespace lumora
