// The "Дополнительные поля" group of the zone, connection and template
// dialogs: a two-column table of a KeptCellsForm, the header names read-only
// and the texts editable. Its editor takes only what Windows-1251 can hold.
#pragma once

#include "dialogs/kept_cells_logic.h"

#include <QGroupBox>

class QTableWidget;

namespace zw {

class KeptCellsTable : public QGroupBox {
    Q_OBJECT
  public:
    KeptCellsTable(KeptCellsForm& form, QWidget* parent = nullptr);

    // Shows the form's cells; the group is hidden when it has none.
    void refresh();
    QTableWidget* table() const { return table_; }

  private:
    KeptCellsForm& form_;
    QTableWidget* table_ = nullptr;
    bool refreshing_ = false;
};

} // namespace zw
