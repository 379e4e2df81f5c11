#include "configurator/fLumora9Preview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <optional>

#include "configuration/time_values.h"
#include "configurator/operator_messages.h"
#include "logging/uQzLogging.h"

namespace lumora {
namespace {
constexpr std::string_view kArea = "TfrmPreviewExecute";
}  // namespace

QString PreviewCaption(int ASbsNo, int AStoreNo) {
  return QStringLiteral("Subsidiary %1   Store %2").arg(ASbsNo).arg(AStoreNo);
}

TfrmPreview::TfrmPreview(TStoreDatabase& database, QWidget* parent)
    : QDialog(parent), DBGrid1(new QTableWidget(this)), database_(database) {
  setObjectName("frmPreview");
  resize(327, 588);
  DBGrid1->setObjectName("DBGrid1");
  // The grid keeps its margins to the window's edges as the window is resized.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->addWidget(DBGrid1);
  DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DBGrid1->setShowGrid(true);
  DBGrid1->verticalHeader()->setDefaultSectionSize(20);
  DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  DBGrid1->setAlternatingRowColors(true);
}

void TfrmPreview::Execute(int ASbsNo, int AStoreNo) {
  Log(9, "BEGIN", TagEnter, kArea);
  ShowInventory(ASbsNo, AStoreNo);
  Log(9, "END", TagExit, kArea);
}

void TfrmPreview::ShowInventory(int ASbsNo, int AStoreNo) {
  // Freed in reverse: the query, the message, then the session.
  std::optional<TSessionHold> session;
  std::unique_ptr<TWaitMessage> wait;
  std::unique_ptr<TRecordSource> query;
  try {
    wait = Messages().ShowWait(parentWidget(), QStringLiteral("Loading preview, please wait..."));
    session.emplace(database_);
    query = database_.OpenQueryOnInventory(ASbsNo, AStoreNo);
    wait->Hide();
    setWindowTitle(PreviewCaption(ASbsNo, AStoreNo));
    if (query->RecordCount() == 0) {
      Messages().ShowMessage(parentWidget(), QStringLiteral("No inventory found for that store"));
    } else {
      FillGrid(*query);
      exec();
    }
  } catch (const std::exception& error) {
    LogExc(error, kArea);
    throw;
  }
}

void TfrmPreview::FillGrid(TRecordSource& query) {
  QStringList titles;
  for (const std::string& name : query.ColumnNames()) titles << QString::fromStdString(name);
  DBGrid1->setColumnCount(static_cast<int>(titles.size()));
  DBGrid1->setHorizontalHeaderLabels(titles);
  DBGrid1->setRowCount(0);
  for (int row = 0; !query.Eof(); ++row, query.Next()) {
    DBGrid1->insertRow(row);
    for (int column = 0; column < titles.size(); ++column) {
      const QString text = QString::fromStdString(FieldValueText(query.FieldAt(column)));
      auto* item = new QTableWidgetItem(text);
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      DBGrid1->setItem(row, column, item);
    }
  }
  DBGrid1->resizeColumnsToContents();
}

void TfrmPreview::keyPressEvent(QKeyEvent* event) {
  // Esc acts when it is let go (below), not when it goes down.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfrmPreview::keyReleaseEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers held =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (event->key() == Qt::Key_Escape && held == Qt::NoModifier && !event->isAutoRepeat()) {
    reject();
    return;
  }
  QDialog::keyReleaseEvent(event);
}

}  // namespace lumora
