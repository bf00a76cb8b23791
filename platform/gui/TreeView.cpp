// The tree view: nodes over a QTreeWidget, images and state images drawn by
// the layer, changes the program may refuse, drawing by the program.
#include "platform/gui/ComCtrls.h"

#include <QFontMetrics>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>

#include "platform/gui/Dialogs.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/ImgList.h"
#include "platform/rtl/Strings.h"

using namespace guiimpl;

// ============================================================================
// tree view: the widget
// ============================================================================
namespace {

TTreeNode* NodeFromItem(QTreeWidgetItem* item)
{
    return item ? static_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

class TreeWidget : public QTreeWidget
{
public:
    explicit TreeWidget(TTreeView* t) : tree(t) {}
    TTreeView* tree;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        const QPoint p = e->position().toPoint();
        QTreeWidgetItem* it = itemAt(p);
        if (it && it != currentItem() && tree)
        {
            // What the change runs may add or take away nodes and scroll the
            // tree: the node it allowed becomes current, never the one that
            // lies under the mouse afterwards (none when it went).
            const QPersistentModelIndex demande(indexFromItem(it));
            if (!tree->AllowChange(NodeFromItem(it)) || !demande.isValid())
            {
                e->accept();
                return;
            }
            if (QTreeWidgetItem* voulu = itemFromIndex(demande); itemAt(p) != voulu)
            {
                setFocus(Qt::MouseFocusReason);
                setCurrentItem(voulu);
                e->accept();
                return;
            }
        }
        QTreeWidget::mousePressEvent(e);
    }
    void paintEvent(QPaintEvent* e) override
    {
        if (tree && tree->OnCustomDraw)
        {
            QPainter p(viewport());
            tree->PaintBackground(p);
        }
        QTreeWidget::paintEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override
    {
        // Qt makes the first item current when an empty selection gets the
        // focus; the library's tree selects nothing by itself.
        bool none = !currentIndex().isValid() && tree;
        if (none)
            tree->BeginInternalChange();
        QTreeWidget::focusInEvent(e);
        if (none)
        {
            if (currentIndex().isValid())
                selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
            tree->EndInternalChange();
        }
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_F2 && tree && !tree->ReadOnly)
            if (TTreeNode* n = tree->Selected())
            {
                n->EditText();
                e->accept();
                return;
            }
        QTreeWidget::keyPressEvent(e);
    }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers mods) override
    {
        // Kept through what the change runs (nodes added or taken away).
        const QPersistentModelIndex next(QTreeWidget::moveCursor(action, mods));
        if (next.isValid() && next != currentIndex() && tree &&
            !tree->AllowChange(NodeFromItem(itemFromIndex(next))))
            return currentIndex();
        return next.isValid() ? QModelIndex(next) : currentIndex();
    }
};

class TreeDelegate : public QStyledItemDelegate
{
public:
    explicit TreeDelegate(TTreeView* t) : tree(t) {}
    TTreeView* tree;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* w = static_cast<QTreeWidget*>(tree->Widget());
        TTreeNode* node = NodeFromItem(w->itemFromIndex(index));
        if (!node)
            return;
        painter->save();
        tree->PaintNode(*painter, node, QRectToTRect(option.rect), option.state & QStyle::State_Selected);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        // As wide as PaintNode draws: the pictures, then the text with its
        // margins (the column is sized to its widest item, and Qt's own hint
        // counts no picture, which cut the end of the text).
        if (TTreeNode* node = NodeFromItem(static_cast<QTreeWidget*>(tree->Widget())->itemFromIndex(index)))
        {
            int w = 2 + QFontMetrics(tree->Widget()->font()).horizontalAdvance(AnsiToQString(node->Text())) + 4;
            if (tree->StateImages() && node->StateIndex() > 0)
                w += tree->StateImages()->Width();
            if (tree->Images() && node->ImageIndex() >= 0)
                w += tree->Images()->Width() + 2;
            s.setWidth(std::max(s.width(), w));
        }
        int h = QFontMetrics(tree->Widget()->font()).height() + 2;
        if (tree->Images())
            h = std::max(h, tree->Images()->Height());
        if (tree->StateImages())
            h = std::max(h, tree->StateImages()->Height());
        s.setHeight(h);
        return s;
    }
};

}  // namespace

// The label editor: Enter takes the text, Escape keeps the old one, losing
// the focus takes it.
class LabelEditor : public QLineEdit
{
public:
    LabelEditor(QWidget* parent, TTreeView* t) : QLineEdit(parent), tree(t) {}
    TTreeView* tree;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape)
        {
            // A blank name is refused, and said: the editor stays on it.
            if (e->key() != Qt::Key_Escape && Trim(QStringToAnsi(text())).empty())
            {
                RefuseInput(tree, DialogTexts().EmptyName);
                selectAll();
                return;
            }
            tree->EndEditing(e->key() == Qt::Key_Escape);
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QLineEdit::focusOutEvent(e);
        if (e->reason() != Qt::PopupFocusReason)
            // Only while this editor is the one open: an editor closed
            // already leaves the next one alone.
            QMetaObject::invokeMethod(tree->HubObject(), [t = QPointer<QLineEdit>(this), tree = tree] {
                if (t && t->isVisible() && tree->IsEditing())
                    tree->EndEditing(false);
            }, Qt::QueuedConnection);
    }
};

struct TTreeView::Impl
{
    TreeWidget* widget = nullptr;
    int updating = 0;
    TCanvas canvas;
    LabelEditor* editor = nullptr;
    TTreeNode* edited = nullptr;
};

// ============================================================================
// TTreeNode
// ============================================================================
TTreeNode::TTreeNode(TTreeView* tree, TTreeNode* parent) : tree_(tree), parent_(parent)
{
}

TTreeNode::~TTreeNode() = default;

static QTreeWidgetItem* QItem(const TTreeNode* n)
{
    return static_cast<QTreeWidgetItem*>(n->Item());
}

void TTreeNode::Refresh()
{
    if (QTreeWidgetItem* it = QItem(this))
    {
        it->setText(0, AnsiToQString(text_));
        // Repaint: the delegate draws images and state images.
        it->setData(0, Qt::UserRole + 1, imageIndex_ * 1000 + stateIndex_);
    }
}

void TTreeNode::SetText(const std::string& t) { text_ = t; Refresh(); }
void TTreeNode::SetImageIndex(int i) { imageIndex_ = i; Refresh(); }
void TTreeNode::SetSelectedIndex(int i) { selectedIndex_ = i; Refresh(); }
void TTreeNode::SetStateIndex(int i) { stateIndex_ = i; Refresh(); }

TTreeNode* TTreeNode::Item(int i) const
{
    return i >= 0 && i < Count() ? children_[static_cast<size_t>(i)].get() : nullptr;
}

int TTreeNode::Index() const
{
    const auto& list = parent_ ? parent_->children_ : tree_->nodes_->roots_;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

TTreeNode* TTreeNode::getNextSibling() const
{
    const auto& list = parent_ ? parent_->children_ : tree_->nodes_->roots_;
    int i = Index();
    return i >= 0 && i + 1 < static_cast<int>(list.size()) ? list[static_cast<size_t>(i) + 1].get() : nullptr;
}

TTreeNode* TTreeNode::getPrevSibling() const
{
    const auto& list = parent_ ? parent_->children_ : tree_->nodes_->roots_;
    int i = Index();
    return i > 0 ? list[static_cast<size_t>(i) - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!children_.empty())
        return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (TTreeNode* s = n->getNextSibling())
            return s;
    return nullptr;
}

int TTreeNode::Level() const
{
    int l = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_)
        ++l;
    return l;
}

int TTreeNode::AbsoluteIndex() const
{
    int i = 0;
    for (TTreeNode* n = tree_->nodes_->GetFirstNode(); n; n = n->GetNext(), ++i)
        if (n == this)
            return i;
    return -1;
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const
{
    for (TTreeNode* p = parent_; p; p = p->parent_)
        if (p == node)
            return true;
    return false;
}

bool TTreeNode::Expanded() const
{
    return QItem(this) && QItem(this)->isExpanded();
}

void TTreeNode::SetExpanded(bool v)
{
    if (v == Expanded())
        return;
    bool allow = true;
    if (v && tree_->OnExpanding)
        tree_->OnExpanding(tree_, this, allow);
    if (!v && tree_->OnCollapsing)
        tree_->OnCollapsing(tree_, this, allow);
    if (allow && QItem(this))
        QItem(this)->setExpanded(v);
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (auto& c : children_)
            c->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (auto& c : children_)
            c->Collapse(true);
}

bool TTreeNode::Selected() const
{
    return tree_->Selected() == this;
}

void TTreeNode::SetSelected(bool v)
{
    if (v)
        tree_->SetSelected(this);
    else if (Selected())
        tree_->SetSelected(nullptr);
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode* p = parent_; p; p = p->parent_)
        p->SetExpanded(true);
    if (QItem(this))
        tree_->t_->widget->scrollToItem(QItem(this));
}

TRect TTreeNode::DisplayRect(bool textOnly) const
{
    if (!QItem(this))
        return {};
    TRect r = QRectToTRect(tree_->t_->widget->visualItemRect(QItem(this)));
    if (textOnly)
    {
        int x = r.Left + 2;
        if (tree_->StateImages() && stateIndex_ > 0)
            x += tree_->StateImages()->Width();
        if (tree_->Images() && imageIndex_ >= 0)
            x += tree_->Images()->Width() + 2;
        int w = QFontMetrics(tree_->Widget()->font()).horizontalAdvance(AnsiToQString(text_)) + 4;
        r.Left = x;
        r.Right = std::min(r.Right, x + w);
    }
    return r;
}

void TTreeNode::Delete()
{
    tree_->nodes_->Delete(this);
}

void TTreeNode::MoveTo(TTreeNode* dest, TNodeAttachMode mode)
{
    if (dest == this || (dest && dest->HasAsParent(this)))
        return;
    TTreeNodes& nodes = *tree_->nodes_;
    auto& from = nodes.SiblingList(parent_);
    auto pos = std::find_if(from.begin(), from.end(), [&](auto& p) { return p.get() == this; });
    if (pos == from.end())
        return;
    const bool selected = Selected();
    std::unique_ptr<TTreeNode> owned = std::move(*pos);
    const int oldIndex = static_cast<int>(pos - from.begin());
    from.erase(pos);
    ++tree_->t_->updating;
    QTreeWidgetItem* item = QItem(this);
    if (parent_)
        QItem(parent_)->takeChild(oldIndex);
    else
        tree_->t_->widget->takeTopLevelItem(oldIndex);
    TTreeNode* parent = mode == naAddChild ? dest : (dest ? dest->parent_ : nullptr);
    auto& to = nodes.SiblingList(parent);
    int index = static_cast<int>(to.size());
    if (mode == naInsert && dest)
        index = dest->Index();
    parent_ = parent;
    to.insert(to.begin() + index, std::move(owned));
    if (parent)
        QItem(parent)->insertChild(index, item);
    else
        tree_->t_->widget->insertTopLevelItem(index, item);
    std::vector<TTreeNode*> all;
    for (TTreeNode* n = this; n && (n == this || n->HasAsParent(this)); n = n->GetNext())
        all.push_back(n);
    for (TTreeNode* n : all)
        QItem(n)->setExpanded(true);
    if (selected)
        tree_->t_->widget->setCurrentItem(item);
    --tree_->t_->updating;
    tree_->PlaceEditor();
}

bool TTreeNode::EditText()
{
    TTreeView* t = tree_;
    if (t->IsEditing())
        t->EndEditing(false);
    bool allow = true;
    if (t->OnEditing)
        Guard([&] { t->OnEditing(t, this, allow); });
    if (!allow)
        return false;
    MakeVisible();
    QTreeWidget* w = t->t_->widget;
    QRect r = w->visualItemRect(QItem(this));
    auto* ed = new LabelEditor(w->viewport(), t);
    KeepText(ed);
    // The tree's own palette hides its selection colours: the editor keeps the usual ones.
    ed->setPalette(QApplication::palette());
    SetProgramText(ed, AnsiToQString(text_));
    ed->setGeometry(r.left(), r.top(), std::max(120, w->viewport()->width() - r.left() - 2), r.height() + 4);
    ed->selectAll();
    ed->show();
    ed->setFocus();
    t->t_->editor = ed;
    t->t_->edited = this;
    return true;
}

void TTreeNode::DeleteChildren()
{
    while (!children_.empty())
        tree_->nodes_->Delete(children_.back().get());
}

TTreeNodes* TTreeNode::Owner() const
{
    return tree_->nodes_.get();
}

// ============================================================================
// TTreeNodes
// ============================================================================
TTreeNodes::~TTreeNodes()
{
    Clear();
}

int TTreeNodes::Count() const
{
    int n = 0;
    for (TTreeNode* x = GetFirstNode(); x; x = x->GetNext())
        ++n;
    return n;
}

TTreeNode* TTreeNodes::Item(int absoluteIndex) const
{
    int i = 0;
    for (TTreeNode* x = GetFirstNode(); x; x = x->GetNext(), ++i)
        if (i == absoluteIndex)
            return x;
    return nullptr;
}

TTreeNode* TTreeNodes::TopItem(int i) const
{
    return i >= 0 && i < TopCount() ? roots_[static_cast<size_t>(i)].get() : nullptr;
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingList(TTreeNode* parent)
{
    return parent ? parent->children_ : roots_;
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int index, const std::string& text, intptr_t data)
{
    auto& list = SiblingList(parent);
    index = std::clamp(index, 0, static_cast<int>(list.size()));
    std::unique_ptr<TTreeNode> node(new TTreeNode(tree_, parent));
    node->text_ = text;
    node->Data = data;
    auto* item = new QTreeWidgetItem;
    item->setText(0, AnsiToQString(text));
    item->setData(0, Qt::UserRole, QVariant::fromValue<void*>(node.get()));
    node->item_ = item;
    TTreeNode* raw = node.get();
    list.insert(list.begin() + index, std::move(node));
    ++tree_->t_->updating;
    if (parent)
        QItem(parent)->insertChild(index, item);
    else
        tree_->t_->widget->insertTopLevelItem(index, item);
    --tree_->t_->updating;
    tree_->PlaceEditor();
    return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text)
{
    return AddObject(sibling, text, 0);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, intptr_t data)
{
    TTreeNode* parent = sibling ? sibling->parent_ : nullptr;
    return InsertAt(parent, static_cast<int>(SiblingList(parent).size()), text, data);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text)
{
    return InsertAt(sibling ? sibling->parent_ : nullptr, 0, text, 0);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text)
{
    return AddChildObject(parent, text, 0);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, intptr_t data)
{
    return InsertAt(parent, static_cast<int>(SiblingList(parent).size()), text, data);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text)
{
    return InsertAt(parent, 0, text, 0);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text)
{
    return InsertObject(sibling, text, 0);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* sibling, const std::string& text, intptr_t data)
{
    if (!sibling)
        return AddObject(nullptr, text, data);
    return InsertAt(sibling->parent_, sibling->Index(), text, data);
}

static void Forget(TTreeNode* n, TTreeView* tree, std::vector<TTreeNode*>& all)
{
    all.push_back(n);
    for (int i = 0; i < n->Count(); ++i)
        Forget(n->Item(i), tree, all);
    (void)tree;
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node)
        return;
    std::vector<TTreeNode*> all;
    Forget(node, tree_, all);
    if (tree_->OnDeletion && !tree_->Destroying())
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            Guard([&] { tree_->OnDeletion(tree_, *it); });
    auto& list = SiblingList(node->parent_);
    auto pos = std::find_if(list.begin(), list.end(), [&](auto& p) { return p.get() == node; });
    if (pos == list.end())
        return;
    std::unique_ptr<TTreeNode> owned = std::move(*pos);
    list.erase(pos);
    QTreeWidgetItem* item = QItem(node);
    for (TTreeNode* n : all)
    {
        if (n == tree_->t_->edited)
            tree_->EndEditing(true);
        if (QTreeWidgetItem* i = QItem(n))
            i->setData(0, Qt::UserRole, QVariant());
        n->item_ = nullptr;
    }
    if (tree_->Destroying())
        ++tree_->t_->updating;
    delete item;   // the children's items go with it
    if (tree_->Destroying())
        --tree_->t_->updating;
}

void TTreeNodes::Clear()
{
    ++tree_->t_->updating;
    while (!roots_.empty())
        Delete(roots_.back().get());
    --tree_->t_->updating;
}

void TTreeNodes::BeginUpdate()
{
    if (updateCount_++ == 0)
        tree_->t_->widget->setUpdatesEnabled(false);
}

void TTreeNodes::EndUpdate()
{
    if (--updateCount_ == 0)
        tree_->t_->widget->setUpdatesEnabled(true);
}

// ============================================================================
// TTreeView
// ============================================================================
TTreeView::TTreeView(TComponent* AOwner) : TWinControl(AOwner), t_(std::make_unique<Impl>())
{
    t_->widget = new TreeWidget(this);
    t_->widget->setColumnCount(1);
    t_->widget->header()->hide();
    // Labels are never cut: the column is as wide as the widest and the view
    // scrolls sideways when it needs to.
    t_->widget->header()->setStretchLastSection(false);
    t_->widget->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* delegate = new TreeDelegate(this);
    delegate->setParent(t_->widget);
    t_->widget->setItemDelegate(delegate);
    t_->widget->setIndentation(19);
    t_->widget->setSelectionMode(QAbstractItemView::SingleSelection);
    t_->widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t_->widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    nodes_ = std::make_unique<TTreeNodes>(this);
    SetWidget(t_->widget);
    WatchWidget(t_->widget->viewport());
    SetColor(clWindow);
    SetTabStop(true);
    QObject::connect(t_->widget, &QTreeWidget::currentItemChanged, HubObject(),
                     [this](QTreeWidgetItem* cur, QTreeWidgetItem*) {
                         if (t_->updating)
                             return;
                         if (cur && !cur->isSelected())
                             cur->setSelected(true);
                         Guard([&] { Change(NodeFromItem(cur)); });
                     });
    QObject::connect(t_->widget, &QTreeWidget::itemExpanded, HubObject(), [this](QTreeWidgetItem* it) {
        if (!t_->updating && OnExpanded)
            Guard([&] { OnExpanded(this, NodeFromItem(it)); });
    });
    QObject::connect(t_->widget, &QTreeWidget::itemCollapsed, HubObject(), [this](QTreeWidgetItem* it) {
        if (!t_->updating && OnCollapsed)
            Guard([&] { OnCollapsed(this, NodeFromItem(it)); });
    });
    SetBounds(0, 0, 121, 97);
}

bool TTreeView::IsEditing() const { return t_->edited != nullptr; }

void TTreeView::PlaceEditor()
{
    if (!t_->edited || !t_->editor)
        return;
    QTreeWidget* w = t_->widget;
    w->doItemsLayout();
    const QRect r = w->visualItemRect(QItem(t_->edited));
    t_->editor->setGeometry(r.left(), r.top(), std::max(120, w->viewport()->width() - r.left() - 2), r.height() + 4);
}
TTreeNode* TTreeView::EditedNode() const { return t_->edited; }

std::string TTreeView::EditorText() const
{
    return t_->editor ? QStringToAnsi(t_->editor->text()) : std::string();
}

void TTreeView::SetEditorText(const std::string& s)
{
    if (t_->editor)
        t_->editor->setText(AnsiToQString(s));
}

void TTreeView::EndEditing(bool cancel)
{
    TTreeNode* node = t_->edited;
    LabelEditor* ed = t_->editor;
    if (!node || !ed)
        return;
    t_->edited = nullptr;
    t_->editor = nullptr;
    std::string text = QStringToAnsi(ed->text());
    ed->hide();
    ed->deleteLater();
    if (cancel || Destroying())
        return;
    // Left blank: the node keeps its name, and the user is told.
    if (Trim(text).empty() && !Trim(node->Text()).empty())
    {
        RefuseInput(this, DialogTexts().EmptyName);
        t_->widget->setFocus();
        return;
    }
    if (OnEdited)
        Guard([&] { OnEdited(this, node, text); });
    node->SetText(text);
    t_->widget->setFocus();
}

TTreeView::~TTreeView()
{
    state_ |= csDestroying;
    t_->edited = nullptr;
    t_->editor = nullptr;
    ++t_->updating;
    nodes_.reset();
    t_->widget->tree = nullptr;
}

QWidget* TTreeView::ClientWidget() const
{
    return t_ ? t_->widget->viewport() : nullptr;
}

void TTreeView::BeginInternalChange() { ++t_->updating; }
void TTreeView::EndInternalChange() { --t_->updating; }

TTreeNode* TTreeView::NodeOfItem(void* item) const
{
    return NodeFromItem(static_cast<QTreeWidgetItem*>(item));
}

TTreeNode* TTreeView::Selected() const
{
    return NodeFromItem(t_->widget->currentItem());
}

bool TTreeView::AllowChange(TTreeNode* node)
{
    bool allow = true;
    Guard([&] { allow = CanChange(node); });
    return allow;
}

bool TTreeView::CanChange(TTreeNode* Node)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, Node, allow);
    return allow;
}

void TTreeView::Change(TTreeNode* Node)
{
    if (OnChange)
        OnChange(this, Node);
}

void TTreeView::SetSelected(TTreeNode* node)
{
    if (node == Selected())
        return;
    if (!AllowChange(node))
        return;
    if (node)
        t_->widget->setCurrentItem(QItem(node));
    else
    {
        t_->widget->setCurrentItem(nullptr);
        t_->widget->clearSelection();
    }
}

void TTreeView::SetImages(TImageList* list)
{
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = list;
    if (list)
        list->FreeNotification(this);
    t_->widget->doItemsLayout();
}

void TTreeView::SetStateImages(TImageList* list)
{
    if (stateImages_)
        stateImages_->RemoveFreeNotification(this);
    stateImages_ = list;
    if (list)
        list->FreeNotification(this);
    t_->widget->doItemsLayout();
}

void TTreeView::Notification(TComponent* component, bool removing)
{
    TWinControl::Notification(component, removing);
    if (removing && component == images_)
        images_ = nullptr;
    if (removing && component == stateImages_)
        stateImages_ = nullptr;
}

void TTreeView::ApplyColor()
{
    TWinControl::ApplyColor();
    // The nodes paint their own selection; the rest of the row stays plain.
    if (QWidget* w = Widget())
    {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Highlight, QColor(0, 0, 0, 0));
        w->setPalette(pal);
    }
}

int TTreeView::Indent() const { return t_->widget->indentation(); }
void TTreeView::SetIndent(int i) { t_->widget->setIndentation(i); }

void TTreeView::SetShowLines(bool v)
{
    showLines_ = v;
}

void TTreeView::SetShowRoot(bool v)
{
    showRoot_ = v;
    t_->widget->setRootIsDecorated(v);
}

TTreeNode* TTreeView::TopItem() const
{
    return NodeFromItem(t_->widget->itemAt(QPoint(1, 1)));
}

void TTreeView::SetTopItem(TTreeNode* node)
{
    if (QTreeWidgetItem* it = node ? QItem(node) : nullptr)
        t_->widget->scrollToItem(it, QAbstractItemView::PositionAtTop);
}

TTreeNode* TTreeView::GetNodeAt(int X, int Y) const
{
    return NodeFromItem(t_->widget->itemAt(QPoint(X, Y)));
}

THitTests TTreeView::GetHitTestInfoAt(int X, int Y) const
{
    QWidget* vp = t_->widget->viewport();
    THitTests r = 0;
    if (Y < 0)
        r |= htAbove;
    if (Y >= vp->height())
        r |= htBelow;
    if (X < 0)
        r |= htToLeft;
    if (X >= vp->width())
        r |= htToRight;
    if (r)
        return r;
    QTreeWidgetItem* it = t_->widget->itemAt(QPoint(X, Y));
    TTreeNode* node = NodeFromItem(it);
    if (!node)
        return htNowhere;
    QRect rect = t_->widget->visualItemRect(it);
    if (X < rect.left())
    {
        int buttonLeft = rect.left() - t_->widget->indentation();
        return (node->HasChildren() && X >= buttonLeft) ? htOnButton : htOnIndent;
    }
    int x = rect.left();
    if (stateImages_ && node->StateIndex() > 0)
    {
        if (X < x + stateImages_->Width())
            return htOnItem | htOnStateIcon;
        x += stateImages_->Width();
    }
    if (images_ && node->ImageIndex() >= 0)
    {
        if (X < x + images_->Width() + 2)
            return htOnItem | htOnIcon;
        x += images_->Width() + 2;
    }
    int tw = QFontMetrics(t_->widget->font()).horizontalAdvance(AnsiToQString(node->Text())) + 4;
    if (X < x + tw)
        return htOnItem | htOnLabel;
    return htOnRight;
}

void TTreeView::FullExpand()
{
    for (TTreeNode* n = nodes_->GetFirstNode(); n; n = n->GetNext())
        n->SetExpanded(true);
}

void TTreeView::FullCollapse()
{
    for (TTreeNode* n = nodes_->GetFirstNode(); n; n = n->GetNext())
        n->SetExpanded(false);
}

TCanvas& TTreeView::Canvas()
{
    return t_->canvas;
}

void TTreeView::PaintBackground(QPainter& painter)
{
    guiimpl::CanvasPaint peinture(t_->canvas, painter, *this);
    bool defaultDraw = true;
    QWidget* vp = t_->widget->viewport();
    Guard([&] { OnCustomDraw(this, Rect(0, 0, vp->width(), vp->height()), defaultDraw); });
}

void TTreeView::PaintNode(QPainter& painter, TTreeNode* node, const TRect& rect, bool selected)
{
    TCanvas& c = t_->canvas;
    guiimpl::CanvasPaint peinture(c, painter, *this);
    bool showSel = selected && (!HideSelection || Focused());
    if (showSel)
    {
        c.Brush.SetColor(clHighlight);
        c.Font.SetColor(clHighlightText);
    }
    else
    {
        c.Brush.SetStyle(bsClear);
    }
    bool defaultDraw = true;
    if (OnCustomDrawItem)
    {
        TCustomDrawState st = (selected ? TCustomDrawState(cdsSelected) : 0u) |
                              (selected && Focused() ? TCustomDrawState(cdsFocused) : 0u);
        Guard([&] { OnCustomDrawItem(this, node, st, defaultDraw); });
    }
    if (!defaultDraw)
        return;
    int x = rect.Left;
    if (stateImages_ && node->StateIndex() > 0)
    {
        stateImages_->Draw(c, x, rect.Top + (rect.Height() - stateImages_->Height()) / 2, node->StateIndex());
        x += stateImages_->Width();
    }
    if (images_ && node->ImageIndex() >= 0)
    {
        int idx = selected && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
        images_->Draw(c, x, rect.Top + (rect.Height() - images_->Height()) / 2, idx);
        x += images_->Width() + 2;
    }
    int tw = c.TextWidth(node->Text()) + 4;
    TRect tr = Rect(x, rect.Top, RowSelect ? rect.Right : std::min(rect.Right, x + tw), rect.Bottom);
    if (c.Brush.Style() != bsClear)
        c.FillRect(tr);
    c.Brush.SetStyle(bsClear);
    c.TextOut(x + 2, tr.Top + (tr.Height() - c.TextHeight(node->Text())) / 2, node->Text());
}

