#pragma once

// The About window: the product picture, a word about the maker, the maker's
// web address and the program's version.

#include <QDialog>
#include <QLabel>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace lumora {

// The maker's web page, opened from the About window.
inline constexpr const char* kMakerWebAddress = "https://www.lumora.example";

// The version labels' texts for a four-part file version: "1.2.4.4" gives
// "Version: 1.2" and "Release: 4"; a version without enough parts keeps the
// whole text and has no release.
struct TVersionLabels {
  std::string version;
  std::optional<std::string> release;
};
TVersionLabels SplitVersion(const std::string& file_version);

// The borderless About window, closed by any key.
class TfrmLumoraAbout : public QDialog {
  Q_OBJECT

 public:
  // `file_version` is the program's FileVersionText.
  explicit TfrmLumoraAbout(const std::string& file_version, QWidget* parent = nullptr);

  QLabel* Label2;
  QLabel* Label3;
  QLabel* lblVersion;
  QLabel* lblRelease;

  // Replaces how the web page is opened (the default browser); for tests.
  static void SetUrlOpener(std::function<void(const QString&)> opener);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate(const std::string& file_version);
  void LabelClick();
};

}  // namespace lumora
