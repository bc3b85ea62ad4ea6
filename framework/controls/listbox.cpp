#include "framework/controls/listbox.h"

#include "framework/text.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

#include <utility>
#include <vector>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    using L = Listbox;
    r->properties = {
        props::row<L, std::int32_t>("ColumnCount", "i4", &L::ColumnCount, &L::SetColumnCount),
        props::text<L>("ColumnWidths", &L::ColumnWidths, &L::SetColumnWidths),
        props::row<L, bool>("HasHeading", "b", &L::HasHeading, &L::SetHasHeading),
        props::stored("Border", "b"),
        props::stored("UseFocusRing", "b"),
        props::stored("InitialValue", "s"),
        props::stored("HeadingIndex", "i4"),
        props::stored("ScrollBarHorizontal", "b"),
        props::stored("ScrollBarVertical", "b"),
        props::stored("GridLinesHorizontal", "i4"),
        props::stored("GridLinesVertical", "i4"),
        props::stored("DefaultRowHeight", "i4"),
        props::stored("_ScrollWidth", "i4"),
        props::stored("Hierarchical", "b"),
        props::stored("EnableDrag", "b"),
        props::stored("EnableDragReorder", "b"),
        props::stored("RequiresSelection", "b"),
        props::stored("SelectionType", "i4"),
        props::stored("ColumnsResizable", "b"),
        props::stored("AutoHideScrollbars", "b"),
    };
    return r;
}
} // namespace

namespace {
// The list's table. Column widths are shares of the width the rows really
// show: beside the vertical scroll bar whenever it is there, so no cell runs
// under it and a count cut short there never reads as a smaller one.
class ListTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    // A share in percent of the visible width, or a fixed width in pixels.
    struct Share {
        double value;
        bool percent;
    };

    void setShares(std::vector<std::pair<int, Share>> shares) {
        shares_ = std::move(shares);
        applyShares();
    }

protected:
    // Home and End go to the first and last row, as in a list, not along the
    // row's cells.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        if (!currentIndex().isValid() && rowCount() > 0)
            return model()->index(action == MoveEnd || action == MovePageDown ? rowCount() - 1 : 0, 0);
        if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
        return QTableWidget::moveCursor(action, modifiers);
    }

    // With no row selected no row is current either, so the first arrow key
    // after Tab selects the first row instead of stepping past it.
    void focusInEvent(QFocusEvent* event) override {
        QTableWidget::focusInEvent(event);
        if (!selectionModel()->hasSelection()) selectionModel()->clearCurrentIndex();
    }

    bool viewportEvent(QEvent* event) override {
        // The scroll bar showing or hiding resizes the viewport.
        if (event->type() == QEvent::Resize) applyShares();
        return QTableWidget::viewportEvent(event);
    }

private:
    void applyShares() {
        const int visible = viewport()->width();
        for (const auto& [column, share] : shares_)
            setColumnWidth(column, static_cast<int>(share.percent ? visible * share.value / 100.0 : share.value));
    }

    std::vector<std::pair<int, Share>> shares_;
};
} // namespace

const ClassRecord& Listbox::staticRecord() { return lookupClass("Listbox", build); }

QWidget* Listbox::createWidget(QWidget* content) {
    auto* table = new ListTable(content);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setShowGrid(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab reaches the list in its place and the arrow keys then move through
    // its rows; Tab itself goes on to the next control, not to the next cell.
    table->setFocusPolicy(Qt::StrongFocus);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setDefaultSectionSize(16);
    return table;
}

void Listbox::AddRow(const std::vector<std::string>& cells) {
    rows_.emplace_back(cells);
    rows_.back().resize(static_cast<std::size_t>(std::max<std::int32_t>(columnCount_, 1)));
    lastIndex_ = ListCount() - 1;
    if (auto* table = static_cast<QTableWidget*>(widget())) {
        table->setRowCount(ListCount());
        for (std::size_t c = 0; c < rows_.back().size(); ++c)
            table->setItem(lastIndex_, static_cast<int>(c), new QTableWidgetItem(QString::fromStdString(rows_.back()[c])));
    }
}

std::string Listbox::Cell(std::int32_t row, std::int32_t column) const {
    if (row < 0 || row >= ListCount() || column < 0) return {};
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : std::string();
}

void Listbox::SetCell(std::int32_t row, std::int32_t column, const std::string& text) {
    if (row < 0 || row >= ListCount() || column < 0 || column >= std::max<std::int32_t>(columnCount_, 1)) return;
    auto& cells = rows_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size()) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
    if (auto* table = static_cast<QTableWidget*>(widget()))
        table->setItem(row, column, new QTableWidgetItem(QString::fromStdString(text)));
}

void Listbox::SetColumnCount(std::int32_t v) {
    columnCount_ = std::max<std::int32_t>(v, 1);
    applyColumns();
}

void Listbox::SetColumnWidths(std::string v) {
    columnWidths_ = std::move(v);
    applyColumns();
}

void Listbox::SetHasHeading(bool v) { hasHeading_ = v; }

void Listbox::applyColumns() {
    auto* table = static_cast<ListTable*>(widget());
    if (!table) return;
    table->setColumnCount(columnCount_);
    std::vector<std::pair<int, ListTable::Share>> shares;
    for (std::int32_t c = 0; c < columnCount_; ++c) {
        const std::string spec = NthField(columnWidths_, ",", c + 1);
        if (spec.empty()) continue;
        shares.push_back({c, {Val(spec), spec.find('%') != std::string::npos}});
    }
    table->setShares(std::move(shares));
}

} // namespace fw
