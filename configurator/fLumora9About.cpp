#include "configurator/fLumora9About.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

#include "configurator/product_mark.h"

namespace lumora {
namespace {

std::function<void(const QString&)>& UrlOpener() {
  static std::function<void(const QString&)> opener = [](const QString& address) {
    // A page that cannot be opened is not reported.
    QDesktopServices::openUrl(QUrl(address));
  };
  return opener;
}

QLabel* PlacedLabel(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

}  // namespace

TVersionLabels SplitVersion(const std::string& file_version) {
  TVersionLabels labels{"Version: " + file_version, std::nullopt};
  const auto build_dot = file_version.rfind('.');
  if (build_dot == std::string::npos) return labels;
  const std::string without_build = file_version.substr(0, build_dot);
  const auto release_dot = without_build.rfind('.');
  if (release_dot == std::string::npos) return labels;
  labels.version = "Version: " + without_build.substr(0, release_dot);
  labels.release = "Release: " + without_build.substr(release_dot + 1);
  return labels;
}

void TfrmLumoraAbout::SetUrlOpener(std::function<void(const QString&)> opener) {
  UrlOpener() = std::move(opener);
}

TfrmLumoraAbout::TfrmLumoraAbout(const std::string& file_version, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("frmLumoraAbout");
  setFixedSize(600, 300);

  auto* Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(0, 0, 600, 300);
  Image1->setPixmap(DrawAboutPicture(QSize(600, 300)));

  Label2 = PlacedLabel(this,
                       QStringLiteral("Orvik Software builds the connectors that keep store "
                                      "inventory flowing from the point of sale to Lumora."),
                       373, 126);
  Label2->setWordWrap(true);
  Label2->resize(213, 71);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Label3 = PlacedLabel(this, QString::fromUtf8(kMakerWebAddress), 373, 218);
  QFont link_font = Label3->font();
  link_font.setPointSize(9);
  link_font.setUnderline(true);
  Label3->setFont(link_font);
  Label3->setStyleSheet(QStringLiteral("color: blue;"));
  Label3->adjustSize();

  lblVersion = PlacedLabel(this, QString(), 373, 252);
  QFont version_font = lblVersion->font();
  version_font.setPointSize(10);
  version_font.setBold(true);
  lblVersion->setFont(version_font);
  lblRelease = PlacedLabel(this, QString(), 373, 270);

  for (QLabel* label : {Label2, Label3, lblVersion, lblRelease}) label->installEventFilter(this);
  FormCreate(file_version);
}

void TfrmLumoraAbout::FormCreate(const std::string& file_version) {
  const TVersionLabels labels = SplitVersion(file_version);
  lblVersion->setText(QString::fromStdString(labels.version));
  lblVersion->adjustSize();
  lblRelease->setVisible(labels.release.has_value());
  if (labels.release) {
    lblRelease->setText(QString::fromStdString(*labels.release));
    lblRelease->adjustSize();
  }
}

void TfrmLumoraAbout::LabelClick() { UrlOpener()(QString::fromUtf8(kMakerWebAddress)); }

bool TfrmLumoraAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    LabelClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmLumoraAbout::keyReleaseEvent(QKeyEvent* event) {
  // Any key closes the window, Esc or another; auto-repeat releases do not
  // count as a key being let go.
  if (!event->isAutoRepeat()) accept();
}

}  // namespace lumora
