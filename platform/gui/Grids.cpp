// The grid controls: painting, scroll bars, mouse, keys and the in-place editor.
#include "platform/gui/Grids.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <optional>

#include "platform/gui/Dialogs.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Mask.h"
#include "platform/rtl/Format.h"

namespace guiimpl {

// The Qt parts of a grid: its scroll bars and its editor.
class GridParts : public QObject
{
public:
    explicit GridParts(TCustomGrid* g) : grid(g) {}

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Wheel && watched == grid->Widget()) {
            auto* we = static_cast<QWheelEvent*>(e);
            int steps = we->angleDelta().y() / 120;
            if (steps) Guard([&] { grid->SetTopRow(grid->TopRow() - 3 * steps); });
            return true;
        }
        if (watched == editor && e->type() == QEvent::KeyPress) return EditorKey(static_cast<QKeyEvent*>(e));
        if (watched == editor && e->type() == QEvent::FocusOut && editing) {
            // Another window or a menu takes the keyboard for a while (a
            // box, a save's progress): the editor stays as it is.
            const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
            if (why == Qt::ActiveWindowFocusReason || why == Qt::PopupFocusReason) return false;
            // The focus goes to another control: a refused text is not
            // kept, and the focus is let go.
            Guard([&] { grid->CommitEditor(false); });
            return false;
        }
        return false;
    }

    bool EditorKey(QKeyEvent* ke)
    {
        bool handled = true;
        Guard([&] {
            switch (ke->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (grid->CommitEditor() && grid->OnEditorReturn) grid->OnEditorReturn(grid);
                break;
            case Qt::Key_Escape:
                refusedText.reset();
                pending.reset();
                grid->SetEditText(editCol, editRow, original);
                Close(false);
                break;
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_Tab:
            case Qt::Key_Backtab: {
                if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) && !(grid->Options() & goTabs)) {
                    handled = false;
                    return;
                }
                if ((ke->key() == Qt::Key_Left || ke->key() == Qt::Key_Right) && !grid->EditorArrowsMoveCell) {
                    handled = false;
                    return;
                }
                if (!grid->CommitEditor()) return;
                WORD key = ke->key() == Qt::Key_Up     ? VK_UP
                           : ke->key() == Qt::Key_Down ? VK_DOWN
                           : ke->key() == Qt::Key_Left ? VK_LEFT
                           : ke->key() == Qt::Key_Right ? VK_RIGHT
                                                        : VK_TAB;
                TShiftState shift = ke->key() == Qt::Key_Backtab ? TShiftState(ssShift) : 0u;
                Dispatch::KeyDown(grid, key, shift);
                break;
            }
            default:
                handled = ke->matches(QKeySequence::Paste) ? MaskedPaste() : MaskedKey(ke);
            }
        });
        return handled;
    }

    // A printable key under an input mask: the line edit would blank a
    // selection it cannot fill with a character the mask refuses. Such a key
    // leaves the text, its selection and the cell as they were.
    bool MaskedKey(QKeyEvent* ke)
    {
        const QString typed = ke->text();
        if (editor->inputMask().isEmpty() || typed.size() != 1 || !typed[0].isPrint()) return false;
        MaskedEdit(typed, [&] { static_cast<QObject*>(editor)->event(ke); });
        return true;
    }

    // A paste under an input mask: the line edit would keep what the mask's
    // places take and drop the rest. A paste that does not go in whole is
    // refused whole, and said: a number is never cut to another.
    // What is pasted is taken as the same keys typed would be (KeptText).
    bool MaskedPaste()
    {
        bool lost = false;
        QString pasted = KeptText(QGuiApplication::clipboard()->text(), TKept::Key, &lost).trimmed();
        if (editor->inputMask().isEmpty()) return false;
        if (lost) {
            RefuseInput(grid, DialogTexts().LettersLeftOut);
            return true;
        }
        // A cell of digits takes one figure: two lines, two cells of a
        // sheet or "1 2" are refused, never joined into a third.
        if (const std::string why = MaskReason(editor->inputMask()); why != DialogTexts().LettersLeftOut) {
            std::string figure, reason;
            if (!PastedFigure(QStringToAnsi(pasted), figure, reason, why == DialogTexts().SignedWholeNumber)) {
                RefuseInput(grid, reason);
                return true;
            }
            pasted = AnsiToQString(figure);
        }
        if (pasted.isEmpty()) return false;
        MaskedEdit(pasted, [&] { editor->insert(pasted); });
        return true;
    }

    // Puts a text in the masked editor by edit(); when it does not go in
    // whole, the text, its selection and the cell stay as they were, and
    // the refusal is said: a text longer than the mask's places as such,
    // any other by what the mask's places take.
    void MaskedEdit(const QString& put, const std::function<void()>& edit)
    {
        const QString before = editor->text();
        const int cursor = editor->cursorPosition();
        const int selStart = editor->selectionStart();
        const int selLength = static_cast<int>(editor->selectedText().size());
        {
            const QSignalBlocker quiet(editor);
            edit();
        }
        const QString after = editor->text();
        const int64_t haut = grid->OnGetEditMaximum ? grid->OnGetEditMaximum(editCol, editRow) : 0;
        const int places = MaskPlaces(editor->inputMask());
        // A key at the end of a cell whose places are all filled finds no
        // room, whatever it is (the text may hold that character already).
        const bool plein = put.size() == 1 && selLength == 0 && after == before && cursor >= before.size() &&
                           QString(before).remove(' ').size() >= places;
        const bool pris = !plein && after.contains(put, Qt::CaseInsensitive);
        if (pris && haut > 0 && Figure(after) > haut) {
            // Past what the cell's field holds: refused whole, the bounds said.
            RefuseInput(grid, Format(DialogTexts().NumberFromTo, {0, static_cast<int>(haut)}));
        } else if (pris) {
            if (after != before) {
                touched = true;
                grid->SetEditText(editCol, editRow, QStringToAnsi(after));
            }
            return;
        } else {
            RefuseInput(grid, plein || put.size() > places ? Format(DialogTexts().TooLong, {places})
                                                           : MaskReason(editor->inputMask()));
        }
        const QSignalBlocker quiet(editor);
        SetProgramText(editor, before);
        if (selStart >= 0 && selLength > 0)
            editor->setSelection(selStart, selLength);
        else
            editor->setCursorPosition(cursor);
    }

    // The number the digits of a masked text make (past any bound: capped).
    static int64_t Figure(const QString& text)
    {
        int64_t v = 0;
        for (QChar c : text)
            if (c >= '0' && c <= '9') v = std::min<int64_t>(v * 10 + (c.unicode() - '0'), int64_t{1} << 40);
        return v;
    }

    // Why a mask refuses what it cannot take: a whole number when its places
    // take digits only (a sign too), else characters left out.
    static std::string MaskReason(const QString& mask)
    {
        bool signe = false;
        for (qsizetype i = 0; i < mask.size() && mask[i] != ';'; ++i) {
            const QChar c = mask[i];
            if (c == '\\') {
                ++i;
                continue;
            }
            if (QStringLiteral("AaNnXxHhBb").contains(c)) return DialogTexts().LettersLeftOut;
            signe = signe || c == '#';
        }
        return signe ? DialogTexts().SignedWholeNumber : DialogTexts().WholeNumber;
    }

    // The characters an input mask takes (its places, not its literals).
    static int MaskPlaces(const QString& mask)
    {
        int n = 0;
        for (qsizetype i = 0; i < mask.size() && mask[i] != ';'; ++i) {
            const QChar c = mask[i];
            if (c == '\\') {
                ++i;   // an escaped literal
                continue;
            }
            if (QStringLiteral("AaNnXx90Dd#HhBb").contains(c)) ++n;
        }
        return n;
    }

    // A paste into a cell opened for it: taken as the same text typed would be.
    void Paste()
    {
        if (!editor->inputMask().isEmpty())
            MaskedPaste();
        else
            editor->paste();
    }

    void Close(bool keepFocus = true)
    {
        editing = false;
        if (editor) {
            editor->hide();
            if (keepFocus && grid->Widget()) grid->Widget()->setFocus();
        }
        if (!keepFocus && grid->Widget()) grid->Widget()->setFocus();
    }

    TCustomGrid* grid;
    QScrollBar* vbar = nullptr;
    QScrollBar* hbar = nullptr;
    QLineEdit* editor = nullptr;
    bool editing = false;
    // The user typed, pasted or was given back a text since the editor
    // opened: an editor clicked through shows the cell and rewrites nothing.
    bool touched = false;
    bool refused = false;     // the text being taken was refused
    bool committing = false;  // SetEditText weighs the editor's text
    std::optional<std::string> refusedText;   // the editor reopened on it
    // A text refused that the focus left: its cell's to correct. said: the
    // window said why as the focus left, in the gesture still going on.
    struct Pending
    {
        int col = 0, row = 0;
        std::string text;
        bool said = false;
    };
    std::optional<Pending> pending;
    std::string original;
    int editCol = 0;
    int editRow = 0;
};

}  // namespace guiimpl

namespace {

int BorderWidth(TBorderStyle b) { return b == bsNone ? 0 : 2; }

}  // namespace

// ---- TCustomGrid ----------------------------------------------------------------------

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner), parts_(std::make_unique<guiimpl::GridParts>(this))
{
    SetTabStop(true);
    SetColor(clWindow);
    QWidget* w = Widget();
    w->setFocusPolicy(Qt::StrongFocus);
    parts_->vbar = new QScrollBar(Qt::Vertical, w);
    parts_->hbar = new QScrollBar(Qt::Horizontal, w);
    parts_->vbar->hide();
    parts_->hbar->hide();
    parts_->vbar->setFocusPolicy(Qt::NoFocus);
    parts_->hbar->setFocusPolicy(Qt::NoFocus);
    QObject::connect(parts_->vbar, &QScrollBar::valueChanged, parts_.get(), [this](int v) {
        if (!updatingBars_) guiimpl::Guard([&] { SetTopRow(v); });
    });
    QObject::connect(parts_->hbar, &QScrollBar::valueChanged, parts_.get(), [this](int v) {
        if (!updatingBars_) guiimpl::Guard([&] { SetLeftCol(v); });
    });
    w->installEventFilter(parts_.get());
    SetBounds(0, 0, 320, 120);
    UpdateViewSize();
}

TCustomGrid::~TCustomGrid()
{
    // The widgets go with the control's widget; the filter must not outlive them.
    if (QWidget* w = Widget()) w->removeEventFilter(parts_.get());
}

int TCustomGrid::ClientWidth() const
{
    int w = width_ - 2 * BorderWidth(borderStyle_);
    if (parts_ && parts_->vbar && !parts_->vbar->isHidden()) w -= parts_->vbar->sizeHint().width();
    return std::max(0, w);
}

int TCustomGrid::ClientHeight() const
{
    int h = height_ - 2 * BorderWidth(borderStyle_);
    if (parts_ && parts_->hbar && !parts_->hbar->isHidden()) h -= parts_->hbar->sizeHint().height();
    return std::max(0, h);
}

void TCustomGrid::SetScrollBars(TScrollStyle s)
{
    scrollBars_ = s;
    UpdateViewSize();
}

void TCustomGrid::SetBorderStyle(TBorderStyle b)
{
    borderStyle_ = b == bsNone ? bsNone : bsSingle;
    UpdateViewSize();
}

void TCustomGrid::SetOptions(TGridOptions o)
{
    if (!(o & goEditing) && EditorMode()) HideEditor();
    TGridModel::SetOptions(o);
    if (parts_ && parts_->vbar) {
        parts_->vbar->setTracking(true);
        parts_->hbar->setTracking(true);
    }
}

void TCustomGrid::BoundsChanged(bool sized)
{
    TCustomControl::BoundsChanged(sized);
    if (sized) UpdateViewSize();
}

void TCustomGrid::UpdateViewSize()
{
    if (!parts_ || !parts_->vbar) return;
    // Showing one bar narrows the view, which may call for the other: settle in two rounds.
    for (int round = 0; round < 3; ++round) {
        SetViewSize(ClientWidth(), ClientHeight());
        bool needV = (scrollBars_ == ssVertical || scrollBars_ == ssBoth) && MaxTopRow() > FixedRows();
        bool needH = (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && MaxLeftCol() > FixedCols();
        bool changed = needV == parts_->vbar->isHidden() || needH == parts_->hbar->isHidden();
        parts_->vbar->setVisible(needV);
        parts_->hbar->setVisible(needH);
        if (!changed) break;
    }
    SetViewSize(ClientWidth(), ClientHeight());
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
}

void TCustomGrid::UpdateScrollBars()
{
    if (!parts_ || !parts_->vbar) return;
    int b = BorderWidth(borderStyle_);
    int vw = parts_->vbar->sizeHint().width(), hh = parts_->hbar->sizeHint().height();
    bool v = !parts_->vbar->isHidden(), h = !parts_->hbar->isHidden();
    updatingBars_ = true;
    if (v) {
        parts_->vbar->setGeometry(width_ - b - vw, b, vw, std::max(0, height_ - 2 * b - (h ? hh : 0)));
        parts_->vbar->setRange(FixedRows(), MaxTopRow());
        parts_->vbar->setPageStep(std::max(1, VisibleRowCount()));
        parts_->vbar->setValue(TopRow());
    }
    if (h) {
        parts_->hbar->setGeometry(b, height_ - b - hh, std::max(0, width_ - 2 * b - (v ? vw : 0)), hh);
        parts_->hbar->setRange(FixedCols(), MaxLeftCol());
        parts_->hbar->setPageStep(std::max(1, VisibleColCount()));
        parts_->hbar->setValue(LeftCol());
    }
    updatingBars_ = false;
}

void TCustomGrid::GeometryChanged()
{
    UpdateViewSize();
}

void TCustomGrid::CountsChanged()
{
    // Other rows or columns: the cell refused is no more the one typed in.
    if (parts_) parts_->pending.reset();
}

void TCustomGrid::SelectionChanged()
{
    if (EditorMode()) CommitEditor();
    Invalidate();
}

void TCustomGrid::RefuseEdit()
{
    if (parts_->committing)
        parts_->refused = true;
    else
        RefuseCell(Col(), Row());
}

void TCustomGrid::RefuseCell(int col, int row)
{
    // Set directly: the window weighing a move may call this from
    // OnSelectCell, where asking it again would loop.
    if (col != Col() || row != Row()) FocusCellUnchecked(col, row);
    if (CanFocus() && !Focused() && !(parts_->editor && parts_->editor->hasFocus())) SetFocus();
}

void TCustomGrid::TopLeftChanged()
{
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::InvalidateCell(int col, int row)
{
    TRect r = CellRect(col, row);
    int b = BorderWidth(borderStyle_);
    if (QWidget* w = Widget(); w && !r.IsEmpty())
        w->update(QRect(r.Left + b, r.Top + b, r.Width() + GridLineWidth(), r.Height() + GridLineWidth()));
}

void TCustomGrid::InvalidateRow(int row)
{
    for (int c = 0; c < ColCount(); ++c) InvalidateCell(c, row);
}

void TCustomGrid::InvalidateCol(int col)
{
    for (int r = 0; r < RowCount(); ++r) InvalidateCell(col, r);
}

void TCustomGrid::MoveRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) return;
    TGridModel::MoveRow(from, to);
    RowMoved(from, to);
}

void TCustomGrid::MoveColumn(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= ColCount() || to >= ColCount()) return;
    TGridModel::MoveColumn(from, to);
    ColumnMoved(from, to);
}

void TCustomGrid::ColumnMoved(int from, int to)
{
    Invalidate();
    if (OnColumnMoved) OnColumnMoved(this, from, to);
}

void TCustomGrid::RowMoved(int from, int to)
{
    Invalidate();
    if (OnRowMoved) OnRowMoved(this, from, to);
}

bool TCustomGrid::SelectCell(int ACol, int ARow)
{
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

std::string TCustomGrid::GetEditText(int ACol, int ARow)
{
    std::string v;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, v);
    return v;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

std::string TCustomGrid::GetEditMask(int ACol, int ARow)
{
    std::string v;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, v);
    return v;
}

// ---- painting ---------------------------------------------------------------------------

void TCustomGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TCustomGrid::Paint()
{
    TCanvas& c = Canvas();
    QPainter* p = c.Painter();
    if (!p) return;
    int b = BorderWidth(borderStyle_);
    if (b) {
        // A sunken frame around the client area.
        c.Pen.SetWidth(1);
        c.Brush.SetStyle(bsClear);
        c.Pen.SetColor(clBtnShadow);
        c.Rectangle(0, 0, width_, height_);
        c.Pen.SetColor(cl3DDkShadow);
        c.Rectangle(1, 1, width_ - 1, height_ - 1);
        c.Pen.SetColor(clBtnHighlight);
        c.MoveTo(0, height_ - 1);
        c.LineTo(width_ - 1, height_ - 1);
        c.LineTo(width_ - 1, -1);
        c.Brush.SetStyle(bsSolid);
    }
    p->save();
    p->translate(b, b);
    p->setClipRect(QRect(0, 0, ClientWidth(), ClientHeight()), Qt::IntersectClip);
    bool focused = Focused() || (parts_->editing && parts_->editor && parts_->editor->hasFocus());
    bool rowSelect = Options() & goRowSelect;
    std::vector<int> rows, cols, ys, xs;
    VisibleRows(rows, ys);
    VisibleCols(cols, xs);
    // Only the rows the paint redraws (a grid sized to all its rows in a
    // scroll box shows a few of thousands).
    {
        const TRect zone = PaintArea();
        size_t garde = 0;
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i] < FixedRows()
                || (ys[i] + b <= zone.Bottom && ys[i] + b + RowHeights(rows[i]) + GridLineWidth() >= zone.Top)) {
                rows[garde] = rows[i];
                ys[garde++] = ys[i];
            }
        rows.resize(garde);
        ys.resize(garde);
    }

    TFont font = Font();
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        for (size_t j = 0; j < cols.size(); ++j) {
            const int k = cols[j];
            TRect rect = Rect(xs[j], ys[i], xs[j] + ColWidths(k), ys[i] + RowHeights(r));
            if (rect.IsEmpty()) continue;
            TGridDrawState state = 0;
            bool fixed = k < FixedCols() || r < FixedRows();
            if (fixed) state |= gdFixed;
            bool current = k == Col() && r == Row();
            if (!fixed && current && focused) state |= gdFocused;
            if (!fixed && IsSelected(k, r) && (!current || rowSelect || (Options() & goDrawFocusSelected) || !focused))
                state |= gdSelected;
            c.Font = font;
            c.Pen.SetWidth(1);
            c.Pen.SetColor(clBlack);
            c.Brush.SetStyle(bsSolid);
            c.SetCopyMode(cmSrcCopy);
            if (DefaultDrawing) {
                if (fixed) {
                    c.Brush.SetColor(fixedColor_);
                } else if (state & gdSelected) {
                    c.Brush.SetColor(clHighlight);
                    c.Font.SetColor(clHighlightText);
                } else {
                    c.Brush.SetColor(Color());
                }
                c.FillRect(rect);
            } else {
                c.Brush.SetColor(fixed ? fixedColor_ : Color());
            }
            p->save();
            DrawCell(k, r, rect, state);
            p->restore();
            if (DefaultDrawing && fixed && (Options() & (goFixedVertLine | goFixedHorzLine)) == (goFixedVertLine | goFixedHorzLine)) {
                // Raised edges of the fixed cells.
                c.Pen.SetWidth(1);
                c.Pen.SetColor(clBtnHighlight);
                c.MoveTo(rect.Left, rect.Bottom - 1);
                c.LineTo(rect.Left, rect.Top);
                c.LineTo(rect.Right, rect.Top);
            }
            if (DefaultDrawing && (state & gdFocused) && !rowSelect && !parts_->editing) c.DrawFocusRect(rect);
        }
    }
    // Grid lines after each cell.
    int gw = GridWidth(), gh = GridHeight();
    for (size_t j = 0; j < cols.size(); ++j) {
        const int k = cols[j];
        int lw = VertLineWidth(k);
        TRect rect = Rect(xs[j], 0, xs[j] + ColWidths(k), 0);
        if (lw == 0) continue;
        int fixedRowsH = 0;
        for (int r = 0; r < FixedRows(); ++r) fixedRowsH += RowHeights(r) + HorzLineWidth(r);
        if (k < FixedCols()) {
            p->fillRect(QRect(rect.Right, 0, lw, gh), TColorToQColor(clBlack));
        } else {
            if (Options() & goFixedVertLine) p->fillRect(QRect(rect.Right, 0, lw, fixedRowsH), TColorToQColor(clBlack));
            p->fillRect(QRect(rect.Right, fixedRowsH, lw, gh - fixedRowsH), TColorToQColor(clSilver));
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        int lw = HorzLineWidth(r);
        TRect rect = Rect(0, ys[i], 0, ys[i] + RowHeights(r));
        if (lw == 0) continue;
        int fixedColsW = 0;
        for (int k = 0; k < FixedCols(); ++k) fixedColsW += ColWidths(k) + VertLineWidth(k);
        if (r < FixedRows()) {
            p->fillRect(QRect(0, rect.Bottom, gw, lw), TColorToQColor(clBlack));
        } else {
            if (Options() & goFixedHorzLine) p->fillRect(QRect(0, rect.Bottom, fixedColsW, lw), TColorToQColor(clBlack));
            p->fillRect(QRect(fixedColsW, rect.Bottom, gw - fixedColsW, lw), TColorToQColor(clSilver));
        }
    }
    p->restore();
    if (OnPaint) OnPaint(this);
}

// ---- mouse ---------------------------------------------------------------------------------

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    int b = BorderWidth(borderStyle_);
    int x = X - b, y = Y - b;
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int border = (Options() & goColSizing) ? ColumnBorderAt(x, y) : -1;
        TGridCoord cell = MouseCoord(x, y);
        if (border >= 0) {
            drag_ = Drag::SizeCol;
            dragIndex_ = border;
            dragStartX_ = x;
            dragStartSize_ = ColWidths(border);
        } else if (cell.X >= 0) {
            bool fixedRow = cell.Y < FixedRows(), fixedCol = cell.X < FixedCols();
            if (fixedRow && !fixedCol && (Options() & goColMoving)) {
                drag_ = Drag::MoveCol;
                dragIndex_ = cell.X;
            } else if (fixedCol && !fixedRow && (Options() & goRowMoving)) {
                drag_ = Drag::MoveRow;
                dragIndex_ = cell.Y;
            } else if (!fixedRow && !fixedCol) {
                bool again = cell.X == Col() && cell.Y == Row();
                if (EditorMode() && !CommitEditor()) {
                    TCustomControl::MouseDown(Button, Shift, X, Y);
                    return;
                }
                FocusCell(cell.X, cell.Y, !((Shift & ssShift) && (Options() & goRangeSelect)));
                drag_ = Drag::Select;
                if (again && (Options() & goEditing) && !(Shift & ssShift) && Col() == cell.X && Row() == cell.Y) ShowEditor();
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    int b = BorderWidth(borderStyle_);
    int x = X - b, y = Y - b;
    switch (drag_) {
    case Drag::SizeCol:
        SetColWidths(dragIndex_, std::max(1, dragStartSize_ + x - dragStartX_));
        break;
    case Drag::Select:
        if ((Options() & goRangeSelect) && (Shift & ssLeft)) {
            TGridCoord cell = MouseCoord(std::min(x, ClientWidth() - 1), std::min(y, ClientHeight() - 1));
            if (cell.X >= FixedCols() && cell.Y >= FixedRows()) FocusCell(cell.X, cell.Y, false);
        }
        break;
    default:
        break;
    }
    if (QWidget* w = Widget()) {
        bool overBorder = drag_ == Drag::SizeCol || ((Options() & goColSizing) && ColumnBorderAt(x, y) >= 0);
        w->setCursor(overBorder ? Qt::SplitHCursor : guiimpl::QtCursor(Cursor()));
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    int b = BorderWidth(borderStyle_);
    TGridCoord cell = MouseCoord(X - b, Y - b);
    Drag was = drag_;
    drag_ = Drag::None;
    if (was == Drag::MoveCol && cell.X >= FixedCols() && cell.X != dragIndex_) MoveColumn(dragIndex_, cell.X);
    if (was == Drag::MoveRow && cell.Y >= FixedRows() && cell.Y != dragIndex_) MoveRow(dragIndex_, cell.Y);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- keys ----------------------------------------------------------------------------------

bool TCustomGrid::WantsKey(WORD key) const
{
    return (key == VK_RETURN && (Options() & goEditing)) || (key == VK_ESCAPE && EditorMode()) ||
           (key == VK_TAB && (Options() & goTabs));
}

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    // A paste into the selected cell opens it and is taken as typed there
    // (refused, and said, as a typed text would be).
    const bool ctrlV = Key == 'V' && (Shift & ssCtrl) && !(Shift & (ssShift | ssAlt));
    const bool shiftInser = Key == VK_INSERT && (Shift & ssShift) && !(Shift & (ssCtrl | ssAlt));
    if ((ctrlV || shiftInser) && (Options() & goEditing) && !EditorMode()) {
        Key = 0;
        ShowEditor();
        if (EditorMode()) guiimpl::Guard([&] { parts_->Paste(); });
        return;
    }
    bool extend = (Shift & ssShift) && (Options() & goRangeSelect);
    bool rowSelect = Options() & goRowSelect;
    int col = Col(), row = Row();
    int page = std::max(1, VisibleRowCount());
    switch (Key) {
    case VK_UP: row -= 1; break;
    case VK_DOWN: row += 1; break;
    case VK_LEFT:
        if (rowSelect) { SetLeftCol(LeftCol() - 1); Key = 0; return; }
        col -= 1;
        break;
    case VK_RIGHT:
        if (rowSelect) { SetLeftCol(LeftCol() + 1); Key = 0; return; }
        col += 1;
        break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME:
        if ((Shift & ssCtrl) || rowSelect) row = FixedRows();
        else col = FixedCols();
        break;
    case VK_END:
        if ((Shift & ssCtrl) || rowSelect) row = RowCount() - 1;
        else col = ColCount() - 1;
        break;
    case VK_TAB:
        if (!(Options() & goTabs)) return;
        if (Shift & ssShift) {
            if (--col < FixedCols()) { col = ColCount() - 1; --row; }
            if (row < FixedRows()) return;
        } else {
            if (++col >= ColCount()) { col = FixedCols(); ++row; }
            if (row >= RowCount()) return;
        }
        extend = false;
        break;
    case VK_F2:
    case VK_RETURN:
        if (Options() & goEditing) {
            ShowEditor();
            Key = 0;
        }
        return;
    default:
        return;
    }
    if (Key == VK_TAB) extend = false;
    FocusCell(col, row, !extend);
    Key = 0;
}

void TCustomGrid::KeyPress(char& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == 0) return;
    if ((Options() & goEditing) && static_cast<unsigned char>(Key) >= 32 && !EditorMode()) {
        char ch = Key;
        ShowEditor();
        if (EditorMode()) {
            SetEditorText(std::string(1, ch));
            // A first key the cell's mask refuses leaves its value shown,
            // selected, and is said.
            const QString typed = AnsiToQString(std::string(1, ch));
            if (!parts_->editor->inputMask().isEmpty() && !parts_->editor->text().contains(typed, Qt::CaseInsensitive)) {
                RefuseInput(this, parts_->MaskReason(parts_->editor->inputMask()));
                guiimpl::SetProgramText(parts_->editor, AnsiToQString(parts_->original));
                parts_->editor->selectAll();
                parts_->touched = false;
            } else {
                SetEditText(Col(), Row(), std::string(1, ch));
            }
        }
        Key = 0;
    }
}

// ---- the editor ------------------------------------------------------------------------------

bool TCustomGrid::EditorMode() const { return parts_ && parts_->editing; }

void TCustomGrid::SetEditorMode(bool on)
{
    if (on == EditorMode()) return;
    if (!on) {
        CommitEditor(false);
        return;
    }
    if (!(Options() & goEditing) || CellRect(Col(), Row()).IsEmpty()) return;
    if (!parts_->editor) {
        parts_->editor = new QLineEdit(Widget());
        parts_->editor->setFrame(false);
        guiimpl::KeepText(parts_->editor);
        parts_->editor->installEventFilter(parts_.get());
        QObject::connect(parts_->editor, &QLineEdit::textEdited, parts_.get(), [this](const QString& s) {
            parts_->touched = true;
            guiimpl::Guard([&] { SetEditText(parts_->editCol, parts_->editRow, QStringToAnsi(s)); });
        });
    }
    parts_->editCol = Col();
    parts_->editRow = Row();
    parts_->original = GetEditText(Col(), Row());
    parts_->editor->setInputMask(AnsiToQString(MaskToQtInputMask(ParseEditMask(GetEditMask(Col(), Row())))));
    guiimpl::SetProgramText(parts_->editor, AnsiToQString(parts_->original));
    parts_->editor->setFont(TFontToQFont(Font()));
    parts_->editor->selectAll();
    parts_->touched = false;
    parts_->editing = true;
    PlaceEditor();
    parts_->editor->show();
    parts_->editor->setFocus();
    InvalidateCell(Col(), Row());
}

void TCustomGrid::PlaceEditor()
{
    if (!parts_ || !parts_->editing || !parts_->editor) return;
    TRect r = CellRect(parts_->editCol, parts_->editRow);
    if (r.IsEmpty()) {
        parts_->editor->hide();
        return;
    }
    int b = BorderWidth(borderStyle_);
    parts_->editor->setGeometry(r.Left + b, r.Top + b, r.Width(), r.Height());
    if (!parts_->editor->isVisible()) parts_->editor->show();
}

bool TCustomGrid::CommitEditor(bool reopen)
{
    if (!parts_ || !parts_->editing) return true;
    parts_->editing = false;   // first: committing may move the selection
    std::string text = QStringToAnsi(parts_->editor->text());
    bool hadFocus = parts_->editor->hasFocus();
    // The grid takes the focus back before the editor goes: hiding a focused
    // editor would hand the focus to the next control, and the grid would
    // see itself left.
    if (hadFocus && Widget()) Widget()->setFocus();
    parts_->editor->hide();
    const int col = parts_->editCol, row = parts_->editRow;
    // The focus leaving the grid drops a text refused and not changed
    // since: it was said, the cell holds what it held.
    // It stays the cell's to correct before the window goes.
    const bool dejaRefuse = parts_->refusedText && *parts_->refusedText == text;
    parts_->refusedText.reset();
    if (dejaRefuse && !reopen) {
        parts_->pending = guiimpl::GridParts::Pending{col, row, text, false};
        Invalidate();
        return false;
    }
    // Nothing typed since the editor opened on what the cell holds: the
    // cell keeps it as it is, never rewritten through the editor's text.
    if (!parts_->touched && !dejaRefuse) {
        Invalidate();
        return true;
    }
    parts_->refused = false;
    parts_->committing = true;
    SetEditText(col, row, text);
    parts_->committing = false;
    Invalidate();
    if (!parts_->refused) {
        if (parts_->pending && parts_->pending->col == col && parts_->pending->row == row) parts_->pending.reset();
        return true;
    }
    parts_->refused = false;
    if (col >= ColCount() || row >= RowCount()) return false;
    if (col != Col() || row != Row()) FocusCellUnchecked(col, row);
    if (!reopen) {
        // Said now: the window's check that ends this gesture does not say
        // it twice; a later one does.
        parts_->pending = guiimpl::GridParts::Pending{col, row, text, true};
        QTimer::singleShot(0, parts_.get(), [p = parts_.get()] {
            if (p->pending) p->pending->said = false;
        });
        return false;
    }
    RefuseCell(col, row);
    // The text refused, selected: the next key replaces it; Escape gives
    // back what the cell holds.
    ShowEditor();
    if (EditorMode()) {
        guiimpl::SetProgramText(parts_->editor, AnsiToQString(text));
        parts_->editor->selectAll();
        parts_->refusedText = text;
        parts_->touched = true;
    }
    return false;
}

bool TCustomGrid::CommitPendingEdit()
{
    if (EditorMode()) return CommitEditor();
    if (!parts_ || !parts_->pending) return true;
    const guiimpl::GridParts::Pending p = *parts_->pending;
    parts_->pending.reset();
    if (p.col >= ColCount() || p.row >= RowCount()) return true;
    FocusCellUnchecked(p.col, p.row);
    ShowEditor();
    // A cell no more shown is no more the user's to correct.
    if (!EditorMode()) return true;
    guiimpl::SetProgramText(parts_->editor, AnsiToQString(p.text));
    parts_->editor->selectAll();
    parts_->touched = true;
    if (!p.said) return CommitEditor();
    parts_->refusedText = p.text;
    RefuseCell(p.col, p.row);
    return false;
}

std::string TCustomGrid::EditorText() const
{
    return EditorMode() ? QStringToAnsi(parts_->editor->text()) : std::string();
}

void TCustomGrid::SetEditorText(const std::string& s)
{
    if (EditorMode()) {
        guiimpl::SetProgramText(parts_->editor, AnsiToQString(s));
        parts_->touched = true;
        parts_->editor->deselect();
        // After the text given: under a mask the end is the mask's last
        // place, where the next typed character would be refused.
        if (parts_->editor->inputMask().isEmpty())
            parts_->editor->end(false);
        else
            parts_->editor->setCursorPosition(static_cast<int>(parts_->editor->text().size()));
    }
}

// ---- TStringGrid -----------------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) { cells_.Resize(ColCount(), RowCount()); }

TStringGrid::~TStringGrid() = default;

void TStringGrid::CountsChanged()
{
    cells_.Resize(ColCount(), RowCount());
    TDrawGrid::CountsChanged();
}

void TStringGrid::SetCells(int col, int row, const std::string& s)
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    if (cells_.Cell(col, row) == s) return;
    cells_.SetCell(col, row, s);
    InvalidateCell(col, row);
}

void TStringGrid::SetRows(int row, const std::vector<std::string>& texts)
{
    cells_.SetRow(row, texts);
    InvalidateRow(row);
}

void TStringGrid::SetCols(int col, const std::vector<std::string>& texts)
{
    cells_.SetCol(col, texts);
    InvalidateCol(col);
}

void TStringGrid::ExchangeRows(int a, int b)
{
    cells_.ExchangeRows(a, b);
    int ha = RowHeights(a), hb = RowHeights(b);
    SetRowHeights(a, hb);
    SetRowHeights(b, ha);
    Invalidate();
}

void TStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    if (DefaultDrawing) Canvas().TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int ACol, int ARow)
{
    std::string v = Cells(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, v);
    return v;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    SetCells(ACol, ARow, Value);
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int from, int to)
{
    cells_.MoveColumn(from, to);
    TDrawGrid::ColumnMoved(from, to);
}

void TStringGrid::RowMoved(int from, int to)
{
    cells_.MoveRow(from, to);
    TDrawGrid::RowMoved(from, to);
}
