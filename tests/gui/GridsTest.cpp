// Grids: geometry and selection without a window, then the control offscreen.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Grids.h"
#include "platform/gui/GraphicsQt.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "tests/support/gui/GuiKit.h"

namespace {

struct Model : TGridModel
{
    int refuseCol = -1;
    int topLeftChanges = 0;
    bool CanSelectCell(int col, int) override { return col != refuseCol; }
    void TopLeftChanged() override { ++topLeftChanges; }
};

}  // namespace

TEST(GridModel, DefaultsAndCellRectangles)
{
    Model m;
    EXPECT_EQ(m.ColCount(), 5);
    EXPECT_EQ(m.RowCount(), 5);
    EXPECT_EQ(m.FixedCols(), 1);
    EXPECT_EQ(m.FixedRows(), 1);
    m.SetViewSize(320, 120);
    EXPECT_EQ(m.CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(m.CellRect(1, 1), Rect(65, 25, 129, 49));   // one-pixel lines between cells
    m.SetColWidths(1, 30);
    m.SetRowHeights(1, 10);
    EXPECT_EQ(m.CellRect(2, 2), Rect(96, 36, 160, 60));
    m.SetOptions(m.Options() & ~goVertLine);
    EXPECT_EQ(m.CellRect(2, 2).Left, 95);   // body columns lose their line, the fixed one keeps it
    EXPECT_EQ(m.CellRect(5, 1), TRect{});   // no such column
}

TEST(GridModel, MouseToCell)
{
    Model m;
    m.SetViewSize(320, 120);
    int c, r;
    m.MouseToCell(70, 30, c, r);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 1);
    m.MouseToCell(64, 24, c, r);   // on the lines after cell (0, 0)
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(m.MouseCoord(-1, 5), (TGridCoord{-1, -1}));
    EXPECT_EQ(m.MouseCoord(5 * 65, 5), (TGridCoord{-1, -1}));   // right of the last column
    m.SetRowCount(20);
    m.SetTopRow(10);
    EXPECT_EQ(m.MouseCoord(70, 30), (TGridCoord{1, 10}));   // the first row under the fixed one
    EXPECT_EQ(m.MouseCoord(70, 5), (TGridCoord{1, 0}));
}

TEST(GridModel, FixedRowsAndColumnsStayWhileTheOthersScroll)
{
    Model m;
    m.SetRowCount(20);
    m.SetColCount(20);
    m.SetViewSize(320, 120);
    EXPECT_EQ(m.VisibleRowCount(), 3);   // 25 + 3 * 25 = 100; a fourth row would end at 124
    EXPECT_EQ(m.MaxTopRow(), 17);
    m.SetTopRow(100);
    EXPECT_EQ(m.TopRow(), 17);
    m.SetTopRow(5);
    EXPECT_EQ(m.CellRect(1, 5).Top, 25);
    EXPECT_EQ(m.CellRect(1, 4), TRect{});   // scrolled away
    EXPECT_EQ(m.CellRect(1, 0).Top, 0);     // the fixed row stays
    m.SetLeftCol(6);
    EXPECT_EQ(m.CellRect(6, 5).Left, 65);
    EXPECT_EQ(m.CellRect(0, 5).Left, 0);    // the fixed column stays
    EXPECT_EQ(m.CellRect(1, 5), TRect{});
    m.SetTopRow(0);
    EXPECT_EQ(m.TopRow(), 1);   // never into the fixed rows
}

TEST(GridModel, MovingTheCurrentCellScrollsItIntoView)
{
    Model m;
    m.SetRowCount(20);
    m.SetViewSize(320, 120);
    int before = m.topLeftChanges;
    EXPECT_TRUE(m.FocusCell(1, 10, true));
    EXPECT_EQ(m.Row(), 10);
    EXPECT_EQ(m.TopRow(), 8);   // rows 8, 9, 10 shown
    EXPECT_GT(m.topLeftChanges, before);
    m.FocusCell(1, 2, true);
    EXPECT_EQ(m.TopRow(), 2);
    m.FocusCell(99, 99, true);   // clamped to the body
    EXPECT_EQ(m.Col(), 4);
    EXPECT_EQ(m.Row(), 19);
    m.FocusCell(0, 0, true);
    EXPECT_EQ(m.Col(), 1);
    EXPECT_EQ(m.Row(), 1);
}

TEST(GridModel, SelectionRangesRowsAndVeto)
{
    Model m;
    m.SetViewSize(320, 120);
    m.FocusCell(1, 1, true);
    m.FocusCell(3, 2, false);
    EXPECT_EQ(m.Selection(), (TGridRect{1, 1, 3, 2}));
    EXPECT_TRUE(m.IsSelected(2, 2));
    EXPECT_FALSE(m.IsSelected(4, 2));
    m.SetOptions(m.Options() & ~goRangeSelect);
    m.FocusCell(2, 3, false);   // without range selection the anchor follows
    EXPECT_EQ(m.Selection(), (TGridRect{2, 3, 2, 3}));
    m.SetOptions(m.Options() | goRowSelect);
    EXPECT_EQ(m.Selection(), (TGridRect{1, 3, 4, 3}));
    m.refuseCol = 4;
    m.SetOptions(m.Options() & ~goRowSelect);
    EXPECT_FALSE(m.FocusCell(4, 3, true));
    EXPECT_EQ(m.Col(), 2);
    m.SetSelection({1, 1, 2, 2});
    EXPECT_EQ(m.Col(), 1);
    EXPECT_EQ(m.Selection(), (TGridRect{1, 1, 2, 2}));
}

TEST(GridModel, CountsSizesAndMoves)
{
    Model m;
    EXPECT_THROW(m.SetFixedRows(5), EInvalidOperation);
    m.SetRowHeights(3, 40);
    m.SetRowCount(8);
    EXPECT_EQ(m.RowHeights(3), 40);   // kept
    EXPECT_EQ(m.RowHeights(7), 24);   // new rows take the default
    m.MoveRow(3, 6);
    EXPECT_EQ(m.RowHeights(6), 40);
    EXPECT_EQ(m.RowHeights(3), 24);
    m.SetRowCount(1);
    EXPECT_EQ(m.FixedRows(), 0);
    EXPECT_EQ(m.RowHeights(-1), 0);
    m.SetDefaultColWidth(20);
    EXPECT_EQ(m.ColWidths(4), 20);
    m.SetViewSize(320, 120);
    EXPECT_EQ(m.ColumnBorderAt(20, 10), -1);   // no fixed row left
    Model n;
    n.SetViewSize(320, 120);
    EXPECT_EQ(n.ColumnBorderAt(64, 10), 0);
    EXPECT_EQ(n.ColumnBorderAt(130, 10), 1);
    EXPECT_EQ(n.ColumnBorderAt(100, 10), -1);
    EXPECT_EQ(n.ColumnBorderAt(64, 40), -1);   // only in the fixed rows
}

namespace {

// The grid's row geometry summed row by row, as plainly as it can be said.
struct Lignes : TGridModel
{
    using TGridModel::RowY;
    int Etendue(int r) const { return RowHeights(r) + HorzLineWidth(r); }
    int Avant(int r) const
    {
        int y = 0;
        for (int i = 0; i < r; ++i) y += Etendue(i);
        return y;
    }
    int RowYSimple(int row) const
    {
        if (row < FixedRows()) return Avant(row);
        if (row < TopRow()) return -1;
        const int y = Avant(FixedRows()) + Avant(row) - Avant(TopRow());
        return ViewHeight() > 0 && y >= ViewHeight() ? -1 : y;
    }
    int MaxTopRowSimple() const
    {
        const int avail = ViewHeight() - Avant(FixedRows());
        int r = RowCount() - 1, used = Etendue(r);
        while (r - 1 >= FixedRows() && used + Etendue(r - 1) <= avail) used += Etendue(--r);
        return std::max(FixedRows(), r);
    }
    int VisibleRowCountSimple() const
    {
        int y = Avant(FixedRows()), n = 0;
        for (int r = TopRow(); r < RowCount(); ++r) {
            y += RowHeights(r);
            if (y > ViewHeight()) break;
            y += HorzLineWidth(r);
            ++n;
        }
        return n;
    }
    int GridHeightSimple() const
    {
        int y = Avant(FixedRows());
        for (int r = TopRow(); r < RowCount() && (ViewHeight() == 0 || y < ViewHeight()); ++r) y += Etendue(r);
        return y;
    }
};

}  // namespace

// Positions are kept as running sums that each change of sizes, counts, lines
// or options must keep right: after every step of a long random walk, they
// equal the sums made row by row.
TEST(GridModel, RowPositionsFollowEveryChangeOfTheRows)
{
    Lignes m;
    unsigned graine = 12345;
    auto hasard = [&](int n) {
        graine = graine * 1103515245u + 12345u;
        return static_cast<int>((graine >> 8) % static_cast<unsigned>(n));
    };
    for (int pas = 0; pas < 1500; ++pas) {
        switch (hasard(9)) {
        case 0: m.SetRowCount(1 + hasard(90)); break;
        case 1:
        case 2: m.SetRowHeights(hasard(m.RowCount()), hasard(40)); break;
        case 3: m.SetFixedRows(hasard(std::min(3, m.RowCount() - 1) + 1)); break;
        case 4: m.SetOptions(m.Options() ^ (hasard(2) ? goHorzLine : goFixedHorzLine)); break;
        case 5: m.SetGridLineWidth(hasard(4)); break;
        case 6: m.SetViewSize(200, hasard(3) == 0 ? 0 : hasard(2500)); break;
        case 7: m.SetTopRow(hasard(m.RowCount())); break;
        case 8: m.MoveRow(hasard(m.RowCount()), hasard(m.RowCount())); break;
        }
        SCOPED_TRACE(pas);
        ASSERT_EQ(m.MaxTopRow(), m.MaxTopRowSimple());
        ASSERT_EQ(m.VisibleRowCount(), m.VisibleRowCountSimple());
        ASSERT_EQ(m.GridHeight(), m.GridHeightSimple());
        for (int r = 0; r < m.RowCount(); ++r)
            ASSERT_EQ(m.RowY(r), m.RowYSimple(r)) << "row " << r;
    }
    // A default height given to every row, then a zoom that sets each one.
    m.SetRowCount(50);
    m.SetDefaultRowHeight(17);
    for (int r = 0; r < 50; ++r) m.SetRowHeights(r, 20 + r % 3);
    EXPECT_EQ(m.RowY(49) - m.RowY(m.TopRow()), m.Avant(49) - m.Avant(m.TopRow()));
    EXPECT_EQ(m.MaxTopRow(), m.MaxTopRowSimple());
}

TEST(GridCells, KeepMoveExchange)
{
    TGridCells d;
    d.Resize(3, 3);
    d.SetCell(1, 1, "b");
    d.SetCell(2, 2, "c");
    d.Resize(2, 4);
    EXPECT_EQ(d.Cell(1, 1), "b");
    EXPECT_EQ(d.Cell(2, 2), "");   // cut off, and outside reads ""
    d.SetRow(0, {"x", "y", "z"});
    EXPECT_EQ(d.Row(0), (std::vector<std::string>{"x", "y"}));
    TObject* tag = reinterpret_cast<TObject*>(0x10);
    d.SetObject(0, 0, tag);
    d.MoveRow(0, 2);
    EXPECT_EQ(d.Row(2), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(d.Object(0, 2), tag);
    EXPECT_EQ(d.Cell(1, 0), "b");   // the others moved up
    d.ExchangeRows(0, 2);
    EXPECT_EQ(d.Cell(0, 0), "x");
    d.MoveColumn(0, 1);
    EXPECT_EQ(d.Cell(1, 0), "x");
    d.SetRow(0, {});
    EXPECT_EQ(d.Cell(1, 0), "");
}

// ---- the control, offscreen -------------------------------------------------------------

namespace {

void Key(TCustomGrid& g, int qtKey, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : g.Widget();
    QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, mods, text);
    QApplication::sendEvent(target, &release);
}

void SendMouse(TCustomGrid& g, QEvent::Type type, int x, int y, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QPointF local(x, y);
    QMouseEvent e(type, local, g.Widget()->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  buttons, Qt::NoModifier);
    QApplication::sendEvent(g.Widget(), &e);
}

// A cell's centre in the widget (the frame is 2 pixels).
QPoint Centre(TCustomGrid& g, int col, int row)
{
    TRect r = g.CellRect(col, row);
    return QPoint(2 + (r.Left + r.Right) / 2, 2 + (r.Top + r.Bottom) / 2);
}

struct Drawn
{
    int col, row;
    TGridDrawState state;
};

}  // namespace

TEST(StringGrid, DrawsFixedAndBodyCellsAndScrolls)
{
    TStringGrid g(nullptr);
    g.SetBounds(0, 0, 420, 160);
    g.SetColCount(6);
    g.SetRowCount(30);
    g.SetDefaultRowHeight(20);
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 6; ++c)
            g.SetCells(c, r, r == 0 ? "Col " + std::to_string(c) : c == 0 ? std::to_string(r) : std::to_string(r * c));
    g.SetColWidths(0, 30);
    std::vector<Drawn> drawn;
    g.OnDrawCell = [&](TObject*, int c, int r, TRect rect, TGridDrawState s) {
        drawn.push_back({c, r, s});
        if (c == 2 && r == 3) {
            g.Canvas().Brush.SetColor(clRed);
            g.Canvas().FillRect(Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2));
        }
    };
    g.SetSelection({3, 2, 4, 3});   // current cell (3, 2), the others highlighted
    g.Widget()->show();
    QApplication::processEvents();
    QImage img = g.Widget()->grab().toImage();
    ASSERT_EQ(img.width(), 420);
    // The custom cell, the fixed colour, the body colour, the selected cell.
    QPoint red = Centre(g, 2, 3);
    EXPECT_EQ(QRgbToTColor(img.pixel(red)), clRed);
    EXPECT_EQ(QRgbToTColor(img.pixel(Centre(g, 4, 0).x() + 25, 4)), ColorToRGB(clBtnFace));
    EXPECT_EQ(QRgbToTColor(img.pixel(2 + g.CellRect(4, 4).Right - 3, 2 + g.CellRect(4, 4).Bottom - 3)), clWhite);
    EXPECT_EQ(QRgbToTColor(img.pixel(2 + g.CellRect(4, 3).Right - 3, 2 + g.CellRect(4, 3).Bottom - 3)), ColorToRGB(clHighlight));
    bool fixedSeen = false, selectedSeen = false;
    for (auto& d : drawn) {
        if (d.row == 0 || d.col == 0) {
            EXPECT_TRUE(d.state & gdFixed);
            fixedSeen = true;
        }
        if (d.col == 3 && d.row == 2) {
            EXPECT_EQ(d.state, g.Focused() ? gdFocused : gdSelected);
        }
        if (d.col == 4 && d.row == 3) {
            EXPECT_EQ(d.state, gdSelected);
            selectedSeen = true;
        }
    }
    EXPECT_TRUE(fixedSeen && selectedSeen);
    std::string dir = GetTempDir() + "bz_grid_test/";
    ForceDirectories(dir);
    img.save(QString::fromStdString(dir + "grid_top.png"));

    // Scrolled: the fixed row is drawn, then rows from the top row on.
    drawn.clear();
    g.SetTopRow(12);
    img = g.Widget()->grab().toImage();
    img.save(QString::fromStdString(dir + "grid_scrolled.png"));
    bool row0 = false, row5 = false, row12 = false;
    for (auto& d : drawn) {
        row0 |= d.row == 0;
        row5 |= d.row == 5;
        row12 |= d.row == 12;
    }
    EXPECT_TRUE(row0);
    EXPECT_FALSE(row5);
    EXPECT_TRUE(row12);
    EXPECT_LT(g.ClientWidth(), 420 - 4);   // the vertical scroll bar takes its place
}

TEST(StringGrid, KeysMouseVetoSizingAndEditor)
{
    QWidget host;
    host.resize(500, 300);
    TStringGrid g(nullptr);
    g.Widget()->setParent(&host);
    g.SetBounds(0, 0, 400, 200);
    g.SetRowCount(12);
    g.SetOptions(g.Options() | goColSizing | goEditing);
    host.show();
    g.SetFocus();
    QApplication::processEvents();
    int selects = 0;
    g.OnSelectCell = [&](TObject*, int, int row, bool& can) {
        ++selects;
        can = row != 4;
    };
    Key(g, Qt::Key_Down);
    EXPECT_EQ(g.Row(), 2);
    Key(g, Qt::Key_Down);
    Key(g, Qt::Key_Down);   // row 4 refused
    EXPECT_EQ(g.Row(), 3);
    EXPECT_GE(selects, 3);
    Key(g, Qt::Key_Right);
    EXPECT_EQ(g.Col(), 2);

    QPoint p = Centre(g, 3, 2);
    SendMouse(g, QEvent::MouseButtonPress, p.x(), p.y());
    SendMouse(g, QEvent::MouseButtonRelease, p.x(), p.y(), Qt::NoButton);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 2);

    // Column sizing: drag the border after column 1 in the fixed row 20 pixels right.
    int border = 2 + g.CellRect(1, 0).Right;
    SendMouse(g, QEvent::MouseButtonPress, border, 10);
    SendMouse(g, QEvent::MouseMove, border + 20, 10);
    SendMouse(g, QEvent::MouseButtonRelease, border + 20, 10, Qt::NoButton);
    EXPECT_EQ(g.ColWidths(1), 84);

    // Typing opens the editor with the character; Enter keeps the text.
    std::string edited;
    g.OnSetEditText = [&](TObject*, int, int, const std::string& v) { edited = v; };
    Key(g, Qt::Key_X, "x");
    ASSERT_TRUE(g.EditorMode());
    Key(g, Qt::Key_Y, "y");
    Key(g, Qt::Key_Return);
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Cells(3, 2), "xy");
    EXPECT_EQ(edited, "xy");
    // F2 opens it on the text; Escape gives the old text back.
    Key(g, Qt::Key_F2);
    ASSERT_TRUE(g.EditorMode());
    Key(g, Qt::Key_Z, "z");
    Key(g, Qt::Key_Escape);
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Cells(3, 2), "xy");
    // The selection moves on; the editor wrote into its own cell only.
    Key(g, Qt::Key_Down);
    EXPECT_EQ(g.Cells(3, 3), "");
    // The cell's edit mask: two letters in capitals, a digit refused.
    g.OnGetEditMask = [](TObject*, int, int, std::string& m) { m = ">LL;1;_"; };
    Key(g, Qt::Key_F2);
    ASSERT_TRUE(g.EditorMode());
    Key(g, Qt::Key_A, "a");
    Key(g, Qt::Key_1, "1");
    Key(g, Qt::Key_B, "b");
    Key(g, Qt::Key_Return);
    EXPECT_EQ(g.Cells(3, 3), "AB");
    g.Widget()->setParent(nullptr);
}

TEST(StringGrid, RowsMoveWithTheirTexts)
{
    TStringGrid g(nullptr);
    g.SetRowCount(4);
    g.SetCells(1, 1, "a");
    g.SetCells(1, 2, "b");
    int from = -1, to = -1;
    g.OnRowMoved = [&](TObject*, int f, int t) { from = f; to = t; };
    g.MoveRow(1, 3);
    EXPECT_EQ(g.Cells(1, 3), "a");
    EXPECT_EQ(g.Cells(1, 1), "b");
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 3);
    g.ExchangeRows(1, 3);
    EXPECT_EQ(g.Cells(1, 1), "a");
    g.SetColCount(1);   // fixed columns follow the count down
    EXPECT_EQ(g.FixedCols(), 0);
    EXPECT_EQ(g.Cells(0, 1), "");
}

// A grid sized to all its rows inside a scroll box (as the program's long
// lists are): a paint draws the rows the box shows, not the thousands it holds.
TEST(StringGrid, InAScrollBoxOnlyTheRowsShownAreDrawn)
{
    TScrollBox box(nullptr);
    box.SetBounds(0, 0, 300, 200);
    auto* g = new TStringGrid(&box);
    g->SetParent(&box);
    g->SetColCount(3);
    g->SetRowCount(3000);
    g->SetDefaultRowHeight(20);
    g->SetScrollBars(ssNone);
    g->SetBounds(0, 0, 260, 3000 * 21 + 4);
    for (int r = 0; r < 3000; ++r)
        g->SetCells(1, r, std::to_string(r));
    std::vector<int> rangees;
    g->OnDrawCell = [&](TObject*, int c, int r, TRect rect, TGridDrawState) {
        if (c == 1)
            rangees.push_back(r);
        if (c == 2 && r == 2100) {
            g->Canvas().Brush.SetColor(clRed);
            g->Canvas().FillRect(Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2));
        }
    };
    box.Widget()->show();
    QApplication::processEvents();
    box.SetVertPosition(2 + g->CellRect(2, 2100).Top - 50);
    QApplication::processEvents();
    rangees.clear();
    const QImage img = box.Widget()->grab().toImage();
    ASSERT_FALSE(rangees.empty()) << box.VertRange();
    EXPECT_LT(rangees.size(), 40u);
    EXPECT_NE(std::find(rangees.begin(), rangees.end(), 2100), rangees.end());
    // The cell drawn where the box shows it.
    const TRect cell = g->CellRect(2, 2100);
    const QPoint dansBoite = g->Widget()->mapTo(box.Widget(), QPoint(2 + (cell.Left + cell.Right) / 2, 2 + (cell.Top + cell.Bottom) / 2));
    EXPECT_EQ(QRgbToTColor(img.pixel(dansBoite)), clRed);
}

// Typing on a cell whose mask takes two digits: the first key opens the
// editor, the second goes after it.
TEST(StringGrid, TypingTwoDigitsUnderAMask)
{
    QWidget host;
    host.resize(300, 200);
    TStringGrid g(nullptr);
    g.Widget()->setParent(&host);
    g.SetBounds(0, 0, 250, 150);
    g.SetOptions(g.Options() | goEditing);
    g.OnGetEditMask = [](TObject*, int, int, std::string& m) { m = "!90"; };
    host.show();
    g.SetFocus();
    QApplication::processEvents();
    Key(g, Qt::Key_1, "1");
    ASSERT_TRUE(g.EditorMode());
    Key(g, Qt::Key_2, "2");
    Key(g, Qt::Key_Return);
    EXPECT_EQ(g.Cells(1, 1), "12");
    g.Widget()->setParent(nullptr);
}

// Enter closes the editor without the grid losing the focus to the next
// control (which would tell the grid it was left); four digits under a mask.
TEST(StringGrid, EditorKeepsTheFocusAndTakesTypedDigitsUnderAMask)
{
    QWidget host;
    host.resize(500, 300);
    TStringGrid g(nullptr);
    g.Widget()->setParent(&host);
    g.SetBounds(0, 0, 400, 200);
    g.SetOptions(g.Options() | goEditing);
    QWidget autre(&host);
    autre.setFocusPolicy(Qt::StrongFocus);
    autre.setGeometry(420, 0, 40, 20);
    host.show();
    host.activateWindow();
    g.SetFocus();
    QApplication::processEvents();
    int sorties = 0;
    g.OnExit = [&](TObject*) { ++sorties; };
    g.OnGetEditMask = [](TObject*, int, int, std::string& m) { m = "!0000"; };
    Key(g, Qt::Key_2, "2");
    ASSERT_TRUE(g.EditorMode());
    for (const char* c : {"0", "0", "4"})
        Key(g, Qt::Key_0 + (c[0] - '0'), c);
    Key(g, Qt::Key_Return);
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Cells(1, 1), "2004");
    EXPECT_EQ(sorties, 0);
    EXPECT_TRUE(g.Widget()->hasFocus());
    g.Widget()->setParent(nullptr);
}

// What a cell holds stays as it is unless typed over: a cell opened and left
// with nothing typed is not rewritten (a mask narrower than its figure would
// cut it). Ctrl+V on a selected cell opens it and takes the paste as typed
// there; a paste of two figures is refused, said, never joined. A text the
// window refused, left by the focus unchanged, is not weighed again.
TEST(StringGrid, ACellKeepsWhatItHoldsUnlessTypedOverAndTakesAPasteWhenSelected)
{
    QWidget host;
    host.resize(500, 300);
    TStringGrid g(nullptr);
    g.Widget()->setParent(&host);
    g.SetBounds(0, 0, 400, 200);
    g.SetOptions(g.Options() | goEditing | goTabs);
    QWidget autre(&host);
    autre.setFocusPolicy(Qt::StrongFocus);
    autre.setGeometry(420, 0, 40, 20);
    host.show();
    QApplication::processEvents();
    std::string masque;
    int64_t plafond = 0;
    g.OnGetEditMask = [&](TObject*, int, int, std::string& m) { m = masque; };
    g.OnGetEditMaximum = [&](int, int) { return plafond; };
    std::vector<std::string> ecrits;
    bool refuse = false;
    g.OnSetEditText = [&](TObject*, int, int, const std::string& v) {
        ecrits.push_back(v);
        if (refuse && v == "x") g.RefuseEdit();
    };
    auto ouvre = [&] {
        const QPoint p = Centre(g, 1, 1);
        for (int i = 0; i < 2; ++i) {
            SendMouse(g, QEvent::MouseButtonPress, p.x(), p.y());
            SendMouse(g, QEvent::MouseButtonRelease, p.x(), p.y(), Qt::NoButton);
        }
    };
    auto colle = [&](const char* texte, int touche = Qt::Key_V, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(texte));
        Key(g, touche, {}, mods);
        Key(g, Qt::Key_Return);
    };
    struct Cas
    {
        const char* nom;
        const char* masque;
        const char* tenu;
        std::function<void()> geste;
        const char* garde;                // the cell after
        std::vector<std::string> ecrits;  // what the window was given
        std::string dit;                  // what was refused ("": nothing)
    };
    const std::string deux = DialogTexts().OneNumber;
    const Cas cas[] = {
        {"clicked in, Tab out, under a narrower mask", "!90", "123", [&] { ouvre(); Key(g, Qt::Key_Tab); }, "123", {}, ""},
        {"clicked in, the focus elsewhere", "!990", "1000", [&] { ouvre(); autre.setFocus(); }, "1000", {}, ""},
        {"Ctrl+V on the selected cell", "!990", "5", [&] { colle("42"); }, "42", {"42", "42"}, ""},
        {"Shift+Insert on the selected cell", "", "x", [&] { colle("abc", Qt::Key_Insert, Qt::ShiftModifier); },
         "abc", {"abc", "abc"}, ""},
        {"Ctrl+V of two lines", "!990", "5", [&] { colle("2\n1"); }, "5", {}, deux},
        {"a figure past the cell's largest", "!990", "", [&] {
             plafond = 255;
             for (const char* c : {"2", "5", "6"}) Key(g, Qt::Key_0 + (c[0] - '0'), c);
             Key(g, Qt::Key_Return);
             plafond = 0;
         }, "25", {"2", "25", "25"}, Format(DialogTexts().NumberFromTo, {0, 255})},
        {"Ctrl+V of 1 000 in its editor", "!9990", "5", [&] {
             Key(g, Qt::Key_F2);
             colle("1 000");
         }, "1000", {"1000", "1000"}, ""},
        {"a refused text the focus leaves unchanged", "", "", [&] {
             refuse = true;
             Key(g, Qt::Key_X, "x");
             Key(g, Qt::Key_Return);
             autre.setFocus();
             QApplication::processEvents();
             refuse = false;
         }, "x", {"x", "x"}, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        masque = c.masque;
        g.SetCells(1, 1, c.tenu);
        g.FocusCell(1, 1, true);
        g.SetFocus();
        QApplication::processEvents();
        ecrits.clear();
        kit::Refusals().clear();
        c.geste();
        QApplication::processEvents();
        if (g.EditorMode()) Key(g, Qt::Key_Escape);
        EXPECT_EQ(g.Cells(1, 1), c.garde);
        EXPECT_EQ(ecrits, c.ecrits);
        EXPECT_EQ(kit::Refusals().empty() ? std::string() : kit::Refusals().back().reason, c.dit);
        g.CommitPendingEdit();
        if (g.EditorMode()) Key(g, Qt::Key_Escape);
    }
    g.Widget()->setParent(nullptr);
}
