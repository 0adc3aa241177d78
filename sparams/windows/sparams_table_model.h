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
    // The rows of a parsed file, laid out in the format.
    void setRows(int format, std::vector<SParameterRow> rows);
    const std::vector<SParameterRow>& rows() const { return rows_; }
    int format() const { return format_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int format_ = 1;
    std::vector<SParameterRow> rows_;
};

} // namespace qv
