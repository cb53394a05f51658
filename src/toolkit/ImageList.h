// A list of small pictures of one size, shared by toolbars, action lists and
// list views. Pictures are kept with their transparency; a disabled look is
// derived when a disabled control asks for one.
#pragma once

#include "toolkit/Bitmap.h"
#include "toolkit/ChangeLinks.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <vector>

class TImageList : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  // The size of every picture, 16 x 16 by default. A new size empties the
  // list; a size below 1 raises EInvalidOperation "Invalid image size".
  int Width() const { return m_width; }
  void SetWidth(int value);
  int Height() const { return m_height; }
  void SetHeight(int value);
  int Count() const { return static_cast<int>(m_images.size()); }

  // Adds the pictures of a bitmap and returns the index of the first. A strip
  // of k pictures (k x Width wide, Height high) adds k pictures; a bitmap of
  // any other size is scaled into one picture, keeping its proportions. An
  // empty bitmap raises EInvalidOperation.
  int Add(const TBitmap& bitmap);
  // As Add, with every pixel of `transparentColor` see-through; clDefault
  // takes the bitmap's own transparent colour, clNone masks nothing.
  int AddMasked(const TBitmap& bitmap, TColor transparentColor);
  void Clear();

  // Draws picture `index` with its top-left corner at (x, y), greyed when
  // not enabled. An index outside the list draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  // The picture as it is kept (with its alpha channel); a null image outside the list.
  QImage Image(int index) const;
  QPixmap Pixmap(int index, bool enabled = true) const;
  // The picture with its normal and disabled looks; a null icon outside the list.
  QIcon Icon(int index) const;

  // Clients follow every change of the list (pictures added or removed, new size).
  void RegisterChanges(TComponent* client, std::function<void()> changed);
  void UnRegisterChanges(TComponent* client);
  TNotifyEvent OnChange;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int AddImage(const QImage& image);
  void SetSize(int width, int height);
  void Change();

  int m_width = 16;
  int m_height = 16;
  std::vector<QImage> m_images;
  TChangeLinks m_links;
};
