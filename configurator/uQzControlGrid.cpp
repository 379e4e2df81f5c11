#include "configurator/uQzControlGrid.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>
#include <memory>

namespace lumora {
namespace {

void PaintBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

TControlPanel::TControlPanel(QWidget* parent) : QFrame(parent) {}

void TControlPanel::GridWasResized(int AGridClientWidth) { resize(AGridClientWidth, height()); }

TControlGrid::TControlGrid(QWidget* parent) : QScrollArea(parent), content_(new QWidget) {
  setWidgetResizable(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PaintBackground(content_, palette().color(QPalette::Base));
  setWidget(content_);
  UpdateContentSize();
}

TControlGrid::~TControlGrid() {
  // The rows go with the content widget; forget them first so no focus
  // change during destruction reaches a half-destroyed row.
  for (TControlPanel* panel : FPanels) panel->removeEventFilter(this);
  FPanels.clear();
  FCurrentPanel = nullptr;
}

int TControlGrid::ClientWidth() const { return viewport()->width(); }

QColor TControlGrid::GridColor() const { return content_->palette().color(QPalette::Window); }

TControlPanel* TControlGrid::AddPanel(TControlPanel* P) {
  P->setParent(content_);
  const int top = FPanels.empty() ? 1 : FPanels.back()->y() + FPanels.back()->height() + 2;
  if (FResizePanels) {
    if (!FPanels.empty() && FUniformPanelDimensions) {
      P->setGeometry(0, top, FPanels.front()->width(), FPanels.front()->height());
    } else {
      int height = 0;
      for (const QWidget* child : P->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        height = std::max(height, child->y() + child->height() + 1);
      }
      P->setGeometry(0, top, ClientWidth(), height + 2);
    }
  } else {
    P->move(0, top);
  }
  // Focus entering the row or any of its focusable controls highlights it.
  P->installEventFilter(this);
  for (QWidget* child : P->findChildren<QWidget*>()) {
    if (child->focusPolicy() != Qt::NoFocus) child->installEventFilter(this);
  }
  P->SetTag(PanelCount());
  PaintBackground(P, GridColor());
  FPanels.push_back(P);
  P->show();
  UpdateContentSize();
  return P;
}

void TControlGrid::RemovePanel(TControlPanel* P) {
  if (P == FCurrentPanel) {
    FCurrentPanel = nullptr;
    FSelected = -1;
  }
  const auto found = std::find(FPanels.begin(), FPanels.end(), P);
  if (found != FPanels.end()) Remove(static_cast<int>(found - FPanels.begin()));
}

void TControlGrid::Remove(int x) {
  if (x < 0 || x >= PanelCount()) return;
  const auto index = static_cast<std::size_t>(x);
  std::unique_ptr<TControlPanel> doomed(FPanels[index]);
  FPanels.erase(FPanels.begin() + x);
  if (doomed.get() == FCurrentPanel) {
    FCurrentPanel = nullptr;
    FSelected = -1;
  } else if (FSelected > x) {
    --FSelected;
  }
  // The rows below close the gap the removed row leaves: its height and the
  // two pixels between rows.
  const int gap = doomed->height() + 2;
  for (std::size_t i = index; i < FPanels.size(); ++i) {
    FPanels[i]->move(FPanels[i]->x(), FPanels[i]->y() - gap);
    FPanels[i]->SetTag(static_cast<int>(i));
  }
  doomed.reset();
  UpdateContentSize();
}

void TControlGrid::Clear() {
  while (!FPanels.empty()) Remove(PanelCount() - 1);
}

void TControlGrid::PanelEnter(QObject* Sender) {
  if (FCurrentPanel != nullptr) PaintBackground(FCurrentPanel, GridColor());
  auto* panel = qobject_cast<TControlPanel*>(Sender);
  if (panel == nullptr && Sender != nullptr) {
    panel = qobject_cast<TControlPanel*>(Sender->parent());
  }
  FCurrentPanel = panel;
  FSelected = -1;
  if (FCurrentPanel == nullptr) return;
  PaintBackground(FCurrentPanel, kCurrentPanelColor);
  for (int i = PanelCount() - 1; i >= 0; --i) {
    if (FPanels[static_cast<std::size_t>(i)] == FCurrentPanel) {
      FSelected = i;
      break;
    }
  }
}

bool TControlGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) PanelEnter(watched);
  return QScrollArea::eventFilter(watched, event);
}

void TControlGrid::GridResize() {
  if (!FResizePanels) return;
  const int width = ClientWidth();
  for (TControlPanel* panel : FPanels) panel->GridWasResized(width);
}

// The client width changes with the grid's size and with the vertical scroll
// bar coming or going; both show up as a resize of the viewport.
bool TControlGrid::viewportEvent(QEvent* event) {
  const bool handled = QScrollArea::viewportEvent(event);
  if (event->type() == QEvent::Resize) {
    GridResize();
    UpdateContentSize();
  }
  return handled;
}

void TControlGrid::UpdateContentSize() {
  int bottom = 0;
  for (const TControlPanel* panel : FPanels) bottom = std::max(bottom, panel->y() + panel->height());
  content_->resize(ClientWidth(), std::max(bottom + 1, viewport()->height()));
}

}  // namespace lumora
