#include "frame/framemovie.h"

#include "controls/ComboBoxX.h"
#include "controls/OrqJvSpin.h"
#include "controls/OrqJvToolEdit.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Screen.h"
#include "toolkit/SysUtils.h"
#include "toolkit/Variant.h"

#include <QDate>


namespace {

enum class Kind { Image, Combo, SortedCombo, Edit, Memo, Date, Spin, Rating, Url, Label, ComboX };

// One child of the frame, in child order.
struct ChildRow {
  const char* name;
  Kind kind;
  int left, top, width, height;
  TAnchors anchors;
  int tab;      // -1: no tab order
  const char* caption;
  const char* focus;
};

constexpr TAnchors L = kAnchorLeft, T = kAnchorTop, R = kAnchorRight, B = kAnchorBottom;

// clang-format off
constexpr ChildRow kChildren[] = {
    {"StarRating", Kind::Image, 342, 54, 200, 20, T + R, -1, nullptr, nullptr},
    {"EVideoFormat", Kind::SortedCombo, 104, 417, 121, 21, L + R + B, 41, nullptr, nullptr},
    {"ETranslatedTitle", Kind::Edit, 104, 101, 440, 21, L + T + R, 14, nullptr, nullptr},
    {"ESource", Kind::Combo, 104, 29, 175, 21, L + T + R, 5, nullptr, nullptr},
    {"ESize", Kind::Edit, 402, 465, 117, 21, R + B, 58, nullptr, nullptr},
    {"EResolution", Kind::Edit, 402, 417, 142, 21, R + B, 49, nullptr, nullptr},
    {"EProducer", Kind::Edit, 104, 149, 257, 21, L + T, 18, nullptr, nullptr},
    {"EOriginalTitle", Kind::Edit, 104, 77, 440, 21, L + T + R, 12, nullptr, nullptr},
    {"EFramerate", Kind::SortedCombo, 402, 441, 117, 21, R + B, 51, nullptr, nullptr},
    {"EDirector", Kind::Edit, 104, 125, 257, 21, L + T, 16, nullptr, nullptr},
    {"EDescription", Kind::Memo, 104, 269, 440, 38, L + T + R, 33, nullptr, nullptr},
    {"EDate", Kind::Date, 403, 29, 141, 21, T + R, 7, nullptr, nullptr},
    {"ECountry", Kind::SortedCombo, 104, 173, 257, 21, L + T, 22, nullptr, nullptr},
    {"EComments", Kind::Memo, 104, 310, 440, 39, L + R + B, 35, nullptr, nullptr},
    {"EBorrower", Kind::Combo, 104, 53, 175, 21, L + T + R, 9, nullptr, nullptr},
    {"EAudioFormat", Kind::SortedCombo, 104, 441, 121, 21, L + R + B, 45, nullptr, nullptr},
    {"EActors", Kind::Memo, 376, 146, 168, 96, L + T + R, 20, nullptr, nullptr},
    {"EYear", Kind::Spin, 104, 221, 55, 21, L + T, 26, nullptr, nullptr},
    {"EVideoBitrate", Kind::Spin, 228, 417, 55, 21, R + B, 42, nullptr, nullptr},
    {"ELength", Kind::Spin, 280, 221, 55, 21, L + T, 28, nullptr, nullptr},
    {"EDisks", Kind::Spin, 402, 489, 55, 21, R + B, 61, nullptr, nullptr},
    {"EAudioBitrate", Kind::Spin, 228, 441, 55, 21, R + B, 46, nullptr, nullptr},
    {"EURL", Kind::Url, 104, 245, 440, 21, L + T + R, 31, nullptr, nullptr},
    {"LYear", Kind::Label, 8, 225, 29, 17, L + T, 25, "Year:", "EYear"},
    {"LVideoKbps", Kind::Label, 287, 421, 27, 17, R + B, 43, "kbps", nullptr},
    {"LVideoFormat", Kind::Label, 8, 421, 69, 17, L + B, 40, "Video Format:", "EVideoFormat"},
    {"LURL", Kind::Label, 8, 249, 29, 17, L + T, 30, "URL:", "EURL"},
    {"LTranslatedTitle", Kind::Label, 8, 105, 86, 17, L + T, 13, "T&ranslated Title:", "ETranslatedTitle"},
    {"LSubtitles", Kind::Label, 9, 493, 47, 17, L + B, 55, "Subtitles:", "ESubtitles"},
    {"LSource", Kind::Label, 8, 33, 41, 17, L + T, 4, "Source:", "ESource"},
    {"LSizeUnit", Kind::Label, 523, 469, 20, 17, R + B, 59, "MB", nullptr},
    {"LSize", Kind::Label, 326, 469, 56, 17, R + B, 57, "Files Sizes:", "ESize"},
    {"LResolution", Kind::Label, 326, 421, 57, 17, R + B, 48, "Resolution:", "EResolution"},
    {"LRating", Kind::Label, 292, 57, 38, 17, T + R, 10, "Rating:", nullptr},
    {"LProducer", Kind::Label, 8, 153, 50, 17, L + T, 17, "Producer:", "EProducer"},
    {"LOriginalTitle", Kind::Label, 8, 81, 71, 17, L + T, 11, "&Original Title:", "EOriginalTitle"},
    {"LMediaType", Kind::Label, 292, 9, 63, 17, T + R, 2, "Media Type:", "EMediaType"},
    {"LMedia", Kind::Label, 8, 9, 65, 17, L + T, 0, "Media Label:", nullptr},
    {"LLengthMin", Kind::Label, 339, 225, 23, 17, L + T, 29, "min.", nullptr},
    {"LLength", Kind::Label, 210, 225, 40, 17, L + T, 27, "Length:", "ELength"},
    {"LLanguages", Kind::Label, 8, 469, 60, 17, L + B, 53, "Languages:", "ELanguages"},
    {"LFramerateFPS", Kind::Label, 523, 445, 18, 17, R + B, 52, "fps", nullptr},
    {"LFramerate", Kind::Label, 326, 445, 54, 17, R + B, 50, "Framerate:", "EFramerate"},
    {"LDisks", Kind::Label, 326, 493, 59, 17, R + B, 60, "Discs/Files:", "EDisks"},
    {"LDirector", Kind::Label, 8, 129, 44, 17, L + T, 15, "Director:", "EDirector"},
    {"LDescription", Kind::Label, 8, 273, 60, 17, L + T, 32, "Description:", "EDescription"},
    {"LDate", Kind::Label, 292, 33, 64, 17, T + R, 6, "Date Added:", "EDate"},
    {"LCountry", Kind::Label, 8, 177, 43, 17, L + T, 21, "Country:", "ECountry"},
    {"LComments", Kind::Label, 8, 314, 56, 17, L + B, 34, "Comments:", "EComments"},
    {"LCategory", Kind::Label, 8, 201, 49, 17, L + T, 23, "Category:", "ECategory"},
    {"LBorrower", Kind::Label, 8, 57, 49, 17, L + T, 8, "Borrower:", "EBorrower"},
    {"LAudioKbps", Kind::Label, 287, 445, 27, 17, R + B, 47, "kbps", nullptr},
    {"LAudioFormat", Kind::Label, 8, 445, 69, 17, L + B, 44, "Audio Format:", "EAudioFormat"},
    {"LActors", Kind::Label, 376, 129, 37, 17, L + T, 19, "Actors:", "EActors"},
    {"LVersion", Kind::Label, 8, 353, 42, 17, L + B, 36, "Version:", "EDescription"},
    {"EVersion", Kind::Edit, 104, 352, 440, 21, L + R + B, 37, nullptr, nullptr},
    {"LReleaseNotes", Kind::Label, 8, 377, 75, 17, L + B, 38, "Release notes:", "EDescription"},
    {"EReleaseNotes", Kind::Memo, 104, 376, 441, 38, L + R + B, 39, nullptr, nullptr},
    {"ECategory", Kind::ComboX, 104, 197, 257, 21, L + T, 24, nullptr, nullptr},
    {"ELanguages", Kind::ComboX, 104, 465, 179, 21, L + R + B, 54, nullptr, nullptr},
    {"ESubtitles", Kind::ComboX, 104, 489, 179, 21, L + R + B, 56, nullptr, nullptr},
    {"EMediaType", Kind::ComboX, 403, 5, 141, 21, T + R, 3, nullptr, nullptr},
    {"ERating", Kind::Rating, 403, 53, 41, 21, T + R, 62, nullptr, nullptr},
    {"EMedia", Kind::Edit, 104, 5, 175, 21, L + T + R, 1, nullptr, nullptr},
};
// clang-format on

// The controls whose heights are fixed at 120 pixels per inch.
struct FixedHeight {
  const char* name;
  int height;
};
constexpr FixedHeight kHeightsAt120[] = {
    {"EMediaType", 24}, {"ESource", 24}, {"EVideoFormat", 24}, {"ECategory", 24},
    {"ELanguages", 24}, {"ESubtitles", 24}, {"ELength", 24}, {"EYear", 24},
    {"ERating", 24}, {"EVideoBitrate", 25}, {"EAudioBitrate", 25}, {"EDisks", 25},
};

// The children of each kind, with the settings their kind shares. Fields
// report their changes to `change`.
TControl* NewCombo(TMovieFrame* frame, bool sorted, const TNotifyEvent& change) {
  auto* combo = new TComboBox(frame);
  combo->SetAutoDropDown(true);
  combo->SetDropDownCount(16);
  combo->SetItemHeight(13);
  combo->SetSorted(sorted);
  combo->OnChange = change;
  return combo;
}

TControl* NewEdit(TMovieFrame* frame, const TNotifyEvent& change) {
  auto* edit = new TEdit(frame);
  edit->OnChange = change;
  return edit;
}

TControl* NewMemo(TMovieFrame* frame, const TNotifyEvent& change) {
  auto* memo = new TMemo(frame);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  memo->OnChange = change;
  return memo;
}

TControl* NewDatePicker(TMovieFrame* frame, const TNotifyEvent& change) {
  auto* date = new TDateTimePicker(frame);
  date->SetDate(DateTimeFromQt(QDateTime(QDate(2001, 1, 1), QTime(0, 0))));
  date->SetShowCheckbox(true);
  date->SetChecked(false);
  date->OnChange = change;
  return date;
}

TControl* NewSpinEdit(TMovieFrame* frame, const TNotifyEvent& change) {
  auto* spin = new TOrqJvSpinEdit(frame);
  spin->SetAllowEmpty(true);
  spin->SetAlignment(TAlignment::taRightJustify);
  spin->SetDecimal(0);
  spin->SetMaxValue(99999);
  spin->SetValue(-1);
  spin->OnChange = change;
  return spin;
}

// The rating field is a hidden float field outside the tab order.
TControl* NewRatingEdit(TMovieFrame* frame, const TNotifyEvent& change) {
  auto* rating = new TOrqJvSpinEdit(frame);
  rating->SetVisible(false);
  rating->SetTabStop(false);
  rating->SetDecimal(1);
  rating->SetValueType(TValueType::vtFloat);
  rating->OnChange = change;
  return rating;
}

TControl* NewUrlEdit(TMovieFrame* frame, const TNotifyEvent& change) {
  auto* url = new TOrqJvComboEditXP(frame);
  url->SetButtonFlat(false);
  url->SetImageKind(TJvImageKind::ikDropDown);
  url->OnChange = change;
  return url;
}

TControl* NewLabel(TMovieFrame* frame, const QString& caption) {
  auto* label = new TStaticText(frame);
  label->SetTransparent(false);
  label->SetCaption(caption);
  return label;
}

TControl* NewComboX(TMovieFrame* frame, const TNotifyEvent& change) {
  auto* combo = new TComboBoxX(frame);
  combo->SetStyle(TComboBoxStyle::csDropDown);
  combo->SetItemHeight(13);
  combo->SetDropDownCount(16);
  combo->SetMultiSelect(true);
  combo->SetItemDrag(false);
  combo->SetPopupListWidth(0);
  combo->SetButtons({});
  combo->SetButtonHint(QStringLiteral("Edit,New,Delete,Up,Down,Pin"));
  combo->SetShowHint(false);
  combo->OnChange = change;
  return combo;
}

// The child a row describes.
TControl* NewChild(TMovieFrame* frame, const ChildRow& row, const TNotifyEvent& change) {
  switch (row.kind) {
    case Kind::Image: return new TImage(frame);
    case Kind::Combo:
    case Kind::SortedCombo: return NewCombo(frame, row.kind == Kind::SortedCombo, change);
    case Kind::Edit: return NewEdit(frame, change);
    case Kind::Memo: return NewMemo(frame, change);
    case Kind::Date: return NewDatePicker(frame, change);
    case Kind::Spin: return NewSpinEdit(frame, change);
    case Kind::Rating: return NewRatingEdit(frame, change);
    case Kind::Url: return NewUrlEdit(frame, change);
    case Kind::Label: return NewLabel(frame, QString::fromLatin1(row.caption));
    case Kind::ComboX: return NewComboX(frame, change);
  }
  throw EInvalidArgument(Format("No control kind %d", {static_cast<int>(row.kind)}));
}

}  // namespace

const TClassInfo& TMovieFrame::StaticClass() {
  static const TClassInfo info("TMovieFrame", &TFrame::StaticClass(),
                               [](TClassInfo& c) { Publisher<TMovieFrame>(c).Creatable(); });
  return info;
}

TMovieFrame::TMovieFrame(TComponent* owner) : TFrame(owner) {
  BeginLoading();
  SetParentColor(false);
  SetBounds(0, 0, 548, 517);
  Constraints().SetMinWidth(548);
  Constraints().SetMinHeight(517);
  CreateControls();
  OnResize = [this](TObject* sender) { FrameResize(sender); };
  EndLoading();
}

void TMovieFrame::CreateControls() {
  const TNotifyEvent change = [this](TObject* sender) { FieldChange(sender); };
  for (const ChildRow& row : kChildren) {
    TControl* control = NewChild(this, row, change);
    control->SetName(QString::fromLatin1(row.name));
    control->SetParent(this);
    control->SetBounds(row.left, row.top, row.width, row.height);
    control->SetAnchors(row.anchors);
  }
  m_starRating = &ComponentAs<TImage>(QStringLiteral("StarRating"));
  SetUpSingleChildren();
  SetTabOrders();
  SetFocusControls();
}

void TMovieFrame::SetUpSingleChildren() {
  // A memo's lines: the release notes hold one empty line.
  ComponentAs<TMemo>(QStringLiteral("EReleaseNotes")).Lines().Add(QString());
}

void TMovieFrame::SetTabOrders() {
  // Tab positions are given in increasing order, so that each lands where it
  // belongs.
  std::vector<const ChildRow*> byTab;
  for (const ChildRow& row : kChildren)
    if (row.tab >= 0) byTab.push_back(&row);
  std::sort(byTab.begin(), byTab.end(), [](const ChildRow* a, const ChildRow* b) { return a->tab < b->tab; });
  for (const ChildRow* row : byTab) ComponentAs<TWinControl>(QString::fromLatin1(row->name)).SetTabOrder(row->tab);
}

void TMovieFrame::SetFocusControls() {
  for (const ChildRow& row : kChildren) {
    if (!row.focus) continue;
    ComponentAs<TStaticText>(QString::fromLatin1(row.name))
        .SetFocusControl(&ComponentAs<TWinControl>(QString::fromLatin1(row.focus)));
  }
}

TControl* TMovieFrame::Child(const QString& name) const { return dynamic_cast<TControl*>(FindComponent(name)); }

void TMovieFrame::FieldChange(TObject* sender) {
  // Values set while the frame is being built are not changes.
  if (IsUpdating() || IsLoading()) return;
  m_modified = true;
  if (OnFieldChange) OnFieldChange(sender);
}

void TMovieFrame::FrameResize(TObject*) {
  if (!m_customLayout) {
    TControl* description = Child(QStringLiteral("EDescription"));
    TControl* comments = Child(QStringLiteral("EComments"));
    TControl* version = Child(QStringLiteral("EVersion"));
    TControl* commentsLabel = Child(QStringLiteral("LComments"));
    const int a = version->Top() - description->Top() - 7;
    // Truncating division: a = 2 h + r with r taking the sign of a.
    const int h = a / 2;
    const int r = a % 2;
    // A version field less than 7 pixels below the description leaves the
    // memos no room; they keep a height of 0 rather than a negative one.
    description->SetHeight(std::max(0, h));
    comments->SetTop(description->Top() + description->Height() + 3);
    comments->SetHeight(std::max(0, description->Height() + r));
    commentsLabel->SetTop(comments->Top() + 4);
  }
  Invalidate();
}

void TMovieFrame::AdjustLayout() {
  const int ppi = Screen().PixelsPerInch();
  const int dx = Width() - Constraints().MinWidth();
  const int dy = Height() - Constraints().MinHeight();
  auto scale = [ppi](int v) { return RoundHalfEven(static_cast<double>(ppi * v) / 96.0); };
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetLeft(scale(c->Left()));
    c->SetTop(scale(c->Top()));
    c->SetWidth(scale(c->Width()));
    c->SetHeight(scale(c->Height()));
    const TAnchors a = c->Anchors();
    const bool left = a.Contains(TAnchorKind::akLeft);
    const bool right = a.Contains(TAnchorKind::akRight);
    if (!left && !right) c->SetLeft(RoundHalfEven(dx / 2.0) + c->Left());
    else if (right && !left) c->SetLeft(c->Left() + dx);
    else if (left && right) c->SetWidth(c->Width() + dx);
    const bool top = a.Contains(TAnchorKind::akTop);
    const bool bottom = a.Contains(TAnchorKind::akBottom);
    if (!top && !bottom) c->SetTop(RoundHalfEven(dy / 2.0) + c->Top());
    else if (bottom && !top) c->SetTop(c->Top() + dy);
    else if (top && bottom) c->SetHeight(c->Height() + dy);
    if (ppi == 120)
      for (const FixedHeight& f : kHeightsAt120)
        if (TControl* fixed = Child(QString::fromLatin1(f.name))) fixed->SetHeight(f.height);
  }
}
