// A string list with a character tree over its lines, so that finding a line
// by its text costs the length of the text, not the number of lines.
#pragma once

#include "toolkit/Strings.h"

#include <memory>
#include <vector>

class TStringListEx : public TStringList {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TStringListEx();
  ~TStringListEx() override;

  void Clear() override;

  // The index of the line that equals `text` (the letters A to Z folded
  // unless the list is case sensitive); the last such line when several
  // match; -1 when none does. After changes the tree is rebuilt once, here.
  int IndexOfText(const QString& text) const;

  // How many lines the tree covers, and the changes made since it was built.
  int IndexedCount() const { return m_indexedCount; }
  int ChangeCount() const { return m_changeCount; }

 protected:
  void Changed() override;

 private:
  // One node of the tree: the line that ends here and the nodes that follow,
  // in the order they were first met.
  struct Node {
    QChar character;
    int index = -1;
    std::vector<std::unique_ptr<Node>> children;
    Node* Child(QChar c) const;
  };

  QString Key(const QString& text) const;
  void Rebuild() const;
  void ResetTree() const;

  mutable Node m_root;
  mutable int m_indexedCount = 0;
  mutable int m_changeCount = 0;
};
