// The design panel: a bordered panel on a window whose surface, a borderless
// scrolling form (TDPForm), holds the design control while a designer is
// active on it. The surface shows only while an engine is attached.
#pragma once

#include "toolkit/Edit.h"
#include "toolkit/Forms.h"

class TDEng;
class TELCustomDesignPanel;

// The surface of a design panel: a form without caption or border that
// lives inside its panel.
class TDPForm : public TCustomForm {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TDPForm(TELCustomDesignPanel* panel);

  TELCustomDesignPanel* Panel() const { return m_panel; }
  bool AcceptsControls() const override { return true; }
  // Takes the keyboard focus for the designer (a press on the surface).
  void FocusSurface();

 private:
  TELCustomDesignPanel* m_panel;
};

class TELCustomDesignPanel : public TCustomControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TELCustomDesignPanel(TComponent* owner);
  ~TELCustomDesignPanel() override;

  TDPForm& Surface() const { return *m_form; }
  // The engine attached to the panel, nullptr when no designer is active on it.
  TDEng* Engine() const { return m_engine; }
  bool HasEngine() const { return m_engine != nullptr; }
  // Attaching shows the surface inside the panel; detaching (nullptr) hides it.
  void SetEngine(TDEng* engine);

  // Single: a sunken two-pixel client edge around the surface.
  TBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool AutoScroll() const { return m_form->AutoScroll(); }
  void SetAutoScroll(bool value) { m_form->SetAutoScroll(value); }
  TControlScrollBar* HorzScrollBarObject() const { return m_form->HorzScrollBarObject(); }
  void SetHorzScrollBar(TControlScrollBar* value) { m_form->SetHorzScrollBar(value); }
  TControlScrollBar* VertScrollBarObject() const { return m_form->VertScrollBarObject(); }
  void SetVertScrollBar(TControlScrollBar* value) { m_form->SetVertScrollBar(value); }
  // Where the surface sits: the panel without its border.
  QRect SurfaceRect() const;

 protected:
  void Paint() override;
  void BoundsChanged(bool sizeChanged) override;
  void ColorChanged() override;
  void FontChanged() override;
  bool WndProc(TMessage& message) override;

 private:
  void FitSurface();
  TDPForm* m_form = nullptr;
  TDEng* m_engine = nullptr;
  TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
};

class TELDesignPanel : public TELCustomDesignPanel {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TELDesignPanel(TComponent* owner) : TELCustomDesignPanel(owner) {}
};
