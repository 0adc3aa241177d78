#include "sparams/windows/sparams_table_model.h"

#include "sparams/model/sparameter_file_texts.h"
#include "ui/qt_text.h"

#include <QBrush>
#include <QFont>

namespace qv {

namespace {
// Grid rows count from the fixed header row (row 0), so data row i is grid row i + 1; the
// shading falls on even grid rows.
bool ShadedRow(int dataRow) {
    return (dataRow + 1) % 2 == 0;
}
} // namespace

void SParamsTableModel::setFormat(int format) {
    SParameterTable empty;
    empty.format = format;
    setTable(std::move(empty));
}

void SParamsTableModel::setTable(SParameterTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int SParamsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int SParamsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(LayoutOfFormat(table_.format).captions.size());
}

QVariant SParamsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return Q(CellText(table_, static_cast<std::size_t>(index.row()), column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::ForegroundRole:
        return column == 0 ? QBrush(Qt::red) : QVariant();
    case Qt::BackgroundRole:
        if (column == 0 || !ShadedRow(index.row()))
            return {};
        if (column == 1 || column == 2 || column == 5 || column == 6)
            return QBrush(QColor(0, 240, 197));
        return QBrush(QColor(0, 197, 240));
    default:
        return {};
    }
}

QVariant SParamsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return ColumnCaption(table_.format, section);
    case Qt::ForegroundRole:
        return QBrush(Qt::blue);
    case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

} // namespace qv
