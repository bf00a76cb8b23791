// The grids' geometry, selection and cell data, without a window.
#include <algorithm>

#include "platform/gui/Grids.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

// ---- TGridModel ---------------------------------------------------------------

TGridModel::TGridModel() : colWidths_(5, 64), rowHeights_(5, 24) {}

void TGridModel::SetColCount(int n)
{
    n = std::max(1, n);
    if (n == ColCount()) return;
    colWidths_.resize(static_cast<size_t>(n), defaultColWidth_);
    if (fixedCols_ >= n) fixedCols_ = n - 1;
    Clamp();
    CountsChanged();
    GeometryChanged();
}

void TGridModel::SetRowCount(int n)
{
    n = std::max(1, n);
    if (n == RowCount()) return;
    rowHeights_.resize(static_cast<size_t>(n), defaultRowHeight_);
    if (fixedRows_ >= n) fixedRows_ = n - 1;
    RowsChanged();
    Clamp();
    CountsChanged();
    GeometryChanged();
}

void TGridModel::SetFixedCols(int n)
{
    if (n < 0 || n >= ColCount())
        throw EInvalidOperation(L1("Le nombre de colonnes fixes doit être inférieur au nombre de colonnes"));
    fixedCols_ = n;
    Clamp();
    GeometryChanged();
}

void TGridModel::SetFixedRows(int n)
{
    if (n < 0 || n >= RowCount())
        throw EInvalidOperation(L1("Le nombre de lignes fixes doit être inférieur au nombre de lignes"));
    fixedRows_ = n;
    RowsChanged();
    Clamp();
    GeometryChanged();
}

void TGridModel::SetDefaultColWidth(int w)
{
    defaultColWidth_ = std::max(0, w);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    Clamp();
    GeometryChanged();
}

void TGridModel::SetDefaultRowHeight(int h)
{
    defaultRowHeight_ = std::max(0, h);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    RowsChanged();
    Clamp();
    GeometryChanged();
}

int TGridModel::ColWidths(int col) const
{
    return col >= 0 && col < ColCount() ? colWidths_[static_cast<size_t>(col)] : 0;
}

int TGridModel::RowHeights(int row) const
{
    return row >= 0 && row < RowCount() ? rowHeights_[static_cast<size_t>(row)] : 0;
}

void TGridModel::SetColWidths(int col, int w)
{
    if (col < 0 || col >= ColCount()) return;
    w = std::max(0, w);
    if (colWidths_[static_cast<size_t>(col)] == w) return;
    colWidths_[static_cast<size_t>(col)] = w;
    Clamp();
    GeometryChanged();
}

void TGridModel::SetRowHeights(int row, int h)
{
    if (row < 0 || row >= RowCount()) return;
    h = std::max(0, h);
    const int ancienne = rowHeights_[static_cast<size_t>(row)];
    if (ancienne == h) return;
    rowHeights_[static_cast<size_t>(row)] = h;
    if (rowSumsOk_)
        for (size_t i = static_cast<size_t>(row) + 1; i < rowSums_.size(); i += i & (~i + 1))
            rowSums_[i] += h - ancienne;
    Clamp();
    GeometryChanged();
}

void TGridModel::SetGridLineWidth(int w)
{
    gridLineWidth_ = std::max(0, w);
    RowsChanged();
    Clamp();
    GeometryChanged();
}

void TGridModel::SetOptions(TGridOptions o)
{
    if (o == options_) return;
    options_ = o;
    RowsChanged();
    if (options_ & goRowSelect) anchor_.Y = row_;
    Clamp();
    GeometryChanged();
    SelectionChanged();
}

void TGridModel::SetViewSize(int width, int height)
{
    viewW_ = std::max(0, width);
    viewH_ = std::max(0, height);
    Clamp();
}

int TGridModel::VertLineWidth(int col) const
{
    return (options_ & (col < fixedCols_ ? goFixedVertLine : goVertLine)) ? gridLineWidth_ : 0;
}

int TGridModel::HorzLineWidth(int row) const
{
    return (options_ & (row < fixedRows_ ? goFixedHorzLine : goHorzLine)) ? gridLineWidth_ : 0;
}

void TGridModel::EnsureRowSums() const
{
    if (rowSumsOk_) return;
    const size_t n = rowHeights_.size();
    rowSums_.assign(n + 1, 0);
    for (size_t i = 1; i <= n; ++i) {
        rowSums_[i] += RowExtent(static_cast<int>(i - 1));
        const size_t parent = i + (i & (~i + 1));
        if (parent <= n) rowSums_[parent] += rowSums_[i];
    }
    rowSumsOk_ = true;
}

int TGridModel::RowsBefore(int row) const
{
    EnsureRowSums();
    int sum = 0;
    for (size_t i = static_cast<size_t>(std::clamp(row, 0, RowCount())); i > 0; i -= i & (~i + 1))
        sum += rowSums_[i];
    return sum;
}

int TGridModel::FirstRowReaching(int total) const
{
    if (total <= 0) return 0;
    EnsureRowSums();
    // Descends the tree to the longest prefix whose sum stays below total.
    const size_t n = rowSums_.size() - 1;
    size_t pos = 0, step = 1;
    while (step * 2 <= n) step *= 2;
    int sum = 0;
    for (; step > 0; step /= 2)
        if (pos + step <= n && sum + rowSums_[pos + step] < total) {
            pos += step;
            sum += rowSums_[pos];
        }
    return static_cast<int>(pos) + 1 > RowCount() ? RowCount() : static_cast<int>(pos) + 1;
}

int TGridModel::MaxTopRow() const
{
    // The highest top row from which the rows to the end fit the view (the
    // last row at least).
    const int last = RowCount() - 1;
    const int avail = viewH_ - RowsBefore(fixedRows_);
    const int r = std::min(last, FirstRowReaching(RowsBefore(RowCount()) - avail));
    return std::max(fixedRows_, r);
}

int TGridModel::MaxLeftCol() const
{
    int fixedW = 0;
    for (int c = 0; c < fixedCols_; ++c) fixedW += ColWidths(c) + VertLineWidth(c);
    int avail = viewW_ - fixedW;
    int c = ColCount() - 1;
    int used = ColWidths(c) + VertLineWidth(c);
    while (c - 1 >= fixedCols_ && used + ColWidths(c - 1) + VertLineWidth(c - 1) <= avail) {
        --c;
        used += ColWidths(c) + VertLineWidth(c);
    }
    return std::max(fixedCols_, c);
}

void TGridModel::SetTopRow(int row)
{
    row = std::clamp(row, fixedRows_, MaxTopRow());
    if (row == topRow_) return;
    topRow_ = row;
    TopLeftChanged();
}

void TGridModel::SetLeftCol(int col)
{
    col = std::clamp(col, fixedCols_, MaxLeftCol());
    if (col == leftCol_) return;
    leftCol_ = col;
    TopLeftChanged();
}

int TGridModel::VisibleRowCount() const
{
    // Row r is whole in the view when its bottom (before its line) is within
    // it; bottoms grow with r, so the first one past the view ends the count.
    const int base = RowsBefore(fixedRows_) - RowsBefore(topRow_);
    auto entiere = [&](int r) { return base + RowsBefore(r) + RowHeights(r) <= viewH_; };
    int lo = topRow_, hi = RowCount();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (entiere(mid)) lo = mid + 1;
        else hi = mid;
    }
    return std::max(0, lo - topRow_);
}

int TGridModel::VisibleColCount() const
{
    int x = 0;
    for (int c = 0; c < fixedCols_; ++c) x += ColWidths(c) + VertLineWidth(c);
    int n = 0;
    for (int c = leftCol_; c < ColCount(); ++c) {
        x += ColWidths(c);
        if (x > viewW_) break;
        x += VertLineWidth(c);
        ++n;
    }
    return n;
}

int TGridModel::ColX(int col) const
{
    if (col < 0 || col >= ColCount()) return -1;
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c) x += ColWidths(c) + VertLineWidth(c);
        return x;
    }
    if (col < leftCol_) return -1;
    for (int c = 0; c < fixedCols_; ++c) x += ColWidths(c) + VertLineWidth(c);
    for (int c = leftCol_; c < col; ++c) {
        x += ColWidths(c) + VertLineWidth(c);
        if (x >= viewW_ && viewW_ > 0) return -1;
    }
    return viewW_ > 0 && x >= viewW_ ? -1 : x;
}

int TGridModel::RowY(int row) const
{
    if (row < 0 || row >= RowCount()) return -1;
    if (row < fixedRows_) return RowsBefore(row);
    if (row < topRow_) return -1;
    const int y = RowsBefore(fixedRows_) + RowsBefore(row) - RowsBefore(topRow_);
    return viewH_ > 0 && y >= viewH_ ? -1 : y;
}

void TGridModel::VisibleCols(std::vector<int>& cols, std::vector<int>& xs) const
{
    cols.clear();
    xs.clear();
    int x = 0;
    for (int c = 0; c < fixedCols_ && c < ColCount(); ++c) {
        cols.push_back(c);
        xs.push_back(x);
        x += ColWidths(c) + VertLineWidth(c);
    }
    for (int c = std::max(leftCol_, fixedCols_); c < ColCount(); ++c) {
        if (viewW_ > 0 && x >= viewW_) break;
        cols.push_back(c);
        xs.push_back(x);
        x += ColWidths(c) + VertLineWidth(c);
    }
}

void TGridModel::VisibleRows(std::vector<int>& rows, std::vector<int>& ys) const
{
    rows.clear();
    ys.clear();
    int y = 0;
    for (int r = 0; r < fixedRows_ && r < RowCount(); ++r) {
        rows.push_back(r);
        ys.push_back(y);
        y += RowHeights(r) + HorzLineWidth(r);
    }
    for (int r = std::max(topRow_, fixedRows_); r < RowCount(); ++r) {
        if (viewH_ > 0 && y >= viewH_) break;
        rows.push_back(r);
        ys.push_back(y);
        y += RowHeights(r) + HorzLineWidth(r);
    }
}

TRect TGridModel::CellRect(int col, int row) const
{
    int x = ColX(col), y = RowY(row);
    if (x < 0 || y < 0) return TRect{};
    return Rect(x, y, x + ColWidths(col), y + RowHeights(row));
}

TGridCoord TGridModel::MouseCoord(int x, int y) const
{
    TGridCoord none{-1, -1};
    if (x < 0 || y < 0) return none;
    int col = -1, row = -1;
    int px = 0;
    auto scanCols = [&](int from, int to) {
        for (int c = from; c < to && col < 0; ++c) {
            int w = ColWidths(c) + VertLineWidth(c);
            if (x < px + w) col = c;
            px += w;
        }
    };
    scanCols(0, fixedCols_);
    if (col < 0) scanCols(leftCol_, ColCount());
    int py = 0;
    auto scanRows = [&](int from, int to) {
        for (int r = from; r < to && row < 0; ++r) {
            int h = RowHeights(r) + HorzLineWidth(r);
            if (y < py + h) row = r;
            py += h;
        }
    };
    scanRows(0, fixedRows_);
    if (row < 0) scanRows(topRow_, RowCount());
    if (col < 0 || row < 0) return none;
    return {col, row};
}

void TGridModel::MouseToCell(int x, int y, int& col, int& row) const
{
    TGridCoord c = MouseCoord(x, y);
    col = c.X;
    row = c.Y;
}

int TGridModel::GridWidth() const
{
    int x = 0;
    for (int c = 0; c < fixedCols_; ++c) x += ColWidths(c) + VertLineWidth(c);
    for (int c = leftCol_; c < ColCount() && (viewW_ == 0 || x < viewW_); ++c) x += ColWidths(c) + VertLineWidth(c);
    return x;
}

int TGridModel::GridHeight() const
{
    // Whole rows from the top row until the view is filled (all of them when
    // the view has no height).
    const int fixedH = RowsBefore(fixedRows_), top = RowsBefore(topRow_);
    int fin = RowCount();
    if (viewH_ > 0)
        fin = fixedH >= viewH_ ? topRow_ : std::max(topRow_, FirstRowReaching(viewH_ - fixedH + top));
    return fixedH + RowsBefore(fin) - top;
}

int TGridModel::ColumnBorderAt(int x, int y) const
{
    int fixedH = 0;
    for (int r = 0; r < fixedRows_; ++r) fixedH += RowHeights(r) + HorzLineWidth(r);
    if (y < 0 || y >= fixedH) return -1;
    // The last border within reach wins, so that a column sized to 0 can be widened again.
    int found = -1;
    for (int c = 0; c < ColCount(); ++c) {
        int cx = ColX(c);
        if (cx < 0) continue;
        int border = cx + ColWidths(c);
        if (x >= border - 3 && x <= border + VertLineWidth(c) + 2) found = c;
    }
    return found;
}

TGridRect TGridModel::Selection() const
{
    if (options_ & goRowSelect)
        return {fixedCols_, std::min(anchor_.Y, row_), ColCount() - 1, std::max(anchor_.Y, row_)};
    return {std::min(anchor_.X, col_), std::min(anchor_.Y, row_), std::max(anchor_.X, col_), std::max(anchor_.Y, row_)};
}

void TGridModel::SetSelection(const TGridRect& r)
{
    col_ = r.Left;
    row_ = r.Top;
    anchor_ = {r.Right, r.Bottom};
    Clamp();
    ScrollInView(col_, row_);
    SelectionChanged();
}

bool TGridModel::IsSelected(int col, int row) const { return Selection().Contains(col, row); }

bool TGridModel::FocusCell(int col, int row, bool moveAnchor)
{
    col = std::clamp(col, fixedCols_, ColCount() - 1);
    row = std::clamp(row, fixedRows_, RowCount() - 1);
    bool extend = !moveAnchor && (options_ & goRangeSelect);
    if (col == col_ && row == row_) {
        if (!extend && !(anchor_ == TGridCoord{col, row})) {
            anchor_ = {col, row};
            SelectionChanged();
        }
        ScrollInView(col, row);
        return false;
    }
    if (!CanSelectCell(col, row)) return false;
    col_ = col;
    row_ = row;
    if (!extend) anchor_ = {col, row};
    ScrollInView(col, row);
    SelectionChanged();
    return true;
}

void TGridModel::FocusCellUnchecked(int col, int row)
{
    col_ = std::clamp(col, fixedCols_, ColCount() - 1);
    row_ = std::clamp(row, fixedRows_, RowCount() - 1);
    anchor_ = {col_, row_};
    ScrollInView(col_, row_);
    SelectionChanged();
}

void TGridModel::ScrollInView(int col, int row)
{
    int top = topRow_, left = leftCol_;
    if (row >= fixedRows_ && row < RowCount()) {
        if (row < top) {
            top = row;
        } else {
            int fixedH = 0;
            for (int r = 0; r < fixedRows_; ++r) fixedH += RowHeights(r) + HorzLineWidth(r);
            int avail = viewH_ - fixedH;
            int used = RowHeights(row);
            int t = row;
            // The lowest top row that shows the row whole, if it is below the view.
            const int y = RowsBefore(row) - RowsBefore(top);
            if (viewH_ > 0 && y + RowHeights(row) > avail) {
                while (t - 1 >= fixedRows_ && used + RowHeights(t - 1) + HorzLineWidth(t - 1) <= avail) {
                    --t;
                    used += RowHeights(t) + HorzLineWidth(t);
                }
                top = t;
            }
        }
    }
    if (col >= fixedCols_ && col < ColCount() && !(options_ & goRowSelect)) {
        if (col < left) {
            left = col;
        } else {
            int fixedW = 0;
            for (int c = 0; c < fixedCols_; ++c) fixedW += ColWidths(c) + VertLineWidth(c);
            int avail = viewW_ - fixedW;
            int x = 0;
            for (int c = left; c < col; ++c) x += ColWidths(c) + VertLineWidth(c);
            if (viewW_ > 0 && x + ColWidths(col) > avail) {
                int l = col;
                int used = ColWidths(col);
                while (l - 1 >= fixedCols_ && used + ColWidths(l - 1) + VertLineWidth(l - 1) <= avail) {
                    --l;
                    used += ColWidths(l) + VertLineWidth(l);
                }
                left = l;
            }
        }
    }
    if (top != topRow_ || left != leftCol_) {
        topRow_ = std::clamp(top, fixedRows_, std::max(fixedRows_, RowCount() - 1));
        leftCol_ = std::clamp(left, fixedCols_, std::max(fixedCols_, ColCount() - 1));
        TopLeftChanged();
    }
}

void TGridModel::MoveRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) return;
    int h = rowHeights_[static_cast<size_t>(from)];
    rowHeights_.erase(rowHeights_.begin() + from);
    rowHeights_.insert(rowHeights_.begin() + to, h);
    RowsChanged();
    GeometryChanged();
}

void TGridModel::MoveColumn(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= ColCount() || to >= ColCount()) return;
    int w = colWidths_[static_cast<size_t>(from)];
    colWidths_.erase(colWidths_.begin() + from);
    colWidths_.insert(colWidths_.begin() + to, w);
    GeometryChanged();
}

void TGridModel::Clamp()
{
    int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    col_ = std::clamp(col_, std::min(fixedCols_, lastCol), lastCol);
    row_ = std::clamp(row_, std::min(fixedRows_, lastRow), lastRow);
    anchor_.X = std::clamp(anchor_.X, std::min(fixedCols_, lastCol), lastCol);
    anchor_.Y = std::clamp(anchor_.Y, std::min(fixedRows_, lastRow), lastRow);
    int top = std::clamp(topRow_, fixedRows_, MaxTopRow());
    int left = std::clamp(leftCol_, fixedCols_, MaxLeftCol());
    if (top != topRow_ || left != leftCol_) {
        topRow_ = top;
        leftCol_ = left;
        TopLeftChanged();
    }
}

// ---- TGridCells --------------------------------------------------------------------

namespace {
const std::string emptyText;
}

void TGridCells::Resize(int cols, int rows)
{
    cols = std::max(0, cols);
    rows = std::max(0, rows);
    if (cols == cols_ && rows == rows_) return;
    std::vector<std::string> texts(static_cast<size_t>(cols) * rows);
    std::vector<TObject*> objects(static_cast<size_t>(cols) * rows, nullptr);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            texts[static_cast<size_t>(r) * cols + c] = std::move(texts_[Index(c, r)]);
            objects[static_cast<size_t>(r) * cols + c] = objects_[Index(c, r)];
        }
    texts_ = std::move(texts);
    objects_ = std::move(objects);
    cols_ = cols;
    rows_ = rows;
}

const std::string& TGridCells::Cell(int col, int row) const { return In(col, row) ? texts_[Index(col, row)] : emptyText; }

void TGridCells::SetCell(int col, int row, const std::string& s)
{
    if (In(col, row)) texts_[Index(col, row)] = s;
}

TObject* TGridCells::Object(int col, int row) const { return In(col, row) ? objects_[Index(col, row)] : nullptr; }

void TGridCells::SetObject(int col, int row, TObject* o)
{
    if (In(col, row)) objects_[Index(col, row)] = o;
}

std::vector<std::string> TGridCells::Row(int row) const
{
    std::vector<std::string> v;
    for (int c = 0; c < cols_; ++c) v.push_back(Cell(c, row));
    return v;
}

void TGridCells::SetRow(int row, const std::vector<std::string>& texts)
{
    for (int c = 0; c < cols_; ++c) SetCell(c, row, c < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(c)] : std::string());
}

std::vector<std::string> TGridCells::Col(int col) const
{
    std::vector<std::string> v;
    for (int r = 0; r < rows_; ++r) v.push_back(Cell(col, r));
    return v;
}

void TGridCells::SetCol(int col, const std::vector<std::string>& texts)
{
    for (int r = 0; r < rows_; ++r) SetCell(col, r, r < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(r)] : std::string());
}

void TGridCells::MoveRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= rows_ || to >= rows_) return;
    int step = from < to ? 1 : -1;
    for (int r = from; r != to; r += step) ExchangeRows(r, r + step);
}

void TGridCells::MoveColumn(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= cols_ || to >= cols_) return;
    int step = from < to ? 1 : -1;
    for (int c = from; c != to; c += step)
        for (int r = 0; r < rows_; ++r) {
            std::swap(texts_[Index(c, r)], texts_[Index(c + step, r)]);
            std::swap(objects_[Index(c, r)], objects_[Index(c + step, r)]);
        }
}

void TGridCells::ExchangeRows(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= rows_ || b >= rows_) return;
    for (int c = 0; c < cols_; ++c) {
        std::swap(texts_[Index(c, a)], texts_[Index(c, b)]);
        std::swap(objects_[Index(c, a)], objects_[Index(c, b)]);
    }
}

void TGridCells::Clear()
{
    std::fill(texts_.begin(), texts_.end(), std::string());
    std::fill(objects_.begin(), objects_.end(), nullptr);
}
