// Feeds arbitrary bytes to the XML parser of the preferences and walks what
// it built, the way the preferences reader does.
#include "prefs/JvSimpleXml.h"

#include <cstddef>
#include <cstdint>

namespace {
// Visits every element and attribute, looking each name up again.
void Walk(TJvSimpleXmlElem& element) {
  TJvSimpleXmlProps& props = element.Props();
  for (int i = 0; i < props.Count(); ++i) {
    const TJvSimpleXmlProp* prop = props.Item(i);
    props.ReadInteger(prop->Name(), 0);
    props.ReadBool(prop->Name(), false);
  }
  TJvSimpleXmlElems& children = element.Children();
  for (int i = 0; i < children.Count(); ++i) {
    TJvSimpleXmlElem* child = children.Item(i);
    if (children.Find(child->Name()) == nullptr) __builtin_trap();
    Walk(*child);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TJvSimpleXml xml(nullptr);
  try {
    xml.LoadFromString(text);
  } catch (const TJvSimpleXmlInvalid&) {
    // Parse errors are expected; what was completed stays and is walked.
  }
  Walk(xml.Root());
  for (int i = 0; i < xml.Prolog().Count(); ++i) Walk(*xml.Prolog().Item(i));
  return 0;
}
