// Small text and geometry helpers of the link label. They are grouped in
// static classes that are never instantiated.
#pragma once

#include "toolkit/SysUtils.h"

#include <QPoint>
#include <QRect>
#include <QString>

VORNIK_EXCEPTION(EGenericToolsError, Exception);

// Base of the helper classes that only hold static functions: constructing
// one is a programming error and raises EGenericToolsError "This class cannot
// be instantiated".
class TStaticContainer {
 public:
  TStaticContainer();
};

class TStringTools : public TStaticContainer {
 public:
  // Prefix and suffix tests that respect letter case; an empty part matches.
  static bool BeginsWith(const QString& text, const QString& prefix);
  static bool EndsWith(const QString& text, const QString& suffix);
  // Removes every carriage-return-line-feed pair; lone carriage returns and
  // line feeds stay.
  static QString RemoveCRLF(const QString& text);
  // Replaces every occurrence of `from` by `to`, again and again until the
  // text no longer holds `from` ("xx" by "x" turns "xxxx" into "x"). The
  // repetition runs only when `to` is shorter than `from`; otherwise it might
  // never end (`to` containing `from`), so such a replacement makes a single
  // pass. An empty `from` leaves the text as it is.
  static QString MultiStringReplace(const QString& text, const QString& from, const QString& to);
};

class TGraphicTools : public TStaticContainer {
 public:
  // True when the point lies inside the rectangle or on any of its four edges
  // (the left and top columns and the right() and bottom() columns of the
  // rectangle). A rectangle without width or height holds no point.
  static bool PointInRect(const QPoint& point, const QRect& rect);
};
