#include "toolkit/ListView.h"

#include "toolkit/Application.h"
#include "toolkit/ImageList.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"

#include <QCollator>
#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The Qt side of a list view: a flat tree whose captions (the first column
// only) can be edited in place.
class ListViewWidget : public QTreeWidget {
 public:
  ListViewWidget() {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
  }

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
    return index.column() == 0 && QTreeWidget::edit(index, trigger, event);
  }
};

}  // namespace

const TTypeInfo& ViewStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
  return info;
}

const TTypeInfo& SortTypeType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TSortType", {"stNone", "stData", "stText", "stBoth"});
  return info;
}

const TTypeInfo& LVSelectItemEventType() {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, "TLVSelectItemEvent");
  return info;
}

// ---- TListColumn ----

const TClassInfo& TListColumn::StaticClass() {
  static const TClassInfo info("TListColumn", &TCollectionItem::StaticClass(), [](TClassInfo& c) {
    Publisher<TListColumn>(c)
        .Prop("Caption", Types::TCaption(), &TListColumn::Caption, &TListColumn::SetCaption)
        .Prop("Width", Types::Integer(), &TListColumn::Width, &TListColumn::SetWidth);
  });
  return info;
}

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {}

void TListColumn::SetCaption(const QString& value) {
  if (value == m_caption) return;
  m_caption = value;
  Changed(false);
}

void TListColumn::SetWidth(int value) {
  if (value == m_width) return;
  m_width = value;
  Changed(false);
}

// ---- TListColumns ----

const TClassInfo& TListColumns::StaticClass() {
  static const TClassInfo info("TListColumns", &TCollection::StaticClass());
  return info;
}

TListColumns::TListColumns(TListView* owner)
    : TCollection(TListColumn::StaticClass(),
                  [](TCollection* c) {
                    // The collection reports a new item from the item's base
                    // constructor; the list view reads the column only once
                    // it is whole.
                    c->BeginUpdate();
                    auto* column = new TListColumn(c);
                    c->EndUpdate();
                    return column;
                  }),
      m_listView(owner) {
  SetOwner(owner);
}

void TListColumns::Update(TCollectionItem* item) {
  TCollection::Update(item);
  if (item) m_listView->ColumnChanged(item->Index());
  else m_listView->ColumnsChanged();
}

// ---- TListItem ----

const TClassInfo& TListItem::StaticClass() {
  static const TClassInfo info("TListItem", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TListItem>(c)
        .Prop("Caption", Types::String(), &TListItem::Caption, &TListItem::SetCaption)
        .Prop("ImageIndex", Types::Integer(), &TListItem::ImageIndex, &TListItem::SetImageIndex)
        .Prop("SubItems", TStrings::StaticClass().TypeInfo(), &TListItem::SubItemsObject, &TListItem::SetSubItems);
  });
  return info;
}

TListItem::TListItem(TListItems* owner) : m_owner(owner), m_subItems(std::make_unique<TStringList>()) {
  m_subItems->OnChange = [this](TObject*) { m_owner->ItemChanged(this); };
}

TListItem::~TListItem() { m_subItems->OnChange = nullptr; }

TListView* TListItem::ListView() const { return m_owner->Owner(); }

void TListItem::SetCaption(const QString& value) {
  if (value == m_caption) return;
  m_caption = value;
  m_owner->CaptionChanged(this);
}

void TListItem::SetImageIndex(int value) {
  if (value == m_imageIndex) return;
  m_imageIndex = value;
  m_owner->ItemChanged(this);
}

bool TListItem::Selected() const { return ListView()->Selected() == this; }

void TListItem::SetSelected(bool value) {
  if (value) ListView()->SetSelected(this);
  else if (Selected()) ListView()->SetSelected(nullptr);
}

int TListItem::Index() const { return m_owner->IndexOf(this); }

void TListItem::MakeVisible(bool partialOk) { ListView()->ScrollTo(this, partialOk); }

void TListItem::Delete() { m_owner->Delete(Index()); }

// ---- TListItems ----

const TClassInfo& TListItems::StaticClass() {
  static const TClassInfo info("TListItems", &TPersistent::StaticClass());
  return info;
}

TListItems::TListItems(TListView* owner) : m_owner(owner) {}

TListItems::~TListItems() = default;

bool TListItems::Sorted() const {
  return m_owner->SortType() == TSortType::stText || m_owner->SortType() == TSortType::stBoth;
}

int TListItems::SortedPosition(const QString& caption) const {
  const QCollator collator;
  const auto it = std::upper_bound(m_items.begin(), m_items.end(), caption,
                                   [&collator](const QString& text, const std::unique_ptr<TListItem>& item) {
                                     return collator.compare(text, item->m_caption) < 0;
                                   });
  return static_cast<int>(it - m_items.begin());
}

void TListItems::Sort() {
  const QCollator collator;
  std::stable_sort(m_items.begin(), m_items.end(),
                   [&collator](const std::unique_ptr<TListItem>& a, const std::unique_ptr<TListItem>& b) {
                     return collator.compare(a->m_caption, b->m_caption) < 0;
                   });
}

TListItem* TListItems::Add() {
  auto item = std::unique_ptr<TListItem>(new TListItem(this));
  TListItem* added = item.get();
  const bool batched = m_updateCount > 0;
  const int row = !batched && Sorted() ? SortedPosition(QString()) : Count();
  m_items.insert(m_items.begin() + row, std::move(item));
  if (batched) m_dirty = true;
  else m_owner->RowInserted(row);
  return added;
}

TListItem* TListItems::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return m_items[static_cast<size_t>(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const {
  const auto it = std::find_if(m_items.begin(), m_items.end(), [item](const auto& p) { return p.get() == item; });
  return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void TListItems::Delete(int index) {
  TListItem* item = Item(index);
  m_owner->ItemDeleting(item);
  // The deselect handler may have changed the list: look the row up again.
  const int row = IndexOf(item);
  if (row < 0) return;
  std::unique_ptr<TListItem> going = std::move(m_items[static_cast<size_t>(row)]);
  m_items.erase(m_items.begin() + row);
  if (m_updateCount > 0) m_dirty = true;
  else m_owner->RowRemoved(row);
}

void TListItems::Clear() {
  if (m_items.empty()) return;
  BeginUpdate();
  if (TListItem* selected = m_owner->Selected()) m_owner->ItemDeleting(selected);
  m_items.clear();
  m_dirty = true;
  EndUpdate();
}

void TListItems::BeginUpdate() { ++m_updateCount; }

void TListItems::EndUpdate() {
  if (m_updateCount == 0 || --m_updateCount > 0 || !m_dirty) return;
  m_dirty = false;
  if (Sorted()) Sort();
  m_owner->RebuildRows();
}

void TListItems::CaptionChanged(TListItem* item) {
  if (m_updateCount > 0) {
    m_dirty = true;
    return;
  }
  int row = IndexOf(item);
  if (Sorted()) {
    std::unique_ptr<TListItem> moving = std::move(m_items[static_cast<size_t>(row)]);
    m_items.erase(m_items.begin() + row);
    const int to = SortedPosition(item->m_caption);
    m_items.insert(m_items.begin() + to, std::move(moving));
    if (to != row) m_owner->RowMoved(row, to);
    row = to;
  }
  m_owner->RowChanged(row);
}

void TListItems::ItemChanged(TListItem* item) {
  if (m_updateCount > 0) m_dirty = true;
  else m_owner->RowChanged(IndexOf(item));
}

// ---- TListView ----

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info("TListView", &TWinControl::StaticClass(), [](TClassInfo& c) {
    Publisher<TListView>(c)
        .Creatable()
        .ReadOnly("Columns", TListColumns::StaticClass().TypeInfo(), &TListView::ColumnsObject)
        .Prop("ColumnClick", Types::Boolean(), &TListView::ColumnClick, &TListView::SetColumnClick)
        .Prop("HideSelection", Types::Boolean(), &TListView::HideSelection, &TListView::SetHideSelection)
        .ReadOnly("Items", TListItems::StaticClass().TypeInfo(), &TListView::ItemsObject)
        .Prop("ReadOnly", Types::Boolean(), &TListView::ReadOnly, &TListView::SetReadOnly)
        .Prop("RowSelect", Types::Boolean(), &TListView::RowSelect, &TListView::SetRowSelect)
        .Prop("SmallImages", TImageList::StaticClass().TypeInfo(), &TListView::SmallImages,
              &TListView::SetSmallImages)
        .Prop("SortType", SortTypeType(), &TListView::SortType, &TListView::SetSortType)
        .Prop("ViewStyle", ViewStyleType(), &TListView::ViewStyle, &TListView::SetViewStyle)
        .Prop("OnSelectItem", LVSelectItemEventType(), &TListView::GetOnSelectItem, &TListView::SetOnSelectItem);
    PublishStandard(c, {kPlacing, kLook, kTabbing, "Visible", kClicks, kFocusEvents, kKeyEvents, kMouseEvents,
                        "OnResize"});
  });
  return info;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner),
      m_columns(std::make_unique<TListColumns>(this)),
      m_items(std::make_unique<TListItems>(this)),
      m_signals(std::make_unique<QObject>()) {
  SetColor(clWindow);
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  auto* tree = new ListViewWidget;
  tree->setFocusPolicy(Qt::StrongFocus);
  AttachWidget(tree);
  QObject::connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, m_signals.get(),
                   [this] { WidgetSelectionChanged(); });
  QObject::connect(tree, &QTreeWidget::itemChanged, m_signals.get(),
                   [this](QTreeWidgetItem* row, int column) { WidgetItemEdited(row, column); });
  QObject::connect(tree->header(), &QHeaderView::sectionResized, m_signals.get(),
                   [this](int index, int, int width) { WidgetColumnResized(index, width); });
  SyncBehaviour();
  ColumnsChanged();
}

TListView::~TListView() {
  Destroying();
  m_items->Clear();
  SetSmallImages(nullptr);
}

QTreeWidget* TListView::Tree() const { return static_cast<QTreeWidget*>(Widget()); }

int TListView::ShownColumnCount() const { return IsReport() ? m_columns->Count() : 1; }

void TListView::SetViewStyle(TViewStyle value) {
  if (value == m_viewStyle) return;
  m_viewStyle = value;
  ColumnsChanged();
}

void TListView::SetRowSelect(bool value) {
  if (value == m_rowSelect) return;
  m_rowSelect = value;
  SyncBehaviour();
  SyncSelection();
}

void TListView::SetReadOnly(bool value) {
  if (value == m_readOnly) return;
  m_readOnly = value;
  SyncBehaviour();
  RebuildRows();
}

void TListView::SetHideSelection(bool value) {
  if (value == m_hideSelection) return;
  m_hideSelection = value;
  SyncHighlight();
}

void TListView::SetColumnClick(bool value) {
  if (value == m_columnClick) return;
  m_columnClick = value;
  SyncBehaviour();
}

void TListView::SetSortType(TSortType value) {
  if (value == m_sortType) return;
  m_sortType = value;
  if (!m_items->Sorted()) return;
  if (m_items->m_updateCount > 0) {
    m_items->m_dirty = true;
    return;
  }
  m_items->Sort();
  RebuildRows();
}

void TListView::SetSmallImages(TImageList* value) {
  if (value == m_smallImages) return;
  if (m_smallImages) {
    m_smallImages->UnRegisterChanges(this);
    m_smallImages->RemoveFreeNotification(this);
  }
  m_smallImages = value;
  if (value) value->RegisterChanges(this, [this] { RebuildRows(); });
  RebuildRows();
}

void TListView::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == m_smallImages) {
    m_smallImages = nullptr;
    RebuildRows();
  }
  TWinControl::Notification(component, operation);
}

void TListView::SetSelected(TListItem* item) {
  if (item == m_selected) return;
  if (item && item->Owner() != m_items.get())
    throw EInvalidOperation(QStringLiteral("TListView.SetSelected: The item belongs to another list"));
  TListItem* old = m_selected;
  m_selected = item;
  SyncSelection();
  if (old) DoSelectItem(old, false);
  if (item && m_selected == item) DoSelectItem(item, true);
}

int TListView::ItemIndex() const { return m_selected ? m_selected->Index() : -1; }

void TListView::SetItemIndex(int index) { SetSelected(index == -1 ? nullptr : m_items->Item(index)); }

void TListView::DoSelectItem(TListItem* item, bool selected) {
  if (OnSelectItem) OnSelectItem(this, item, selected);
}

void TListView::ItemDeleting(TListItem* item) {
  if (item != m_selected) return;
  m_selected = nullptr;
  SyncSelection();
  if (!IsDestroying()) DoSelectItem(item, false);
}

// ---- model to widget ----

void TListView::FillRow(QTreeWidgetItem* row, const TListItem& item) const {
  const int columns = ShownColumnCount();
  const TStrings& subItems = *item.SubItemsObject();
  if (columns > 0) row->setText(0, item.Caption());
  for (int c = 1; c < columns; ++c) row->setText(c, c - 1 < subItems.Count() ? subItems.Get(c - 1) : QString());
  row->setIcon(0, m_smallImages ? m_smallImages->Icon(item.ImageIndex()) : QIcon());
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (!m_readOnly) flags |= Qt::ItemIsEditable;
  row->setFlags(flags);
}

void TListView::RowInserted(int row) {
  const TScopedValue syncing(m_syncing, true);
  auto* widgetRow = new QTreeWidgetItem;
  FillRow(widgetRow, *m_items->Item(row));
  Tree()->insertTopLevelItem(row, widgetRow);
}

void TListView::RowRemoved(int row) {
  const TScopedValue syncing(m_syncing, true);
  delete Tree()->takeTopLevelItem(row);
}

void TListView::RowMoved(int from, int to) {
  {
    const TScopedValue syncing(m_syncing, true);
    QTreeWidgetItem* widgetRow = Tree()->takeTopLevelItem(from);
    Tree()->insertTopLevelItem(to, widgetRow);
  }
  SyncSelection();
}

void TListView::RowChanged(int row) {
  const TScopedValue syncing(m_syncing, true);
  if (QTreeWidgetItem* widgetRow = Tree()->topLevelItem(row)) FillRow(widgetRow, *m_items->Item(row));
}

void TListView::RebuildRows() {
  if (m_items->m_updateCount > 0) {
    m_items->m_dirty = true;
    return;
  }
  {
    const TScopedValue syncing(m_syncing, true);
    QTreeWidget* tree = Tree();
    tree->clear();
    if (m_smallImages) tree->setIconSize(QSize(m_smallImages->Width(), m_smallImages->Height()));
    QList<QTreeWidgetItem*> rows;
    rows.reserve(m_items->Count());
    for (const auto& item : m_items->m_items) {
      auto* widgetRow = new QTreeWidgetItem;
      FillRow(widgetRow, *item);
      rows.append(widgetRow);
    }
    tree->addTopLevelItems(rows);
  }
  SyncSelection();
}

void TListView::ColumnsChanged() {
  {
    const TScopedValue syncing(m_syncing, true);
    QTreeWidget* tree = Tree();
    tree->setHeaderHidden(!IsReport());
    tree->header()->setStretchLastSection(!IsReport());
    tree->setColumnCount(ShownColumnCount());
    if (IsReport()) {
      QStringList captions;
      for (int i = 0; i < m_columns->Count(); ++i) captions << m_columns->Items(i)->Caption();
      tree->setHeaderLabels(captions);
    }
  }
  RebuildRows();
  if (IsReport())
    for (int i = 0; i < m_columns->Count(); ++i) ColumnChanged(i);
}

void TListView::ColumnChanged(int index) {
  if (!IsReport()) return;
  const TScopedValue syncing(m_syncing, true);
  QTreeWidget* tree = Tree();
  const TListColumn* column = m_columns->Items(index);
  tree->headerItem()->setText(index, column->Caption());
  if (column->Width() < 0) tree->resizeColumnToContents(index);
  else tree->setColumnWidth(index, column->Width());
}

void TListView::SyncSelection() {
  const TScopedValue syncing(m_syncing, true);
  QTreeWidget* tree = Tree();
  QItemSelectionModel* selection = tree->selectionModel();
  const int row = m_selected ? m_items->IndexOf(m_selected) : -1;
  QTreeWidgetItem* widgetRow = row >= 0 ? tree->topLevelItem(row) : nullptr;
  if (!widgetRow || tree->columnCount() == 0) {
    selection->clearSelection();
    return;
  }
  const QModelIndex index = tree->indexFromItem(widgetRow, 0);
  QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
  if (m_rowSelect) flags |= QItemSelectionModel::Rows;
  selection->setCurrentIndex(index, flags);
}

void TListView::SyncBehaviour() {
  QTreeWidget* tree = Tree();
  tree->setSelectionBehavior(m_rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
  tree->setAllColumnsShowFocus(m_rowSelect);
  tree->setEditTriggers(m_readOnly ? QAbstractItemView::NoEditTriggers
                                   : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  tree->header()->setSectionsClickable(m_columnClick);
}

void TListView::SyncHighlight() {
  QTreeWidget* tree = Tree();
  if (!tree) return;
  QPalette p = tree->palette();
  if (m_hideSelection) {
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Inactive, QPalette::Base));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Inactive, QPalette::Text));
  } else {
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
  }
  tree->setPalette(p);
}

void TListView::SyncColor() {
  ApplyPalette(QPalette::Base, false);
  SyncHighlight();
}

void TListView::SyncFont() {
  TWinControl::SyncFont();
  SyncHighlight();
}

void TListView::ScrollTo(const TListItem* item, bool partialOk) {
  QTreeWidget* tree = Tree();
  QTreeWidgetItem* widgetRow = tree->topLevelItem(m_items->IndexOf(item));
  if (!widgetRow) return;
  if (partialOk && tree->visualItemRect(widgetRow).intersects(tree->viewport()->rect())) return;
  tree->scrollToItem(widgetRow, QAbstractItemView::EnsureVisible);
}

// ---- widget to model ----

void TListView::WidgetSelectionChanged() {
  if (m_syncing) return;
  Application().Guard([this] {
    const QList<QTreeWidgetItem*> rows = Tree()->selectedItems();
    const int row = rows.isEmpty() ? -1 : Tree()->indexOfTopLevelItem(rows.first());
    TListItem* item = row >= 0 && row < m_items->Count() ? m_items->Item(row) : nullptr;
    if (item == m_selected) SyncSelection();
    else SetSelected(item);
  });
}

void TListView::WidgetItemEdited(QTreeWidgetItem* row, int column) {
  if (m_syncing || column != 0) return;
  Application().Guard([this, row] {
    const int index = Tree()->indexOfTopLevelItem(row);
    if (index >= 0 && index < m_items->Count()) m_items->Item(index)->SetCaption(row->text(0));
  });
}

void TListView::WidgetColumnResized(int index, int width) {
  if (m_syncing || !IsReport() || index >= m_columns->Count()) return;
  Application().Guard([this, index, width] {
    const TScopedValue syncing(m_syncing, true);
    m_columns->Items(index)->SetWidth(width);
  });
}
