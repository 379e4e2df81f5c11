#pragma once

// A scrolling container of uniform rows: each row is a panel of controls,
// stacked under the previous one, sized to the grid, and highlighted while
// the focus is inside it.

#include <QFrame>
#include <QScrollArea>
#include <vector>

namespace lumora {

// One row of a TControlGrid.
class TControlPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TControlPanel(QWidget* parent = nullptr);

  // Called when the grid's client width changes; rows follow it by default.
  virtual void GridWasResized(int AGridClientWidth);

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

 private:
  int tag_ = 0;
};

// The grid. It owns its rows (as their Qt parent) and destroys them.
class TControlGrid : public QScrollArea {
  Q_OBJECT

 public:
  explicit TControlGrid(QWidget* parent = nullptr);
  ~TControlGrid() override;

  // Places, sizes and appends the row; the grid takes it over.
  TControlPanel* AddPanel(TControlPanel* P);
  void RemovePanel(TControlPanel* P);
  // Removes and destroys row `x`; the rows below move up.
  void Remove(int x);
  void Clear();

  TControlPanel* GetPanel(int x) const { return FPanels.at(static_cast<std::size_t>(x)); }
  TControlPanel* Panels(int x) const { return GetPanel(x); }
  int PanelCount() const { return static_cast<int>(FPanels.size()); }
  TControlPanel* CurrentPanel() const { return FCurrentPanel; }
  int Selected() const { return FSelected; }

  bool ResizePanels() const { return FResizePanels; }
  void SetResizePanels(bool value) { FResizePanels = value; }
  bool UniformPanelDimensions() const { return FUniformPanelDimensions; }
  void SetUniformPanelDimensions(bool value) { FUniformPanelDimensions = value; }

  // The width rows take: the visible width inside the frame.
  int ClientWidth() const;
  // The colour rows return to when they lose the highlight.
  QColor GridColor() const;

 protected:
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PanelEnter(QObject* Sender);
  void GridResize();
  void UpdateContentSize();

  QWidget* content_;
  std::vector<TControlPanel*> FPanels;  // display order; owned as Qt children
  TControlPanel* FCurrentPanel = nullptr;
  bool FResizePanels = true;
  bool FUniformPanelDimensions = true;
  int FSelected = -1;
};

// The highlight of the current row: aqua.
inline const QColor kCurrentPanelColor{0, 255, 255};

}  // namespace lumora
