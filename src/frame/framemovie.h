// The movie information panel: 64 labels and fields that show one movie,
// the object the designer arranges.
#pragma once

#include "toolkit/Forms.h"

#include <functional>

class TImage;
class TStaticText;
class TEdit;
class TMemo;
class TComboBox;
class TComboBoxX;
class TDateTimePicker;
class TOrqJvSpinEdit;
class TOrqJvComboEditXP;

class TMovieFrame : public TFrame {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TMovieFrame(TComponent* owner);

  // The update counter silences FieldChange while it is above 0; it never
  // goes below 0.
  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate() { m_updateCount = std::max(0, m_updateCount - 1); }
  bool IsUpdating() const { return m_updateCount > 0; }
  int UpdateCount() const { return m_updateCount; }

  bool Modified() const { return m_modified; }
  void SetModified(bool v) { m_modified = v; }
  // While false, a resize shares the free height between the description
  // and the comments memos.
  bool CustomLayout() const { return m_customLayout; }
  void SetCustomLayout(bool v) { m_customLayout = v; }

  // The change event of the input fields.
  void FieldChange(TObject* sender);
  std::function<void(TObject* sender)> OnFieldChange;
  // The frame's resize handler.
  void FrameResize(TObject* sender);
  // Scales every control for the screen's logical resolution and re-applies
  // the anchors against the frame's minimum size.
  void AdjustLayout();

  // The child controls by name, as the frame creates them.
  TImage* StarRating() const { return m_starRating; }
  TControl* Child(const QString& name) const;

 private:
  // Builds the children from the frame's table in child order, then the
  // settings single children need, the tab order and the focus controls.
  void CreateControls();
  void SetUpSingleChildren();
  void SetTabOrders();
  void SetFocusControls();
  int m_updateCount = 0;
  bool m_modified = false;
  bool m_customLayout = false;
  TImage* m_starRating = nullptr;
};
