// Grids: TDrawGrid and TStringGrid. Fixed rows and columns stay in place while
// the others scroll; every row and column has its own size; cells are drawn by
// the grid (DefaultDrawing) and by OnDrawCell.
//
// The data and the geometry live in two parts without any window, so that they
// can be used and tested alone: TGridModel (counts, sizes, options, scrolling,
// current cell and selection, cell rectangles, mouse to cell) and TGridCells
// (texts and objects of a string grid). TCustomGrid is the control on top.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/gui/Graphics.h"
#include "platform/gui/StdCtrls.h"

enum TGridOption : unsigned {
    goFixedVertLine = 1 << 0,
    goFixedHorzLine = 1 << 1,
    goVertLine = 1 << 2,
    goHorzLine = 1 << 3,
    goRangeSelect = 1 << 4,
    goDrawFocusSelected = 1 << 5,
    goRowSizing = 1 << 6,
    goColSizing = 1 << 7,
    goRowMoving = 1 << 8,
    goColMoving = 1 << 9,
    goEditing = 1 << 10,
    goTabs = 1 << 11,
    goRowSelect = 1 << 12,
    goAlwaysShowEditor = 1 << 13,
    goThumbTracking = 1 << 14,
};
using TGridOptions = unsigned;
constexpr TGridOptions DefaultGridOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

enum TGridDrawStateFlag : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = unsigned;

struct TGridCoord
{
    int X = 0;   // column
    int Y = 0;   // row
    bool operator==(const TGridCoord&) const = default;
};

// A block of cells, both corners included.
struct TGridRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};

// ---- geometry and selection, without a window -----------------------------------
class TGridModel
{
public:
    TGridModel();
    virtual ~TGridModel() = default;

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    // New rows and columns take the default size; existing ones keep theirs.
    // The fixed counts stay below the counts (at least one body row and column).
    void SetColCount(int n);
    void SetRowCount(int n);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int n);   // EInvalidOperation when not below ColCount
    void SetFixedRows(int n);

    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultColWidth(int w);    // every column takes it
    void SetDefaultRowHeight(int h);   // every row takes it
    int ColWidths(int col) const;      // 0 outside
    int RowHeights(int row) const;
    void SetColWidths(int col, int w);
    void SetRowHeights(int row, int h);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int w);

    TGridOptions Options() const { return options_; }
    virtual void SetOptions(TGridOptions o);

    // The visible area in pixels (the control's client area).
    void SetViewSize(int width, int height);
    int ViewWidth() const { return viewW_; }
    int ViewHeight() const { return viewH_; }

    // First scrollable row and column shown.
    int TopRow() const { return topRow_; }
    int LeftCol() const { return leftCol_; }
    void SetTopRow(int row);    // kept between FixedRows and MaxTopRow
    void SetLeftCol(int col);
    int MaxTopRow() const;      // the last rows fill the view
    int MaxLeftCol() const;
    // Body rows and columns fully visible from TopRow/LeftCol (at least 1).
    int VisibleRowCount() const;
    int VisibleColCount() const;

    // Pixel rectangle of a cell in the view; empty (0,0,0,0) when it is scrolled
    // away. The grid line after the cell is outside the rectangle.
    TRect CellRect(int col, int row) const;
    // The cell at a point of the view; {-1, -1} outside the cells.
    TGridCoord MouseCoord(int x, int y) const;
    void MouseToCell(int x, int y, int& col, int& row) const;
    // Width of the line after a column / row (0 when its option is off).
    int VertLineWidth(int col) const;
    int HorzLineWidth(int row) const;
    // Right and bottom edges of the last visible cell (+ its line).
    int GridWidth() const;
    int GridHeight() const;
    // The column whose right border is within a few pixels of x, in the fixed
    // rows (for sizing by mouse); -1 when none.
    int ColumnBorderAt(int x, int y) const;

    // Current cell and selection.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col) { FocusCell(col, row_, true); }
    void SetRow(int row) { FocusCell(col_, row, true); }
    TGridRect Selection() const;
    void SetSelection(const TGridRect& r);   // the current cell moves to its top-left
    // Moves the current cell (clamped to the body; CanSelectCell may refuse),
    // scrolls it into view. moveAnchor false extends the selection (range select).
    // Answers whether it moved.
    bool FocusCell(int col, int row, bool moveAnchor);
    // The current cell set without asking CanSelectCell (clamped to the body).
    void FocusCellUnchecked(int col, int row);
    bool IsSelected(int col, int row) const;
    void ScrollInView(int col, int row);

    // Moves a row or column to another index (sizes move with it).
    virtual void MoveRow(int from, int to);
    virtual void MoveColumn(int from, int to);

protected:
    // Hooks for the control: the selected cell may be refused; redraws.
    virtual bool CanSelectCell(int col, int row) { (void)col; (void)row; return true; }
    virtual void GeometryChanged() {}
    virtual void SelectionChanged() {}
    virtual void TopLeftChanged() {}
    virtual void CountsChanged() {}

    // View x of a column's left edge / y of a row's top edge, -1 when scrolled away.
    int ColX(int col) const;
    int RowY(int row) const;
    // The columns (rows) shown, fixed ones first, with their view x (y), in one
    // pass: what painting needs without summing the sizes again for each cell.
    void VisibleCols(std::vector<int>& cols, std::vector<int>& xs) const;
    void VisibleRows(std::vector<int>& rows, std::vector<int>& ys) const;

private:
    void Clamp();
    // Rows' vertical extents (height and the line after) summed in a Fenwick
    // tree: a row's position, the last top row and the grid's height are
    // found in logarithmic time, however many rows a grid holds.
    int RowExtent(int row) const { return RowHeights(row) + HorzLineWidth(row); }
    void RowsChanged() { rowSumsOk_ = false; }
    void EnsureRowSums() const;
    int RowsBefore(int row) const;            // extents of rows 0 .. row-1
    int FirstRowReaching(int total) const;    // smallest r with RowsBefore(r) >= total (RowCount() when none)
    mutable std::vector<int> rowSums_;
    mutable bool rowSumsOk_ = false;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    TGridOptions options_ = DefaultGridOptions;
    int viewW_ = 0;
    int viewH_ = 0;
    int topRow_ = 1;
    int leftCol_ = 1;
    int col_ = 1;
    int row_ = 1;
    TGridCoord anchor_{1, 1};
};

// ---- texts and objects of a string grid, without a window --------------------------
class TGridCells
{
public:
    void Resize(int cols, int rows);   // keeps what still fits
    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    const std::string& Cell(int col, int row) const;   // "" outside
    void SetCell(int col, int row, const std::string& s);
    TObject* Object(int col, int row) const;
    void SetObject(int col, int row, TObject* o);
    std::vector<std::string> Row(int row) const;
    void SetRow(int row, const std::vector<std::string>& texts);
    std::vector<std::string> Col(int col) const;
    void SetCol(int col, const std::vector<std::string>& texts);
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    void ExchangeRows(int a, int b);
    void Clear();

private:
    bool In(int c, int r) const { return c >= 0 && r >= 0 && c < cols_ && r < rows_; }
    size_t Index(int c, int r) const { return static_cast<size_t>(r) * cols_ + c; }
    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::string> texts_;
    std::vector<TObject*> objects_;
};

// ---- the control ---------------------------------------------------------------------
class TCustomGrid;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

namespace guiimpl { class GridParts; }

class TCustomGrid : public TCustomControl, public TGridModel
{
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor c) { fixedColor_ = c; Invalidate(); }
    bool DefaultDrawing = true;
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);

    void SetOptions(TGridOptions o) override;
    void InvalidateCell(int col, int row);
    void InvalidateRow(int row);
    void InvalidateCol(int col);
    void InvalidateGrid() { Invalidate(); }

    // The in-place editor (goEditing): F2, Enter or typing opens it on the
    // current cell; Enter or leaving the cell keeps the text, Escape drops it.
    bool EditorMode() const;
    void SetEditorMode(bool on);
    void ShowEditor() { SetEditorMode(true); }
    void HideEditor() { SetEditorMode(false); }
    // The text in the editor while it is open.
    std::string EditorText() const;
    void SetEditorText(const std::string& s);
    // What follows a value or a row the window refuses, the same in every
    // grid: the cell cursor stays on (or goes back to) the cell named and
    // the grid has the focus, so that the next keys go where the user sees
    // the cursor. RefuseEdit, called while OnSetEditText weighs the text of
    // the cell's editor, refuses that text: the move that took it (Enter,
    // Tab, an arrow, a click on another cell) does not happen and the editor
    // opens again on the text refused, selected; the focus going to another
    // control is let go. RefuseCell, called while the grid weighs a move
    // (OnSelectCell) or after an action it refused, puts the cursor on the
    // cell to correct.
    void RefuseEdit();
    void RefuseCell(int col, int row);
    // A text the window refused stays the cell's to correct when the focus
    // leaves it (the cell showing what it held) until it is typed over or
    // given up by Escape in its editor, or the grid's rows or columns
    // change. Before its window goes: takes the text of the open editor, or
    // weighs again the refused text the focus left, the editor back on it
    // (the window says why again, unless it said so as the focus left a
    // moment ago); false when it is refused, the cursor on its cell.
    bool CommitPendingEdit();

    int ClientWidth() const override;
    int ClientHeight() const override;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditText;
    TGetEditEvent OnGetEditMask;
    // The largest number a cell of digits (under its mask) holds, 0 for no
    // bound but the mask's: a key or a paste taking it further is refused,
    // and the bounds said.
    std::function<int64_t(int ACol, int ARow)> OnGetEditMaximum;
    TSetEditEvent OnSetEditText;
    TNotifyEvent OnTopLeftChanged;
    // Enter in the cell editor: the text is taken first (a grid whose cells
    // are walked by Enter moves on here).
    TNotifyEvent OnEditorReturn;
    // Left and Right in the cell editor take its text and move to the next
    // cell, as Up and Down do (cells that hold a short number).
    bool EditorArrowsMoveCell = false;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

    void MoveRow(int from, int to) override;
    void MoveColumn(int from, int to) override;

protected:
    // Draws one cell: fills it (DefaultDrawing), then OnDrawCell.
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState);
    virtual bool SelectCell(int ACol, int ARow);
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow);
    virtual void ColumnMoved(int from, int to);
    virtual void RowMoved(int from, int to);

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void BoundsChanged(bool sized) override;
    bool WantsKey(WORD key) const override;

    bool CanSelectCell(int col, int row) override { return SelectCell(col, row); }
    void GeometryChanged() override;
    void SelectionChanged() override;
    void TopLeftChanged() override;
    void CountsChanged() override;

private:
    friend class guiimpl::GridParts;
    void UpdateScrollBars();
    void UpdateViewSize();
    // Takes the editor's text; false when the window refused it (the
    // cursor is then back on its cell and, with reopen, the editor too).
    bool CommitEditor(bool reopen = true);
    void PlaceEditor();
    std::unique_ptr<guiimpl::GridParts> parts_;
    TColor fixedColor_ = clBtnFace;
    TScrollStyle scrollBars_ = ssBoth;
    TBorderStyle borderStyle_ = bsSingle;
    enum class Drag { None, Select, SizeCol, MoveRow, MoveCol } drag_ = Drag::None;
    int dragIndex_ = -1;
    int dragStartX_ = 0;
    int dragStartSize_ = 0;
    bool updatingBars_ = false;
};

class TDrawGrid : public TCustomGrid
{
public:
    explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
};

class TStringGrid : public TDrawGrid
{
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    std::string Cells(int col, int row) const { return cells_.Cell(col, row); }
    void SetCells(int col, int row, const std::string& s);
    TObject* Objects(int col, int row) const { return cells_.Object(col, row); }
    void SetObjects(int col, int row, TObject* o) { cells_.SetObject(col, row, o); }
    std::vector<std::string> Rows(int row) const { return cells_.Row(row); }
    void SetRows(int row, const std::vector<std::string>& texts);
    std::vector<std::string> Cols(int col) const { return cells_.Col(col); }
    void SetCols(int col, const std::vector<std::string>& texts);
    void ExchangeRows(int a, int b);
    const TGridCells& Data() const { return cells_; }

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int from, int to) override;
    void RowMoved(int from, int to) override;
    void CountsChanged() override;

private:
    TGridCells cells_;
};
