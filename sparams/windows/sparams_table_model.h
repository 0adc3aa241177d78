#pragma once

#include "sparams/analysis/sparameter_file.h"

#include <QAbstractTableModel>

namespace qv {

// The table window's grid as a view over the parsed rows: the layout's captions in the fixed
// header row, centred texts, the frequency column in red and the alternating cell colours.
class SParamsTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // An empty grid with the captions of the format.
    void setFormat(int format);
    // The rows of a parsed file, laid out in its format.
    void setTable(SParameterTable table);
    const SParameterTable& table() const { return table_; }
    int format() const { return table_.format; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    SParameterTable table_;
};

} // namespace qv
