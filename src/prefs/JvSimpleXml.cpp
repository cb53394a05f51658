#include "prefs/JvSimpleXml.h"

#include <QFile>

const TClassInfo& TJvSimpleXml::StaticClass() {
  static const TClassInfo info("TJvSimpleXml", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TJvSimpleXml>(c).Prop("FileName", Types::String(), &TJvSimpleXml::FileName, &TJvSimpleXml::SetFileName);
  });
  return info;
}

TJvSimpleXml::TJvSimpleXml(TComponent* owner)
    : TComponent(owner),
      m_root(std::make_unique<TJvSimpleXmlElemClassic>(nullptr)),
      m_prolog(std::make_unique<TJvSimpleXmlElemsProlog>()) {}

TJvSimpleXml::~TJvSimpleXml() = default;

void TJvSimpleXml::LoadFromFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EJvSimpleXmlFileError(Format("Cannot open file \"%s\". %s", {path, file.errorString()}));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EJvSimpleXmlFileError(Format("Cannot read file \"%s\". %s", {path, file.errorString()}));
  m_fileName = path;
  LoadFromString(QString::fromLatin1(bytes));
}

void TJvSimpleXml::LoadFromString(const QString& text) {
  m_root->Clear();
  m_prolog->Clear();
  TJvSimpleXmlSource source(text);
  m_prolog->Parse(source);
  if (!source.AtEnd()) m_root->Parse(source);
}
