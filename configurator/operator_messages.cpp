#include "configurator/operator_messages.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

namespace lumora {
namespace {

// A small framed note centred over its parent, painted at once because the
// GUI thread is about to be busy.
class TWaitBox final : public TWaitMessage {
 public:
  TWaitBox(QWidget* parent, const QString& text)
      : frame_(std::make_unique<QFrame>(parent, Qt::Tool | Qt::FramelessWindowHint)) {
    frame_->setFrameShape(QFrame::Box);
    frame_->setWindowTitle(QString::fromUtf8(kProgramTitle));
    auto* layout = new QVBoxLayout(frame_.get());
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(new QLabel(text, frame_.get()));
    frame_->adjustSize();
    if (parent != nullptr) {
      const QPoint centre = parent->mapToGlobal(parent->rect().center());
      frame_->move(centre - frame_->rect().center());
    }
    frame_->show();
    frame_->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  void Hide() override { frame_->hide(); }

 private:
  std::unique_ptr<QFrame> frame_;
};

class TMessageBoxes final : public TOperatorMessages {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, QString::fromUtf8(kProgramTitle), text);
  }
  void ShowError(QWidget* parent, const QString& text) override {
    QMessageBox::critical(parent, QString::fromUtf8(kProgramTitle), text);
  }
  std::unique_ptr<TWaitMessage> ShowWait(QWidget* parent, const QString& text) override {
    return std::make_unique<TWaitBox>(parent, text);
  }
};

TOperatorMessages* installed = nullptr;

}  // namespace

TOperatorMessages& Messages() {
  static TMessageBoxes boxes;
  return installed != nullptr ? *installed : boxes;
}

void SetMessages(TOperatorMessages* messages) { installed = messages; }

}  // namespace lumora
