// An XML document read from an 8-bit text file: the prolog and one root
// element. Files are read, never written.
#pragma once

#include "prefs/JvSimpleXmlElem.h"

#include "toolkit/Component.h"

#include <memory>

// The file of a document could not be read.
VORNIK_EXCEPTION(EJvSimpleXmlFileError, Exception);

class TJvSimpleXml : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TJvSimpleXml(TComponent* owner);
  ~TJvSimpleXml() override;

  const QString& FileName() const { return m_fileName; }
  void SetFileName(const QString& value) { m_fileName = value; }

  TJvSimpleXmlElemClassic& Root() const { return *m_root; }
  TJvSimpleXmlElemsProlog& Prolog() const { return *m_prolog; }

  // Reads the file in one piece, one character per byte, and parses it.
  // EJvSimpleXmlFileError when the file cannot be read; TJvSimpleXmlInvalid
  // at the first parse error, with everything completed before it kept.
  void LoadFromFile(const QString& path);
  // Parses a text the same way: the prolog from the first character, then
  // the root element; whatever follows the root is ignored.
  void LoadFromString(const QString& text);

 private:
  QString m_fileName;
  std::unique_ptr<TJvSimpleXmlElemClassic> m_root;
  std::unique_ptr<TJvSimpleXmlElemsProlog> m_prolog;
};
