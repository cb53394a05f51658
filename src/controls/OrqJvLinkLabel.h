// The link label: a windowless label that shows a caption in the link
// label's tag language, wraps it at spaces inside its client area, draws
// links in a link colour and style, colours the link under the mouse or
// being pressed, and reports a click on a link with its number and text.
//
// A state change repaints the control: the paint draws the whole caption
// with the active link left out, then the active link in the colour of its
// state, with the wrapping of the full drawing.
#pragma once

#include "controls/OrqJvLinkLabelParser.h"
#include "controls/OrqJvLinkLabelRenderer.h"
#include "controls/OrqJvLinkLabelTree.h"

#include "toolkit/Strings.h"
#include "toolkit/WinControl.h"

#include <functional>
#include <memory>

using TLinkClickEvent = std::function<void(TObject* sender, int linkNumber, const QString& linkText)>;
using TDynamicTagInitEvent = std::function<void(TObject* sender, QString& source, int number)>;

const TTypeInfo& LinkClickEventType();
const TTypeInfo& DynamicTagInitEventType();

class TOrqJvCutomLinkLabel : public TGraphicControl, public IDynamicNodeHandler {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TOrqJvCutomLinkLabel(TComponent* owner);
  ~TOrqJvCutomLinkLabel() override;

  // A different caption is parsed into a new tree with the link and dynamic
  // numbering started again at 0; the active link is forgotten, Text becomes
  // the caption's lines and OnCaptionChanged fires. The same caption does
  // nothing.
  void SetText(const QString& value) override;
  // The caption as lines; setting it copies the lines and sets the caption
  // to their whole text.
  TStrings& TextLines() { return m_lines; }
  TStrings* TextLinesObject() const { return const_cast<TStringList*>(&m_lines); }
  void SetTextLines(TStrings* lines);

  // Without Transparent the client area is filled with Color first.
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool value);
  TColor LinkColor() const { return m_renderer->LinkColor(); }
  void SetLinkColor(TColor value);
  TColor LinkColorClicked() const { return m_renderer->LinkColorClicked(); }
  void SetLinkColorClicked(TColor value);
  TColor LinkColorHot() const { return m_renderer->LinkColorHot(); }
  void SetLinkColorHot(TColor value);
  TFontStyles LinkStyle() const { return m_renderer->LinkStyle(); }
  void SetLinkStyle(TFontStyles value);
  // Whether links take the hot colour under the mouse.
  bool HotLinks() const { return m_hotLinks; }
  void SetHotLinks(bool value) { m_hotLinks = value; }
  // Whether each painting sets the height to the text's height (unless the
  // control is aligned to the left, the right or the whole client area).
  bool AutoHeight() const { return m_autoHeight; }
  void SetAutoHeight(bool value);
  // Pixels kept free at the left and right, and at the top (added at the
  // bottom by AutoHeight).
  int MarginWidth() const { return m_marginWidth; }
  void SetMarginWidth(int value);
  int MarginHeight() const { return m_marginHeight; }
  void SetMarginHeight(int value);

  // The rectangle the caption is laid into: the client area less the margins
  // (no margin at the bottom).
  QRect DrawRect() const;
  // The caption's tree; its link rectangles are those of the last painting.
  TNodeTree& Tree() const { return *m_tree; }
  // The link last put into the clicked or hot state, or nullptr.
  TLinkNode* ActiveLink() const { return m_activeLink; }

  TLinkClickEvent OnLinkClick;
  TDynamicTagInitEvent OnDynamicTagInit;
  TNotifyEvent OnCaptionChanged;
  TLinkClickEvent GetOnLinkClick() const { return OnLinkClick; }
  void SetOnLinkClick(TLinkClickEvent e) { OnLinkClick = std::move(e); }
  TDynamicTagInitEvent GetOnDynamicTagInit() const { return OnDynamicTagInit; }
  void SetOnDynamicTagInit(TDynamicTagInitEvent e) { OnDynamicTagInit = std::move(e); }
  TNotifyEvent GetOnCaptionChanged() const { return OnCaptionChanged; }
  void SetOnCaptionChanged(TNotifyEvent e) { OnCaptionChanged = std::move(e); }

  // The parser asks for the content of a DYNAMIC tag.
  void SupplySource(QString& source, TDynamicNode* node) override;

 protected:
  virtual std::unique_ptr<IParser> CreateParser();
  virtual std::unique_ptr<IRenderer> CreateRenderer();
  virtual void DoCaptionChanged();
  virtual void DoLinkClicked(int linkNumber, const QString& linkText);
  // Empties the source, then lets OnDynamicTagInit fill it.
  virtual void DoDynamicTagInit(QString& source, int number);

  void Paint() override;
  void FontChanged() override;
  bool WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  // Puts the link under the point into the state and makes it the active link.
  void SetLinkStateAt(const QPoint& point, TLinkState state);
  // Puts the active link back to normal and forgets it.
  void ResetActiveLink();
  bool IsActiveLinkClicked() const;
  // The root's style and colour follow the control's font.
  void SyncRootWithFont();

 private:
  TLinkNode* LinkAt(const QPoint& point) const;

  TStringList m_lines;
  std::unique_ptr<IParser> m_parser;
  std::unique_ptr<IRenderer> m_renderer;
  std::unique_ptr<TNodeTree> m_tree;
  TLinkNode* m_activeLink = nullptr;
  bool m_transparent = false;
  bool m_hotLinks = false;
  bool m_autoHeight = true;
  int m_marginWidth = 0;
  int m_marginHeight = 0;
};

// The link label with its settings published.
class TOrqJvLinkLabel : public TOrqJvCutomLinkLabel {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvLinkLabel(TComponent* owner) : TOrqJvCutomLinkLabel(owner) {}
};
